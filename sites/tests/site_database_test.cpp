// The seed data: enough players, every server, names the tool can carry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include <unistd.h>

#include "sites/site_database.h"
#include "sites/tests/tool_reading.h"

namespace {

std::unique_ptr<SiteDatabase> openSeeded(const std::string& path = "") {
  auto opened = SiteDatabase::open(path);
  EXPECT_TRUE(opened.ok()) << opened.error;
  return std::move(opened.value);
}

TEST(SiteDatabaseTest, ServersAreTheToolsTableAndMapBackToTheirOwnNumber) {
  const auto db = openSeeded();
  const auto servers = db->servers();
  ASSERT_TRUE(servers.ok());
  ASSERT_EQ(servers.value.size(), 27u);
  for (const ServerEntry& server : servers.value) {
    EXPECT_EQ(server.name, tool_reading::toolServerNames()[server.number - 1]) << server.number;
    // The tool takes the first table line that contains the shown name.
    EXPECT_EQ(tool_reading::toolServerNumber(tool_reading::pageText(server.name)), server.number)
        << server.name;
  }
}

TEST(SiteDatabaseTest, SeedCoversEveryServerWithNamesTheToolCanShow) {
  const auto db = openSeeded();
  const auto players = db->allPlayers();
  ASSERT_TRUE(players.ok());
  EXPECT_GE(players.value.size(), 500u);

  std::map<int, int> perServer;
  std::map<std::string, std::set<int>> serversOfName;
  int unranked = 0, withRare = 0, withSpace = 0, withAscii = 0;
  for (const PlayerProfile& player : players.value) {
    const PlayerSummary& p = player.summary;
    ++perServer[p.serverNumber];
    serversOfName[p.name].insert(p.serverNumber);
    if (!p.tier) ++unranked;
    if (p.name.find(' ') != std::string::npos) ++withSpace;
    if (std::any_of(p.name.begin(), p.name.end(),
                    [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }))
      ++withAscii;
    for (const char* rare :
         {"龘", "丨", "乂", "亍", "兀", "冫", "刂", "亻", "氵", "犭", "纟", "艹", "辶"})
      if (p.name.find(rare) != std::string::npos) ++withRare;

    // Every character exists in code page 936: the round trip is exact.
    const Text gbk = tool_reading::pageText(p.name);
    EXPECT_EQ(tool_reading::utf8(gbk), p.name);
    EXPECT_EQ(tool_reading::utf8(Text_Trim(gbk)), p.name) << "trimmed by the tool's link scan";
    EXPECT_EQ(p.name.find_first_of("<>&\""), std::string::npos) << p.name;
    // A division follows its tier after "&nbsp;"; the two top tiers have none.
    if (p.tier && *p.tier != "超凡大师" && *p.tier != "最强王者") {
      EXPECT_TRUE(
          std::regex_match(*p.tier, std::regex("(青铜|白银|黄金|铂金|钻石)&nbsp;(I|II|III|IV|V)")))
          << *p.tier;
    }
    EXPECT_EQ(player.birthday.size(), 10u) << p.name;
    EXPECT_TRUE(db->avatar(p.avatar).ok()) << p.avatar;
  }
  EXPECT_EQ(perServer.size(), 27u);
  for (const auto& [server, count] : perServer) EXPECT_GE(count, 10) << server;
  EXPECT_GT(unranked, 50);
  EXPECT_GT(withRare, 10);
  EXPECT_GT(withSpace, 10);
  EXPECT_GT(withAscii, 10);
  EXPECT_GE(std::count_if(serversOfName.begin(), serversOfName.end(),
                          [](const auto& e) { return e.second.size() > 1; }),
            3);
}

TEST(SiteDatabaseTest, DatabaseFileIsSeededOnceAndReused) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("sites_db_test_" + std::to_string(::getpid()) + ".sqlite");
  std::filesystem::remove(path);
  std::size_t first = 0;
  {
    const auto db = openSeeded(path.string());
    first = db->allPlayers().value.size();
  }
  {
    const auto db = openSeeded(path.string());
    EXPECT_EQ(db->allPlayers().value.size(), first);  // not seeded twice
    EXPECT_TRUE(db->avatar("a01.png").ok());
  }
  std::filesystem::remove(path);
  EXPECT_EQ(SiteDatabase::open((path / "no" / "such" / "folder").string()).status,
            DbStatus::openFailed);
}

}  // namespace
