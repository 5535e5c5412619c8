// A synthetic search page of the statistics site, for benchmarks: a page
// head, one table body of result rows shaped like the site's, and a foot.
// Each row links six texts (five for an unranked player) to the player's
// summoner page: the avatar image, the name, the server, the tier, the
// points and a last link. Names, servers and tiers are Chinese, in UTF-8.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace bench_pages {

inline std::string searchRowUtf8(int index) {
  static constexpr std::array<std::string_view, 8> kSurnames = {"张", "王", "李", "赵",
                                                                "陈", "刘", "杨", "黄"};
  static constexpr std::array<std::string_view, 8> kGivenNames = {"三",   "小明", "思远", "子轩",
                                                                  "雨桐", "浩然", "一鸣", "梓涵"};
  static constexpr std::array<std::string_view, 6> kServers = {
      "艾欧尼亚", "祖安", "诺克萨斯", "班德尔城", "皮尔特沃夫", "战争学院"};
  static constexpr std::array<std::string_view, 5> kTiers = {
      "黄金&nbsp;III", "白银&nbsp;II", "铂金&nbsp;I", "钻石&nbsp;IV", "青铜&nbsp;V"};

  const std::string id = std::to_string(100000 + index * 7);
  const std::string link = "<a href=\"/db/summoner/" + id + ".html\">";
  auto cell = [&](std::string_view text) {
    return "\r\n\t\t\t<td>" + link + std::string(text) + "</a></td>";
  };

  std::string row = "\r\n\t\t<tr>";
  row += cell("<img src=\"http://127.0.0.1:18360/avatar/" + std::to_string(index % 40) +
              ".png\" width=\"30\">");
  row += cell(std::string(kSurnames[index % kSurnames.size()]) +
              std::string(kGivenNames[(index / 8) % kGivenNames.size()]));
  row += cell(kServers[index % kServers.size()]);
  const bool ranked = index % 4 != 3;
  if (ranked) row += cell(kTiers[index % kTiers.size()]);
  row += cell(std::to_string(index % 100));
  row += cell("详情");
  row += "\r\n\t\t</tr>";
  return row;
}

// The whole page, UTF-8, with `rows` result rows.
inline std::string searchPageUtf8(int rows) {
  std::string page =
      "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>召唤师搜索</title></head>"
      "\r\n<body>\r\n<div class=\"search\"><h2>搜索结果</h2>\r\n<table class=\"list\">"
      "\r\n\t<thead><tr><th>头像</th><th>ID</th><th>服务器</th><th>段位</th><th>胜点</th>"
      "<th></th></tr></thead>\r\n\t<tbody>";
  page.reserve(static_cast<std::size_t>(rows) * 480 + 512);
  for (int i = 0; i < rows; ++i) page += searchRowUtf8(i);
  page +=
      "\r\n\t</tbody>\r\n</table>\r\n</div>\r\n<div class=\"foot\">数据仅供参考</div>"
      "\r\n</body></html>\r\n";
  return page;
}

}  // namespace bench_pages
