#include <gtest/gtest.h>

#include <string>

#include "detail/lines.h"
#include "detail/server_table.h"
#include "text/literal.h"
#include "text/text_ops.h"

namespace {

TEST(ServerTable, HoldsTwentySevenLinesOf1373Bytes) {
  EXPECT_EQ(Text_Length(ServerTable()), 1373);
  EXPECT_EQ(Text_Right(ServerTable(), 2), Text("\r\n"));
  EXPECT_EQ(TextArray_Count(Text_Split(ServerTable(), Text("\r\n"))), 27);
}

TEST(ServerTable, EveryLineIsTheSitesOptionForItsNumber) {
  const char* names[] = {
      "艾欧尼亚 电信一",   "比尔吉沃特 网通一", "祖安 电信二",       "诺克萨斯 电信三",
      "班德尔城 电信四",   "德玛西亚 网通二",   "皮尔特沃夫 电信五", "战争学院 电信六",
      "弗雷尔卓德 网通三", "巨神峰 电信七",     "雷瑟守备 电信八",   "无畏先锋 网通四",
      "裁决之地 电信九",   "黑色玫瑰 电信十",   "暗影岛 电信十一",   "恕瑞玛 网通五",
      "钢铁烈阳 电信十二", "水晶之痕 电信十四", "均衡教派 电信十三", "扭曲丛林 网通六",
      "教育网专区",        "影流 电信十五",     "守望之海 电信十六", "征服之海 电信十七",
      "卡拉曼达 电信十八", "巨龙之巢 网通七",   "皮城警备 电信十九",
  };
  for (int n = 1; n <= 27; ++n) {
    const std::string expected =
        "\t\t\t\t\t<option  value=\"" + std::to_string(n) + "\">" + names[n - 1] + "</option>";
    EXPECT_EQ(Lines_At(ServerTable(), n), Literal_ToText(expected)) << "line " << n;
  }
}

}  // namespace
