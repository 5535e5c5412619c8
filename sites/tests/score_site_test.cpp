// The hidden-score site read over HTTP with the tool's own marker.
#include <algorithm>

#include "sites/tests/site_fixture.h"
#include "sites/tests/tool_reading.h"

namespace {

class ScoreSiteTest : public SitesTest {
 protected:
  Fetched rank(const std::string& server, const std::string& name) {
    return score("/rank.php?server=" + server + "&name=" + encode(name) + "&result=true");
  }
};

TEST_F(ScoreSiteTest, EveryPlayersScoreIsFoundByServerNumberAndName) {
  const auto players = db().allPlayers();
  ASSERT_TRUE(players.ok());
  for (const PlayerProfile& player : players.value) {
    const PlayerSummary& p = player.summary;
    // The number the tool sends is its table line of the server shown on the search page.
    const int number = tool_reading::toolServerNumber(tool_reading::pageText(p.serverName));
    const Fetched page = rank(std::to_string(number), p.name);
    ASSERT_EQ(page.status, 200) << p.name;
    EXPECT_EQ(tool_reading::hiddenScore(page.body), std::to_string(player.hiddenScore)) << p.name;
  }
}

TEST_F(ScoreSiteTest, UnknownPlayerGetsANotFoundPageWithoutTheMarker) {
  const auto players = db().allPlayers();
  ASSERT_TRUE(players.ok());
  // A real name asked on a server where nobody carries it, and a name whose
  // ASCII letters are in the wrong case: the score site matches names exactly.
  const PlayerSummary& first = players.value.front().summary;
  int otherServer = 1;
  while (db().hiddenScore(otherServer, first.name).status != DbStatus::notFound) ++otherServer;
  const auto ascii =
      std::find_if(players.value.begin(), players.value.end(), [](const PlayerProfile& p) {
        return std::any_of(p.summary.name.begin(), p.summary.name.end(),
                           [](char c) { return c >= 'a' && c <= 'z'; });
      });
  ASSERT_NE(ascii, players.value.end());
  std::string upper = ascii->summary.name;
  for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);

  struct Case {
    const char* name;
    std::string server;
    std::string player;
  };
  const Case cases[] = {
      {"no such name", "1", "不存在的召唤师"},
      {"name on another server", std::to_string(otherServer), first.name},
      {"letter case counts", std::to_string(ascii->summary.serverNumber), upper},
  };
  for (const Case& c : cases) {
    const Fetched page = rank(c.server, c.player);
    EXPECT_EQ(page.status, 404) << c.name;
    EXPECT_EQ(tool_reading::hiddenScore(page.body), "") << c.name;
    EXPECT_NE(page.body.find("未找到"), std::string::npos) << c.name;
  }
}

TEST_F(ScoreSiteTest, BadRequestsGet400) {
  struct Case {
    const char* name;
    const char* target;
  };
  const Case cases[] = {
      {"empty server, as sent for an unknown server name",
       "/rank.php?server=&name=abc&result=true"},
      {"server zero", "/rank.php?server=0&name=abc&result=true"},
      {"server beyond the table", "/rank.php?server=28&name=abc&result=true"},
      {"server with leading zero", "/rank.php?server=05&name=abc&result=true"},
      {"server not a number", "/rank.php?server=x&name=abc&result=true"},
      {"missing name", "/rank.php?server=1&result=true"},
      {"empty name", "/rank.php?server=1&name=&result=true"},
      {"missing result", "/rank.php?server=1&name=abc"},
      {"result not true", "/rank.php?server=1&name=abc&result=false"},
      {"repeated server", "/rank.php?server=1&server=2&name=abc&result=true"},
      {"invalid utf-8 name", "/rank.php?server=1&name=%E6%9A&result=true"},
      {"unknown parameter", "/rank.php?server=1&name=abc&result=true&x="},
      {"traversal", "/../rank.php?server=1&name=abc&result=true"},
  };
  for (const Case& c : cases) {
    const Fetched page = score(c.target);
    EXPECT_EQ(page.status, 400) << c.name;
    EXPECT_EQ(tool_reading::hiddenScore(page.body), "") << c.name;
  }
  EXPECT_EQ(score("/rank.php").status, 200);  // the bare page is the search form
  EXPECT_EQ(score("/db/so.html?a=&k=a").status, 404);
}

}  // namespace
