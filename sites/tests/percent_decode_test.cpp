#include "sites/percent_decode.h"

#include <gtest/gtest.h>

namespace {

TEST(PercentDecodeTest, DecodesWhatTheToolSendsAndRefusesEverythingMalformed) {
  struct Case {
    const char* name;
    std::string_view encoded;
    DecodeStatus status;
    std::string_view decoded;
  };
  const Case cases[] = {
      {"empty", "", DecodeStatus::ok, ""},
      {"plain letters", "Falcon-1.a", DecodeStatus::ok, "Falcon-1.a"},
      {"chinese", "%E6%9A%97%E5%A4%9C", DecodeStatus::ok, "暗夜"},
      {"lower-case hex", "%e6%9a%97", DecodeStatus::ok, "暗"},
      {"space as %20", "a%20b", DecodeStatus::ok, "a b"},
      {"plus as sent by a form", "a+b", DecodeStatus::ok, "a b"},
      {"encoded plus", "a%2Bb", DecodeStatus::ok, "a+b"},
      {"four-byte character", "%F0%9F%98%80", DecodeStatus::ok, "\xF0\x9F\x98\x80"},
      {"lone percent", "%", DecodeStatus::badEscape, ""},
      {"one hex digit at the end", "ab%4", DecodeStatus::badEscape, ""},
      {"not hex", "%G1", DecodeStatus::badEscape, ""},
      {"raw space", "a b", DecodeStatus::badByte, ""},
      {"raw control", "a\tb", DecodeStatus::badByte, ""},
      {"raw high byte", "\xE6\x9A\x97", DecodeStatus::badByte, ""},
      {"zero byte", "a%00", DecodeStatus::zeroByte, ""},
      {"truncated sequence", "%E6%9A", DecodeStatus::invalidUtf8, ""},
      {"lone continuation", "%80", DecodeStatus::invalidUtf8, ""},
      {"overlong slash", "%C0%AF", DecodeStatus::invalidUtf8, ""},
      {"surrogate", "%ED%A0%80", DecodeStatus::invalidUtf8, ""},
      {"beyond U+10FFFF", "%F4%90%80%80", DecodeStatus::invalidUtf8, ""},
      {"gbk bytes, not utf-8", "%B0%B5", DecodeStatus::invalidUtf8, ""},
  };
  for (const Case& c : cases) {
    const DecodeResult result = percentDecodeUtf8(c.encoded);
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.value, c.decoded) << c.name;
  }
}

}  // namespace
