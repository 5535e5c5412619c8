#include "text/url_encode.h"

#include <gtest/gtest.h>

namespace {

// a, space, b, hyphen, 9, slash and 中 in code page 936.
const Text kName("a b-9/\xD6\xD0");

TEST(UrlEncode, Cases) {
  struct Case {
    const char* name;
    Text text;
    bool keepSafe, toUtf8;
    Text expected;
  } cases[] = {
      {"empty", Text(), true, true, Text()},
      {"name as UTF-8", kName, true, true, Text("a%20b-9%2F%E4%B8%AD")},
      {"name as code page 936", kName, true, false, Text("a%20b-9%2F%D6%D0")},
      {"space is never a plus", Text(" "), true, false, Text("%20")},
      {"reserved and unreserved marks", Text("/_~*+%"), true, false, Text("%2F%5F%7E%2A%2B%25")},
      {"hyphen and full stop pass", Text("-.09AZaz"), true, false, Text("-.09AZaz")},
      {"leading zero", Text("\t"), true, false, Text("%09")},
      {"neighbours of the safe ranges", Text(",:@[`{"), true, false, Text("%2C%3A%40%5B%60%7B")},
      {"everything escaped", Text("ab"), false, false, Text("%61%62")},
      {"everything escaped after UTF-8", Text("\xD6\xD0"), false, true, Text("%E4%B8%AD")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Url_Encode(c.text, c.keepSafe, c.toUtf8), c.expected) << c.name;
}

}  // namespace
