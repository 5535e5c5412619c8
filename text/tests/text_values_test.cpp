#include <gtest/gtest.h>

#include "text/text.h"

namespace {

TEST(TextValues, LengthAndConcatTreatAbsentAsEmpty) {
  EXPECT_EQ(Text_Length(Text()), 0);
  EXPECT_EQ(Text_Concat(Text(), Text()), Text());
  EXPECT_EQ(Text_Concat(Text("a"), Text(), Text("bc")), Text("abc"));
}

TEST(TextValues, ConstructionStopsAtZeroByte) {
  EXPECT_EQ(Text(std::string_view("a\0b", 3)), Text("a"));
  EXPECT_EQ(Text(std::string("a\0b", 3)), Text("a"));
}

TEST(TextValues, CompareIsBytewiseUnsignedAndCaseSensitive) {
  struct Case {
    const char* name;
    Text a, b;
    int expected;
  } cases[] = {
      {"prefix sorts first", Text("ab"), Text("abc"), -1},
      {"greater byte", Text("b"), Text("a"), 1},
      {"case counts", Text("A"), Text("a"), -1},
      {"absent equals empty", Text(), Text(""), 0},
      {"high bytes are unsigned", Text("\xB0"), Text("a"), 1},
  };
  for (const auto& c : cases) EXPECT_EQ(Text_Compare(c.a, c.b), c.expected) << c.name;
}

TEST(ByteSetValues, EqualityAndConcat) {
  EXPECT_TRUE(Bytes_Equal(ByteSet(), ByteSet("")));
  EXPECT_TRUE(Bytes_Concat(ByteSet(), ByteSet()).empty());
  ByteSet withZero(std::string_view("a\0b", 3));
  EXPECT_EQ(Bytes_Length(withZero), 3);
  EXPECT_EQ(Bytes_Concat(withZero, ByteSet("c")).view(), std::string_view("a\0bc", 4));
  EXPECT_FALSE(Bytes_Equal(withZero, ByteSet("a")));
}

TEST(TextArrayValues, OneBasedAccessAndClear) {
  TextArray a;
  TextArray_Append(a, Text("x"));
  TextArray_Append(a, Text("y"));
  EXPECT_EQ(TextArray_Count(a), 2);
  EXPECT_EQ(TextArray_At(a, 1), Text("x"));
  TextArray_Set(a, 2, Text("z"));
  EXPECT_EQ(TextArray_At(a, 2), Text("z"));
  // Outside 1..count: reads give the empty Text, writes do nothing.
  EXPECT_EQ(TextArray_At(a, 0), Text());
  EXPECT_EQ(TextArray_At(a, 3), Text());
  TextArray_Set(a, 3, Text("w"));
  EXPECT_EQ(TextArray_Count(a), 2);
  TextArray_Clear(a);
  TextArray_Append(a, Text("n"));
  EXPECT_EQ(TextArray_Count(a), 1);
  EXPECT_EQ(TextArray_At(a, 1), Text("n"));
}

}  // namespace
