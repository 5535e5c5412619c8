#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "text/text_ops.h"

namespace {

TEST(TextCut, LeftRightMidCountBytes) {
  struct Case {
    const char* name;
    Text actual, expected;
  } cases[] = {
      {"left longer than text", Text_Left(Text("abc"), 5), Text("abc")},
      {"left of zero", Text_Left(Text("abc"), 0), Text("")},
      {"left of negative", Text_Left(Text("abc"), -1), Text("")},
      {"left cuts a character", Text_Left(Text("\xB0\xA1"), 1), Text("\xB0")},
      {"right of zero", Text_Right(Text("abc"), 0), Text("")},
      {"right of two", Text_Right(Text("abc"), 2), Text("bc")},
      {"right longer than text", Text_Right(Text("abc"), 9), Text("abc")},
      {"mid inside", Text_Mid(Text("abcdef"), 3, 2), Text("cd")},
      {"mid clipped at the end", Text_Mid(Text("abcdef"), 5, 9), Text("ef")},
      {"mid past the end", Text_Mid(Text("abc"), 4, 1), Text("")},
      {"mid from zero", Text_Mid(Text("abc"), 0, 2), Text("")},
      {"mid of negative count", Text_Mid(Text("abc"), 1, -2), Text("")},
      {"mid with a huge count", Text_Mid(Text("abc"), 2, INT64_MAX), Text("bc")},
      {"right with a huge count", Text_Right(Text("abc"), INT64_MAX), Text("abc")},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(TextMake, FromCodeBlankAndBytes) {
  EXPECT_EQ(Text_FromCode('a'), Text("a"));
  EXPECT_EQ(Text_FromCode(0), Text());
  EXPECT_EQ(Text_FromCode(0x141), Text("A")) << "low byte only";
  EXPECT_EQ(Text_FromCode(0x100), Text()) << "low byte zero";
  EXPECT_EQ(Text_Blank(3), Text("   "));
  EXPECT_EQ(Text_Blank(0), Text());
  EXPECT_EQ(Text_Blank(-4), Text());
  EXPECT_EQ(Text_ToBytes(Text("ab")), ByteSet("ab"));
  EXPECT_TRUE(Text_ToBytes(Text()).empty());
}

TEST(ByteSetOps, LeftBlankToText) {
  const ByteSet abc("abc");
  EXPECT_EQ(Bytes_Left(abc, 10), abc);
  EXPECT_EQ(Bytes_Left(abc, 2), ByteSet("ab"));
  EXPECT_TRUE(Bytes_Left(abc, -1).empty());
  EXPECT_EQ(Bytes_Blank(2).view(), std::string_view("\0\0", 2));
  EXPECT_TRUE(Bytes_Blank(0).empty());
  EXPECT_EQ(Bytes_ToText(ByteSet(std::string_view("a\0b", 3))), Text("a"));
  EXPECT_EQ(Bytes_ToText(ByteSet("ab")), Text("ab"));
  EXPECT_EQ(Bytes_ToText(ByteSet()), Text());
}

TEST(TextToLower, FoldsAsciiLettersOfWholeCharactersOnly) {
  struct Case {
    const char* name;
    Text t, expected;
  } cases[] = {
      {"ascii", Text("AbZ@["), Text("abz@[")},
      {"second byte kept", Text("\xB0\x41\x41"), Text("\xB0\x41\x61")},
      {"lone lead byte kept", Text("A\xC1"), Text("a\xC1")},
  };
  for (const auto& c : cases) EXPECT_EQ(Text_ToLower(c.t), c.expected) << c.name;
}

TEST(TextTrim, RemovesSpacesAndFullWidthSpacesOnly) {
  struct Case {
    const char* name;
    Text t, expected;
  } cases[] = {
      {"ascii spaces", Text("  A B  "), Text("A B")},
      {"full-width spaces", Text("\xA1\xA1x\xA1\xA1"), Text("x")},
      {"mixed run", Text(" \xA1\xA1 x \xA1\xA1 "), Text("x")},
      {"control characters kept", Text("\r\n\tA\t"), Text("\r\n\tA\t")},
      {"only spaces", Text("  \xA1\xA1 "), Text("")},
      {"empty", Text(""), Text("")},
      {"A1 as a second byte starts no space", Text("x\xB0\xA1\xA1\xA1"), Text("x\xB0\xA1")},
      {"A1 after a second byte is a lone lead byte", Text("x\xB0\xA1\xA1"), Text("x\xB0\xA1")},
      {"lone lead byte cut, spaces before it stay", Text(" x  \xA1"), Text("x  ")},
      {"only a lone lead byte", Text("\xA1"), Text("")},
  };
  for (const auto& c : cases) EXPECT_EQ(Text_Trim(c.t), c.expected) << c.name;
}

// The trimming rule as a plain forward walk.
std::string referenceTrim(const std::string& s) {
  const auto length = static_cast<std::int64_t>(s.size());
  auto charAt = [&](std::int64_t i) -> std::int64_t {
    if (static_cast<unsigned char>(s[i]) < 0x80) return 1;
    return i + 1 < length ? 2 : 0;
  };
  auto isSpace = [&](std::int64_t i, std::int64_t n) {
    return (n == 1 && s[i] == ' ') || (n == 2 && s[i] == '\xA1' && s[i + 1] == '\xA1');
  };
  std::int64_t begin = 0;
  while (begin < length && charAt(begin) != 0 && isSpace(begin, charAt(begin)))
    begin += charAt(begin);
  std::int64_t end = length, run = -1;
  for (std::int64_t i = begin; i < length; i += charAt(i)) {
    if (charAt(i) == 0) {
      return s.substr(begin, i - begin);
    }
    if (!isSpace(i, charAt(i)))
      run = -1;
    else if (run < 0)
      run = i;
  }
  if (run >= 0) end = run;
  return s.substr(begin, end - begin);
}

TEST(TextTrim, AgreesWithForwardWalkOnRandomTexts) {
  const char alphabet[] = {' ', '\xA1', 'a', '\xB0', '\t'};
  std::mt19937 random(7);
  for (int round = 0; round < 20000; ++round) {
    std::string s(random() % 12, ' ');
    for (char& ch : s) ch = alphabet[random() % sizeof alphabet];
    ASSERT_EQ(Text_Trim(Text(s)), Text(referenceTrim(s))) << Text(s);
  }
}

TEST(TextRemoveSpaces, DropsSpacesAndLoneLeadByte) {
  struct Case {
    const char* name;
    Text t, expected;
  } cases[] = {
      {"tab kept", Text("a b\tc"), Text("ab\tc")},
      {"full-width space",
       Text("a\xA1\xA1"
            "b"),
       Text("ab")},
      {"A1 as a second byte kept", Text("\xB0\xA1\xA1\xA1"), Text("\xB0\xA1")},
      {"lone lead byte dropped", Text("a \xB0"), Text("a")},
  };
  for (const auto& c : cases) EXPECT_EQ(Text_RemoveSpaces(c.t), c.expected) << c.name;
}

TEST(TextReplace, Cases) {
  struct Case {
    const char* name;
    Text t, sub, repl;
    bool caseSensitive;
    Text expected;
  } cases[] = {
      {"deletes", Text("a&nbsp;b&nbsp;"), Text("&nbsp;"), Text(), true, Text("ab")},
      {"non-overlapping from the start", Text("aaa"), Text("aa"), Text("b"), true, Text("ba")},
      {"replacement not searched again", Text("aa"), Text("a"), Text("aa"), true, Text("aaaa")},
      {"empty sub", Text("abc"), Text(""), Text("x"), true, Text("abc")},
      {"empty text", Text(""), Text("a"), Text("x"), true, Text("")},
      {"case sensitive", Text("aA"), Text("a"), Text("x"), true, Text("xA")},
      {"ignoring case", Text("aA"), Text("a"), Text("x"), false, Text("xx")},
      {"second byte not replaced", Text("\xB0\x41\x41"), Text("A"), Text("x"), true,
       Text("\xB0\x41x")},
      {"walk restarts after an occurrence", Text("a\xB0\x41\x41"), Text("a\xB0"), Text(), true,
       Text("\x41\x41")},
      {"lone lead byte dropped by a one-byte walk", Text("ab\xB0"), Text("b"), Text("c"), true,
       Text("ac")},
      {"lone lead byte kept in a shorter rest", Text("ab\xB0"), Text("xy"), Text("c"), true,
       Text("ab\xB0")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Text_Replace(c.t, c.sub, c.repl, c.caseSensitive), c.expected) << c.name;
}

TEST(TextSplit, Cases) {
  struct Case {
    const char* name;
    Text t, sep;
    TextArray expected;
  } cases[] = {
      {"empty field inside, none at the end",
       Text("a;;b;"),
       Text(";"),
       {Text("a"), Text(""), Text("b")}},
      {"leading separator", Text(";a"), Text(";"), {Text(""), Text("a")}},
      {"only a separator", Text(";"), Text(";"), {Text("")}},
      {"empty text", Text(""), Text(";"), {}},
      {"empty separator", Text("ab"), Text(""), {Text("ab")}},
      {"two-byte separator", Text("x\r\ny"), Text("\r\n"), {Text("x"), Text("y")}},
      {"case sensitive", Text("aXbxc"), Text("x"), {Text("aXb"), Text("c")}},
      {"not on a second byte", Text("\xB0;;b"), Text(";"), {Text("\xB0;"), Text("b")}},
  };
  for (const auto& c : cases) EXPECT_EQ(Text_Split(c.t, c.sep), c.expected) << c.name;
}

TEST(TextReplaceAndSplit, HandleMegabytesOfText) {
  std::string big;
  for (int i = 0; i < 1000000; ++i) big += "ab;\xB0\xA1";
  const Text t(big);
  EXPECT_EQ(TextArray_Count(Text_Split(t, Text(";"))), 1000001);
  EXPECT_EQ(Text_Length(Text_Replace(t, Text(";"), Text())), 4000000);
}

TEST(TextToInt, Cases) {
  struct Case {
    const char* name;
    Text t;
    int expected;
  } cases[] = {
      {"digits", Text("8080"), 8080},
      {"space then digits then letters", Text(" 12ab"), 12},
      {"no digits first", Text("x1"), 0},
      {"empty", Text(""), 0},
      {"full-width digits", Text("\xA3\xB8\xA3\xB0"), 80},
      {"full-width space and minus", Text("\xA1\xA1\xA3\xAD\xA3\xB5"), -5},
      {"white space", Text("\t\n\v\f\r 7"), 7},
      {"plus sign", Text("+42"), 42},
      {"sign alone", Text("-"), 0},
      {"sign then space", Text("- 3"), 0},
      {"other two-byte character ends the number",
       Text("12\xB0\xA1"
            "3"),
       12},
      {"lone lead byte ends the text", Text("5\xA3"), 5},
      {"int max", Text("2147483647"), INT_MAX},
      {"int min", Text("-2147483648"), INT_MIN},
      {"saturates high", Text("99999999999999999999999"), INT_MAX},
      {"saturates low", Text("-2147483649"), INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(Text_ToInt(c.t), c.expected) << c.name;
}

TEST(TextHex, Cases) {
  struct Case {
    const char* name;
    std::int64_t i;
    Text expected;
  } cases[] = {
      {"zero", 0, Text("0")},
      {"ten", 10, Text("A")},
      {"fifteen", 15, Text("F")},
      {"sixteen", 16, Text("10")},
      {"255", 255, Text("FF")},
      {"negative as 32 bits", -1, Text("FFFFFFFF")},
      {"int min", INT_MIN, Text("80000000")},
  };
  for (const auto& c : cases) EXPECT_EQ(Text_Hex(c.i), c.expected) << c.name;
}

}  // namespace
