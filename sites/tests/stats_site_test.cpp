// The statistics site read over HTTP with the tool's own marker calls.
#include <algorithm>
#include <set>

#include "sites/site_request.h"
#include "sites/tests/site_fixture.h"
#include "sites/tests/tool_reading.h"

namespace {

using tool_reading::ResultLine;

std::string expectedTier(const std::optional<std::string>& tier) {
  if (!tier) return "无段位";
  std::string shown = *tier;
  for (std::size_t at; (at = shown.find("&nbsp;")) != std::string::npos;) shown.erase(at, 6);
  return shown;
}

class StatsSiteTest : public SitesTest {};

// Every seeded player, looked up by its own name, appears as a line the tool
// can fill completely, and its summoner and birthday pages read back the
// stored values. This covers every name, server, tier and avatar of the seed.
TEST_F(StatsSiteTest, EveryPlayerReadsBackThroughTheToolsMarkers) {
  const auto players = db().allPlayers();
  ASSERT_TRUE(players.ok());
  for (const PlayerProfile& player : players.value) {
    const PlayerSummary& p = player.summary;
    const std::string id = std::to_string(p.id);
    const Fetched search = stats("/db/so.html?a=&k=" + encode(p.name));
    ASSERT_EQ(search.status, 200) << p.name;
    const std::vector<ResultLine> lines = tool_reading::searchLines(search.body);
    const auto line =
        std::find_if(lines.begin(), lines.end(), [&](const ResultLine& l) { return l.id == id; });
    ASSERT_NE(line, lines.end()) << p.name;
    EXPECT_EQ(line->linkCount, p.tier ? 6 : 5) << p.name;
    EXPECT_EQ(line->name, p.name);
    EXPECT_EQ(line->server, p.serverName) << p.name;
    EXPECT_EQ(tool_reading::toolServerNumber(tool_reading::pageText(line->server)), p.serverNumber)
        << p.name;
    EXPECT_EQ(line->tier, expectedTier(p.tier)) << p.name;
    EXPECT_EQ(line->points, std::to_string(p.points)) << p.name;
    EXPECT_EQ(line->avatar,
              "http://127.0.0.1:" + std::to_string(statsPort()) + "/avatars/" + p.avatar)
        << p.name;
    for (const ResultLine& other : lines)
      EXPECT_EQ(other.linkCount == 5 || other.linkCount == 6, true) << p.name;

    const Fetched summoner = stats("/db/summoner/" + id + ".html");
    ASSERT_EQ(summoner.status, 200) << p.name;
    EXPECT_EQ(tool_reading::combatPower(summoner.body), std::to_string(player.combatPower))
        << p.name;
    for (int row = 1; row <= 4; ++row) {
      const ModeStats& mode = player.modes[row - 1];
      const std::vector<std::string> cells = tool_reading::modeRow(summoner.body, row);
      ASSERT_EQ(cells.size(), row <= 2 ? 5u : 7u) << p.name << " row " << row;
      EXPECT_EQ(cells[1], std::to_string(mode.games)) << p.name << " row " << row;
      EXPECT_TRUE(cells[2].ends_with("%")) << p.name << " row " << row;
      EXPECT_EQ(cells[3], std::to_string(mode.wins)) << p.name << " row " << row;
      EXPECT_EQ(cells[4], std::to_string(mode.losses)) << p.name << " row " << row;
      if (row > 2) {
        EXPECT_EQ(expectedTier(cells[5]), expectedTier(mode.tier)) << p.name << " row " << row;
        EXPECT_EQ(cells[6], std::to_string(mode.tier ? mode.points : 0))
            << p.name << " row " << row;
      }
    }
    EXPECT_EQ(tool_reading::birthday(stats("/db/birth/" + id + ".html").body), player.birthday)
        << p.name;
  }
}

TEST_F(StatsSiteTest, SearchMatchesPartsOfNamesAndAsciiLettersInEitherCase) {
  const std::vector<ResultLine> lower =
      tool_reading::searchLines(stats("/db/so.html?a=&k=falcon").body);
  const std::vector<ResultLine> upper =
      tool_reading::searchLines(stats("/db/so.html?a=&k=FALCON").body);
  ASSERT_GE(lower.size(), 4u);  // a name shared by players on several servers
  EXPECT_EQ(lower.size(), upper.size());
  std::set<std::string> servers;
  for (const ResultLine& line : lower) {
    EXPECT_NE(line.name.find("Falcon"), std::string::npos) << line.name;
    servers.insert(line.server);
  }
  EXPECT_GE(servers.size(), 4u);
  // A name with a space inside, sent as %20 like the tool does.
  const auto players = db().allPlayers();
  ASSERT_TRUE(players.ok());
  const auto spaced = std::find_if(
      players.value.begin(), players.value.end(),
      [](const PlayerProfile& p) { return p.summary.name.find(' ') != std::string::npos; });
  ASSERT_NE(spaced, players.value.end());
  const std::vector<ResultLine> found =
      tool_reading::searchLines(stats("/db/so.html?a=&k=" + encode(spaced->summary.name)).body);
  ASSERT_FALSE(found.empty());
  EXPECT_NE(found[0].name.find(spaced->summary.name), std::string::npos);
}

TEST_F(StatsSiteTest, EmptyOrUnmatchedNameGivesAPageWithAnEmptyResultTable) {
  for (const std::string target :
       {"/db/so.html?a=&k=", "/db/so.html?k=%E4%B8%8D%E5%AD%98%E5%9C%A8zz"}) {
    const Fetched page = stats(target);
    EXPECT_EQ(page.status, 200) << target;
    EXPECT_NE(page.body.find("<tbody>"), std::string::npos) << target;
    EXPECT_TRUE(tool_reading::searchLines(page.body).empty()) << target;
  }
}

TEST_F(StatsSiteTest, AvatarAddressIgnoresAHostileHostHeader) {
  const Fetched page = stats("/db/so.html?a=&k=Falcon", {{"Host", "evil\"><script>x"}});
  const std::vector<ResultLine> lines = tool_reading::searchLines(page.body);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(
      lines[0].avatar.starts_with("http://127.0.0.1:" + std::to_string(statsPort()) + "/avatars/"));
  EXPECT_EQ(page.body.find("<script>"), std::string::npos);
}

TEST_F(StatsSiteTest, AvatarsComeInEveryFormatWithTheirType) {
  struct Case {
    const char* name;
    const char* file;
    const char* type;
    std::string_view magic;
  };
  const Case cases[] = {
      {"png", "a01.png", "image/png", "\x89PNG\r\n\x1a\n"},
      {"jpeg", "a05.jpg", "image/jpeg", "\xff\xd8\xff"},
      {"gif", "a09.gif", "image/gif", "GIF8"},
      {"animated gif", "a12.gif", "image/gif", "GIF89a"},
      {"bmp", "a13.bmp", "image/bmp", "BM"},
  };
  for (const Case& c : cases) {
    const Fetched picture = stats(std::string("/avatars/") + c.file);
    EXPECT_EQ(picture.status, 200) << c.name;
    EXPECT_EQ(picture.contentType, c.type) << c.name;
    EXPECT_TRUE(std::string_view(picture.body).starts_with(c.magic)) << c.name;
  }
  // An animated picture holds more than one image descriptor.
  const Fetched animated = stats("/avatars/a12.gif");
  EXPECT_GT(std::count(animated.body.begin(), animated.body.end(), '\x2c'), 1) << "frames";
}

TEST_F(StatsSiteTest, MalformedAndUnknownRequestsGetA4xxPage) {
  struct Case {
    const char* name;
    const char* target;
    int status;
  };
  const Case cases[] = {
      {"bad escape", "/db/so.html?a=&k=%E6%9A", 400},
      {"escape not hex", "/db/so.html?a=&k=%G0", 400},
      {"truncated escape", "/db/so.html?a=&k=ab%4", 400},
      {"invalid utf-8", "/db/so.html?a=&k=%FF%FE", 400},
      {"overlong utf-8", "/db/so.html?a=&k=%C0%AF", 400},
      {"encoded zero", "/db/so.html?a=&k=a%00b", 400},
      {"missing name", "/db/so.html?a=", 400},
      {"no query", "/db/so.html", 400},
      {"repeated name", "/db/so.html?a=&k=a&k=b", 400},
      {"unknown parameter", "/db/so.html?a=&k=a&x=1", 400},
      {"pair without equals", "/db/so.html?a&k=a", 400},
      {"query on a page without parameters", "/db/summoner/1000000.html?x=1", 400},
      {"unknown id", "/db/summoner/1.html", 404},
      {"empty id", "/db/birth/.html", 404},
      {"id with leading zero", "/db/summoner/01234567.html", 404},
      {"id not a number", "/db/summoner/abc.html", 404},
      {"id too long", "/db/birth/12345678901234567890.html", 404},
      {"unknown avatar", "/avatars/a99.png", 404},
      {"seed file by name", "/avatars/seed.sql", 404},
      {"traversal", "/avatars/../seed/seed.sql", 400},
      {"encoded traversal", "/avatars/%2e%2e/seed/seed.sql", 400},
      {"backslash", "/avatars/..\\seed.sql", 400},
      {"double slash", "//etc/passwd", 400},
      {"unknown page", "/db/nothing.html", 404},
  };
  for (const Case& c : cases) {
    const Fetched page = stats(c.target);
    EXPECT_EQ(page.status, c.status) << c.name;
    EXPECT_NE(page.body.find("<h1>" + std::to_string(c.status)), std::string::npos) << c.name;
  }
  // Over-long targets: ours and the server library's own limit.
  EXPECT_EQ(stats("/db/so.html?a=&k=" + std::string(kMaxTargetLength, 'a')).status, 414);
  EXPECT_EQ(stats("/db/so.html?a=&k=" + std::string(9000, 'a')).status, 414);
}

TEST_F(StatsSiteTest, OnlyGetIsServed) {
  httplib::Client client("127.0.0.1", statsPort());
  auto posted = client.Post("/db/so.html?a=&k=a", "k=a", "application/x-www-form-urlencoded");
  ASSERT_TRUE(posted);
  EXPECT_EQ(posted->status, 405);
  auto head = client.Head("/db/summoner/1.html");
  ASSERT_TRUE(head);
  EXPECT_EQ(head->status, 404);
}

}  // namespace
