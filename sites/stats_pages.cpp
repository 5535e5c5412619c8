#include "sites/stats_pages.h"

#include <array>

#include "sites/html.h"

namespace {

constexpr std::array<std::string_view, 4> kModeNames = {"经典模式", "大乱斗", "S6排位赛",
                                                        "S5排位赛"};

std::string summonerAddress(std::int64_t id) {
  return "/db/summoner/" + std::to_string(id) + ".html";
}

// One cell holding a link to the player's page; text is HTML already.
std::string linkCell(std::string_view cssClass, const std::string& address, std::string_view text) {
  std::string cell = "<td class=\"";
  cell += cssClass;
  cell += "\"><a href=\"" + address + "\">";
  cell += text;
  cell += "</a></td>";
  return cell;
}

std::string searchRow(const PlayerSummary& player, std::string_view avatarBase) {
  const std::string address = summonerAddress(player.id);
  std::string image = "<img src=\"";
  image += avatarBase;
  image += "/avatars/" + htmlEscape(player.avatar) + "\" width=\"32\" height=\"32\">";

  std::string row = "<tr>";
  row += linkCell("avatar", address, image);
  row += linkCell("name", address, htmlEscape(player.name));
  row += linkCell("server", address, htmlEscape(player.serverName));
  // The tier is stored as HTML, "&nbsp;" between tier and division.
  row += player.tier ? linkCell("tier", address, *player.tier) : "<td class=\"tier\">无段位</td>";
  row += linkCell("points", address, std::to_string(player.points));
  row += linkCell("more", address, "查看详情");
  row += "</tr>\n";
  return row;
}

std::string winRate(const ModeStats& mode) {
  if (mode.games <= 0) return "0%";
  return std::to_string((mode.wins * 100 + mode.games / 2) / mode.games) + "%";
}

std::string cell(std::string_view text) {
  std::string c = "<td>";
  c += text;
  c += "</td>";
  return c;
}

std::string modeRow(std::size_t index, const ModeStats& mode) {
  const bool ranked = index >= 2;
  std::string row = "<tr>";
  row += cell(kModeNames[index]);
  row += cell(std::to_string(mode.games));
  row += cell(winRate(mode));
  row += cell(std::to_string(mode.wins));
  row += cell(std::to_string(mode.losses));
  if (ranked) {
    row += cell(mode.tier ? *mode.tier : "无段位");
    row += cell(std::to_string(mode.tier ? mode.points : 0));
  }
  row += "</tr>\n";
  return row;
}

}  // namespace

std::string homePage() {
  return statsPageFrame("首页",
                        "<h1>英雄联盟召唤师战绩查询</"
                        "h1>\n<p>在上方输入召唤师名称，查看段位、胜点与各模式战绩。</p>\n");
}

std::string searchPage(std::string_view name, const std::vector<PlayerSummary>& players,
                       std::string_view avatarBase) {
  std::string content;
  content.reserve(players.size() * 700 + 1024);
  if (name.empty()) {
    content += "<p class=\"search-info\">请输入召唤师名称。</p>\n";
  } else {
    content += "<p class=\"search-info\">搜索“" + htmlEscape(name) + "”：共找到 " +
               std::to_string(players.size()) + " 位召唤师</p>\n";
  }
  content +=
      "<table "
      "class=\"result-list\">\n<thead><tr><th>头像</th><th>召唤师</th><th>服务器</th><th>段位</th>"
      "<th>胜点</th><th></th></tr></thead>\n<tbody>\n";
  for (const PlayerSummary& player : players) content += searchRow(player, avatarBase);
  content += "</tbody>\n</table>\n";
  return statsPageFrame(name.empty() ? "搜索" : "搜索 " + std::string(name), content);
}

std::string summonerPage(const PlayerProfile& profile) {
  const PlayerSummary& player = profile.summary;
  std::string content = "<div class=\"profile\">\n<img src=\"/avatars/" +
                        htmlEscape(player.avatar) + "\" width=\"80\" height=\"80\">\n<h1>" +
                        htmlEscape(player.name) + "</h1>\n<p>" + htmlEscape(player.serverName) +
                        "</p>\n<ul class=\"summary\">\n";
  content += "<li><strong>战斗力</strong><strong class=\"num\">" +
             std::to_string(profile.combatPower) + "</strong></li>\n";
  content += "<li><strong>段位</strong>" + (player.tier ? *player.tier : std::string("无段位")) +
             "</li>\n";
  content += "<li><a href=\"/db/birth/" + std::to_string(player.id) +
             ".html\">生日</a></li>\n</ul>\n</div>\n";
  content +=
      "<table "
      "class=\"mode-stats\">\n<thead><tr><th>类型</th><th>总场次</th><th>胜率</th><th>胜场</th>"
      "<th>负场</th><th>段位</th><th>胜点</th></tr></thead>\n<tbody>\n";
  for (std::size_t i = 0; i < profile.modes.size(); ++i) content += modeRow(i, profile.modes[i]);
  content += "</tbody>\n</table>\n";
  return statsPageFrame(player.name, content);
}

std::string birthdayPage(const PlayerProfile& profile) {
  const std::string name = htmlEscape(profile.summary.name);
  std::string content = "<div class=\"birth\">\n<h1>" + name +
                        " 的生日</h1>\n<p>生日：<span class=\"time fwr f30\">" +
                        htmlEscape(profile.birthday) + "</span></p>\n<p><a href=\"" +
                        summonerAddress(profile.summary.id) + "\">返回召唤师页面</a></p>\n</div>\n";
  return statsPageFrame(profile.summary.name + " 的生日", content);
}
