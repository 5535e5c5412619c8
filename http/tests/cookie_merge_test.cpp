#include "http/cookie_merge.h"

#include <gtest/gtest.h>

namespace {

TEST(CookieMerge, ReceivedPairsWinAndDeletedNamesDisappear) {
  struct Case {
    const char* name;
    const char* cookies;
    const char* received;
    const char* merged;
    const char* receivedAfter;
  } cases[] = {
      {"received pair replaces old", "a=1; b=2", "b=3", "b=3; a=1", "b=3"},
      {"deletion marker removes old pair", "a=1; c=5", "a=deleted", "c=5", "a=deleted"},
      {"value ending in deleted stays", "x=undeleted", "", "x=undeleted", ""},
      {"same name twice in received", "", "a=1; a=2", "a=1; a=2", "a=1;a=2"},
      {"identical received pairs once", "", "a=1; a=1", "a=1", "a=1;a=1"},
      {"first of two old pairs survives", "a=1; a=2", "", "a=1", ""},
      {"received beats both old pairs", "a=1; a=2", "a=3", "a=3", "a=3"},
      {"both empty", "", "", "", ""},
      {"spaces inside values go", "a=x y; b=\xA1\xA1z", "", "a=xy; b=z", ""},
      {"names differ by letter case", "A=1", "a=2", "a=2; A=1", "a=2"},
      {"empty piece between separators", "a=1;;b=2", "", "a=1; ; b=2", ""},
  };
  for (const Case& c : cases) {
    Text cookies(c.cookies);
    Text received(c.received);
    Text copy = Cookie_Merge(cookies, received);
    EXPECT_EQ(cookies, Text(c.merged)) << c.name;
    EXPECT_EQ(copy, cookies) << c.name;
    EXPECT_EQ(received, Text(c.receivedAfter)) << c.name;
  }
}

TEST(CookieMerge, Helpers) {
  EXPECT_EQ(Cookie_Name(Text(" sid =abc=def")), Text("sid"));
  EXPECT_EQ(Cookie_Name(Text(" flag ")), Text("flag"));
  TextArray pairs{Text("a=1"), Text("B=2")};
  EXPECT_TRUE(Cookie_HasName(pairs, Text("B")));
  EXPECT_FALSE(Cookie_HasName(pairs, Text("b")));
  EXPECT_EQ(TextArray_IndexOf(pairs, Text("B=2")), 2);
  EXPECT_EQ(TextArray_IndexOf(pairs, Text("b=2")), -1);
  EXPECT_EQ(Text_DedupeJoin(Text("abc"), Text("; ")), Text("abc"));
  EXPECT_EQ(Text_DedupeJoin(Text("x; y; x; z; y"), Text("; ")), Text("x; y; z"));
  EXPECT_EQ(Text_DedupeJoin(Text(""), Text("; ")), Text(""));
}

}  // namespace
