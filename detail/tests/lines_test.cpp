#include <gtest/gtest.h>

#include "detail/lines.h"
#include "detail/server_table.h"
#include "text/literal.h"

namespace {

TEST(LinesFindContaining, FirstServerTableLineThatHoldsTheText) {
  struct Case {
    const char* name;
    const char* needle;  // UTF-8
    bool caseSensitive;
    std::int64_t expected;
  } cases[] = {
      {"server name", "艾欧尼亚", false, 1},
      {"line name", "电信一", false, 1},
      {"whole name text", "艾欧尼亚 电信一", false, 1},
      {"first of many lines wins", "电信十", false, 14},
      {"longer line name", "电信十一", false, 15},
      {"thirteen after fourteen", "电信十三", false, 19},
      {"markup counts", "option", false, 1},
      {"case ignored", "OPTION", false, 1},
      {"case significant", "OPTION", true, 0},
      {"no line", "不存在", false, 0},
      {"empty needle", "", false, 1},
      {"line without line name", "教育网", false, 21},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Lines_FindContaining(ServerTable(), Literal_ToText(c.needle), c.caseSensitive),
              c.expected)
        << c.name;
  }
}

TEST(LinesFindContaining, EmptyNeedleGivesFirstNonEmptyLine) {
  EXPECT_EQ(Lines_FindContaining(Text("\r\n\r\nx\r\n"), Text()), 3);
  EXPECT_EQ(Lines_FindContaining(Text(), Text()), 0);
  EXPECT_EQ(Lines_FindContaining(Text(), Text("a")), 0);
}

TEST(LinesAt, OutsideTheLinesGivesEmpty) {
  for (std::int64_t n : {0, -1, 28, 1000}) EXPECT_EQ(Lines_At(ServerTable(), n), Text()) << n;
  EXPECT_EQ(Lines_At(Text("a\r\nb"), 2), Text("b"));
  EXPECT_EQ(Lines_At(Text("a\r\n\r\nb\r\n"), 2), Text());
  EXPECT_EQ(Lines_At(Text("a\r\n\r\nb\r\n"), 3), Text("b"));
  EXPECT_EQ(Lines_At(Text("a\r\n"), 2), Text());
}

}  // namespace
