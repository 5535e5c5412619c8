// Reads the sites' pages the way the tool does: the body is turned from
// UTF-8 into code page 936 and the values are cut out with the same marker
// calls, so a page the tool could not read fails here. Results come back as
// UTF-8 for easy comparison with the database.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "text/codec.h"
#include "text/literal.h"
#include "text/markers.h"
#include "text/text.h"
#include "text/text_ops.h"

namespace tool_reading {

inline Text pageText(const std::string& utf8Body) {
  return Codec_Utf8ToAnsi(ByteSet(utf8Body));
}
inline std::string utf8(const Text& t) {
  return Codec_AnsiToUtf8(t).bytes();
}

// One line of the result list: columns 0 to 5 as the search command fills them.
struct ResultLine {
  std::string id, name, server, tier, points, avatar;
  long long linkCount = 0;
};

inline std::vector<ResultLine> searchLines(const std::string& utf8Body) {
  const Text body = Text_Between(pageText(utf8Body), Text("<tbody>"), Text("</tbody>"));
  TextArray rows;
  Text_BetweenAll(body, Text("<tr>"), Text("</tr>"), rows);
  std::vector<ResultLine> lines;
  for (std::int64_t i = 1; i <= TextArray_Count(rows); ++i) {
    const Text& row = TextArray_At(rows, i);
    ResultLine line;
    line.id = utf8(Text_Between(row, Text("summoner/"), Text(".html")));
    TextArray links;
    Text_BetweenAll(row, Text(".html\">"), Text("</a>"), links);
    line.linkCount = TextArray_Count(links);
    if (line.linkCount == 5 || line.linkCount == 6) {
      line.avatar = utf8(Text_Between(TextArray_At(links, 1), Text("src=\""), Text("\"")));
      line.name = utf8(TextArray_At(links, 2));
      line.server = utf8(TextArray_At(links, 3));
      line.tier = line.linkCount == 5
                      ? utf8("无段位"_gbk)
                      : utf8(Text_Replace(TextArray_At(links, 4), Text("&nbsp;"), Text(), true));
      line.points = utf8(TextArray_At(links, line.linkCount == 5 ? 4 : 5));
    }
    lines.push_back(line);
  }
  return lines;
}

inline std::string combatPower(const std::string& utf8Body) {
  const Text piece =
      Text_Between(pageText(utf8Body), "战斗力</strong><strong"_gbk, Text("/strong>"));
  return utf8(Text_Between(piece, Text(">"), Text("<")));
}

// The cells of page row rowNumber of the summoner page, each ">" deleted.
inline std::vector<std::string> modeRow(const std::string& utf8Body, std::int64_t rowNumber) {
  const Text body = Text_Between(pageText(utf8Body), Text("<tbody>"), Text("</tbody>"));
  TextArray rows;
  Text_BetweenAll(body, Text("<tr>"), Text("</tr>"), rows);
  TextArray cells;
  Text_BetweenAll(TextArray_At(rows, rowNumber), Text("<td"), Text("</td>"), cells);
  std::vector<std::string> out;
  for (std::int64_t i = 1; i <= TextArray_Count(cells); ++i)
    out.push_back(utf8(Text_Replace(TextArray_At(cells, i), Text(">"), Text(), true)));
  return out;
}

inline std::string birthday(const std::string& utf8Body) {
  return utf8(Text_Between(pageText(utf8Body), Text("<span class=\"time fwr f30\">"), Text("</")));
}

inline std::string hiddenScore(const std::string& utf8Body) {
  return utf8(Text_Between(pageText(utf8Body), "td>隐藏分</td>\r\n\t\t\t\t<td>"_gbk, Text("</")));
}

// The server table as the tool holds it, one line per server in the stored
// form, and the tool's lookup: the first line containing the text wins.
inline const std::vector<std::string>& toolServerNames() {
  static const std::vector<std::string> names = {
      "艾欧尼亚 电信一",   "比尔吉沃特 网通一", "祖安 电信二",       "诺克萨斯 电信三",
      "班德尔城 电信四",   "德玛西亚 网通二",   "皮尔特沃夫 电信五", "战争学院 电信六",
      "弗雷尔卓德 网通三", "巨神峰 电信七",     "雷瑟守备 电信八",   "无畏先锋 网通四",
      "裁决之地 电信九",   "黑色玫瑰 电信十",   "暗影岛 电信十一",   "恕瑞玛 网通五",
      "钢铁烈阳 电信十二", "水晶之痕 电信十四", "均衡教派 电信十三", "扭曲丛林 网通六",
      "教育网专区",        "影流 电信十五",     "守望之海 电信十六", "征服之海 电信十七",
      "卡拉曼达 电信十八", "巨龙之巢 网通七",   "皮城警备 电信十九"};
  return names;
}

inline int toolServerNumber(const Text& serverText) {
  std::string table;
  int number = 1;
  for (const std::string& name : toolServerNames())
    table +=
        "\t\t\t\t\t<option  value=\"" + std::to_string(number++) + "\">" + name + "</option>\r\n";
  const TextArray lines = Text_Split(Codec_Utf8ToAnsi(ByteSet(table)), Text("\r\n"));
  for (std::int64_t i = 1; i <= TextArray_Count(lines); ++i)
    if (Text_Find(TextArray_At(lines, i), serverText, 0, true) != -1) return static_cast<int>(i);
  return 0;
}

}  // namespace tool_reading
