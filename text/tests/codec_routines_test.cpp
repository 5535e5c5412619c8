#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "text/codec.h"
#include "text/literal.h"

namespace {

ByteSet Bytes(std::string_view b) {
  return ByteSet(b);
}
Text Gbk(std::string_view b) {
  return Text(b);
}

TEST(CodecUtf8ToAnsi, Conversions) {
  struct Case {
    const char* name;
    std::string_view utf8;
    std::string_view gbk;
  } cases[] = {
      {"empty", "", ""},
      {"ascii", "abc", "abc"},
      {"CJK", "\xE4\xB8\xAD", "\xD6\xD0"},
      {"zero byte ends the text", std::string_view("a\0b", 3), "a"},
      {"e + combining acute composes", "e\xCC\x81", "\xA8\xA6"},
      {"u + diaeresis + macron composes twice", "u\xCC\x88\xCC\x84", "\xA8\xB5"},
      {"mark without base stays a mark", "\xCC\x81", "?"},
      {"mark that composes with nothing", "x\xCC\x81", "x?"},
      {"truncated sequence at the end", "a\xC3", "a?"},
      {"truncated sequence before ascii",
       "\xE4\xB8"
       "a",
       "?a"},
      {"stray continuation bytes, one ? each", "\x80\x80", "??"},
      {"overlong lead", "\xC0\xAF", "??"},
      {"F0 80 80: three ill-formed subparts", "\xF0\x80\x80", "???"},
      {"encoded surrogate", "\xED\xA0\x80", "???"},
      {"supplementary character is one ?", "\xF0\x9F\x98\x80", "?"},
      {"zero-width space gives ?", "\xE2\x80\x8B", "?"},
      {"half-width arrow U+FFE9 gives ?", "\xEF\xBF\xA9", "?"},
      {"half-width circle U+FFEE gives ?", "\xEF\xBF\xAE", "?"},
      {"euro sign", "\xE2\x82\xAC", "\x80"},
      {"best fit: a-grave with nothing else", "\xC3\xA0", "\xA8\xA4"},
      {"ascii base, then a run that starts with a mark", "ab e\xCC\x81\xE4\xB8\xAD",
       "ab \xA8\xA6\xD6\xD0"},
      {"malformed bytes between ascii",
       "a\x80"
       "b\xE4\xB8"
       "c\xC0\xAF"
       "d",
       "a?b?c??d"},
      {"zero byte before the first non-ascii", std::string_view("ab\0\xE4\xB8\xAD\x80", 7), "ab"},
      {"zero byte first", std::string_view("\0abc", 4), ""},
      {"only Chinese", "\xE5\xBC\xA0\xE4\xB8\x89\xE8\xAF\xA6\xE6\x83\x85",
       "\xD5\xC5\xC8\xFD\xCF\xEA\xC7\xE9"},
  };
  for (const auto& c : cases) EXPECT_EQ(Codec_Utf8ToAnsi(Bytes(c.utf8)), Gbk(c.gbk)) << c.name;
}

TEST(CodecAnsiToUtf8, Conversions) {
  struct Case {
    const char* name;
    std::string_view gbk;
    std::string_view utf8;
  } cases[] = {
      {"empty", "", ""},
      {"ascii", "abc", "abc"},
      {"CJK", "\xD6\xD0", "\xE4\xB8\xAD"},
      {"precomposed e-acute", "\xA8\xA6", "\xC3\xA9"},
      {"euro byte", "\x80", "\xE2\x82\xAC"},
      {"lone lead byte at the end", "a\xD6", "a?"},
      {"lead byte before an invalid trail keeps the trail", "\xD6<", "?<"},
  };
  for (const auto& c : cases) EXPECT_EQ(Codec_AnsiToUtf8(Gbk(c.gbk)), Gbk(c.utf8)) << c.name;
}

TEST(CodecUtf16, StepsOfTheConversions) {
  EXPECT_EQ(Codec_AnsiToUtf16(Gbk("\xD6\xD0"), kCodePageGbk),
            Bytes(std::string_view("\x2D\x4E\0\0", 4)));
  EXPECT_EQ(Codec_AnsiToUtf16(Gbk(""), kCodePageGbk), Bytes(std::string_view("\0\0", 2)));
  EXPECT_EQ(Codec_Utf8ToUtf16(Bytes("ab")), Bytes(std::string_view("a\0b\0", 4)));
  EXPECT_EQ(Codec_Utf8ToUtf16(Bytes("")), Bytes(""));
  EXPECT_EQ(Codec_Utf16ToGbk(Bytes(std::string_view("a\0b", 3))), Gbk("a"));
  EXPECT_EQ(Codec_Utf16ToAnsi(Bytes(std::string_view("a\0b\0\0\0c\0", 8)), kCodePageUtf8),
            Gbk("ab"));
  EXPECT_EQ(Codec_Utf16ToAnsi(Bytes(std::string_view("\x2D\x4E", 2))), Gbk("\xD6\xD0"));
}

TEST(CodecUtf16, LoneSurrogates) {
  const std::string_view lead(
      "a\0\x3D\xD8"
      "b\0",
      6);                                       // a, U+D83D, b
  const std::string_view trail("\x00\xDE", 2);  // U+DE00 alone
  EXPECT_EQ(Codec_Utf16ToGbk(Bytes(lead)), Gbk("a?b"));
  EXPECT_EQ(Codec_Utf16ToGbk(Bytes(std::string_view("\x3D\xD8", 2))), Gbk("?"));
  EXPECT_EQ(Codec_Utf16ToGbk(Bytes(trail)), Gbk("?"));
  EXPECT_EQ(Codec_Utf16ToAnsi(Bytes(lead), kCodePageUtf8), Gbk("a\xEF\xBF\xBD"
                                                               "b"));
}

TEST(CodecCodePages, UnknownCodePageGivesEmptyResult) {
  EXPECT_EQ(Codec_AnsiToUtf16(Gbk("abc"), 1252), ByteSet());
  EXPECT_EQ(Codec_Utf16ToAnsi(Bytes(std::string_view("a\0", 2)), 1252), Text());
}

TEST(CodecCodePages, Utf8DecodingOfGbkBytesKeepsEveryUnit) {
  // D6 D0 is one unit in 936 but two malformed UTF-8 bytes: the result holds
  // both U+FFFD units and the terminating unit.
  EXPECT_EQ(Codec_AnsiToUtf16(Gbk("\xD6\xD0"), kCodePageUtf8),
            Bytes(std::string_view("\xFD\xFF\xFD\xFF\0\0", 6)));
}

TEST(Literal, ConvertsOnceToGbk) {
  EXPECT_EQ("中"_gbk, Gbk("\xD6\xD0"));
  EXPECT_EQ("无段位"_gbk, Codec_Utf8ToAnsi(Bytes("无段位")));
  EXPECT_EQ(&"中"_gbk, &"中"_gbk);
  EXPECT_EQ(Literal_ToText("abc"), Gbk("abc"));
}

}  // namespace
