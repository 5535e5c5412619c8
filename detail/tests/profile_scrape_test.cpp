#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "detail/profile_scrape.h"
#include "detail/summoner_page.h"
#include "text/literal.h"

namespace {

Text gbk(const std::string& utf8) {
  return Literal_ToText(utf8);
}

TextArray gbkArray(std::initializer_list<const char*> utf8) {
  TextArray out;
  for (const char* s : utf8) TextArray_Append(out, gbk(s));
  return out;
}

TEST(ProfileCombatPower, ValueBetweenTheMarkers) {
  struct Case {
    const char* name;
    const char* page;
    const char* expected;
  } cases[] = {
      {"attribute in the tag", R"(<strong>战斗力</strong><strong class="num">3215</strong>)",
       "3215"},
      {"bare tag", "战斗力</strong><strong>77</strong>", "77"},
      {"letter case ignored", "战斗力</STRONG><STRONG>8</STRONG>", "8"},
      {"first occurrence only",
       "战斗力</strong><strong>1</strong>战斗力</strong><strong>2</strong>", "1"},
      {"no end marker", "战斗力</strong><strong>3215</b>", ""},
      {"no > in the piece", "战斗力</strong><strong/strong>", ""},
      {"no < after >", "战斗力</strong><strong>3215/strong>", ""},
      {"space between the tags", "战斗力</strong> <strong>3215</strong>", ""},
      {"missing", "<strong>3215</strong>", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Profile_CombatPower(gbk(c.page)), gbk(c.expected)) << c.name;
}

TEST(ProfileModeRow, CellsOfTheRequestedRow) {
  const std::string table =
      "<tbody><tr><td>a</td><td>1</td></tr>\r\n<tr><td>b</td><td>2</td></tr>"
      "<tr><td>x</td><td>210</td><td>52%</td><td>109</td><td>101</td><td>白银&nbsp;II</td>"
      "<td>68</td></tr></tbody>";
  TextArray cells;
  Profile_ModeRow(gbk(table), 3, cells);
  EXPECT_EQ(cells, gbkArray({"x", "210", "52%", "109", "101", "白银&nbsp;II", "68"}));
  Profile_ModeRow(gbk(table), 2, cells);
  EXPECT_EQ(cells, gbkArray({"b", "2"}));
}

TEST(ProfileModeRow, CellEdgeCases) {
  struct Case {
    const char* name;
    const char* row;
    std::initializer_list<const char*> expected;
  } cases[] = {
      {"> inside a cell is deleted", "<td>a>b</td><td>c</td>", {"ab", "c"}},
      {"space after the tag stays", "<td> 210</td>", {" 210"}},
      {"attributes of the cell tag stay", R"(<td class="w">52%</td>)", {R"(class="w"52%)"}},
      {"empty cell does not end the list", "<td></td><td>5</td>", {"", "5"}},
      {"blank cell ends the list", "<td>1</td><td </td><td>3</td>", {"1"}},
      {"upper-case cell tags", "<TD>1</TD><Td>2</tD>", {"1", "2"}},
  };
  for (const auto& c : cases) {
    TextArray cells{Text("stale")};
    Profile_ModeRow(gbk(std::string("<tbody><tr>") + c.row + "</tr></tbody>"), 1, cells);
    EXPECT_EQ(cells, gbkArray(c.expected)) << c.name;
  }
}

TEST(ProfileModeRow, WhichRowsCount) {
  struct Case {
    const char* name;
    const char* page;
    std::int64_t row;
    std::initializer_list<const char*> expected;
  } cases[] = {
      {"row tag with attributes is not a row",
       R"(<tbody><tr class="a"><td>1</td></tr><tr><td>2</td></tr></tbody>)",
       1,
       {"2"}},
      {"blank row ends the rows", "<tbody><tr><td>1</td></tr><tr> </tr><tr><td>3</td></tr>", 2, {}},
      {"only the first table body",
       "<tbody><tr><td>1</td></tr></tbody><tbody><tr><td>2</td></tr>",
       2,
       {}},
      {"upper-case markers", "<TBODY><TR><TD>1</TD></TR><TR><TD>2</TD></TR></TBODY>", 2, {"2"}},
      {"row 0", "<tbody><tr><td>1</td></tr></tbody>", 0, {}},
      {"row past the end", "<tbody><tr><td>1</td></tr></tbody>", 2, {}},
      {"no table body", "<tr><td>1</td></tr>", 1, {}},
  };
  for (const auto& c : cases) {
    TextArray cells{Text("stale")};
    Profile_ModeRow(gbk(c.page), c.row, cells);
    EXPECT_EQ(cells, gbkArray(c.expected)) << c.name;
  }
}

std::string row(std::initializer_list<const char*> cells) {
  std::string out = "<tr>";
  for (const char* c : cells) out += std::string("<td>") + c + "</td>";
  return out + "</tr>\r\n";
}

Text summonerPage(const std::string& rows) {
  return gbk("<strong>战斗力</strong><strong class=\"num\">3215</strong>\r\n<tbody>" + rows +
             "</tbody><tbody>" + row({"5", "9", "9", "9", "9", "9", "9"}) + "</tbody>");
}

std::vector<LabelWrite> writes(std::initializer_list<std::pair<const char*, const char*>> list) {
  std::vector<LabelWrite> out;
  for (const auto& [label, text] : list) out.push_back({label, gbk(text)});
  return out;
}

const auto kClassicWrites = {std::pair{"标签_经典模式场次", "100"},
                             std::pair{"标签_经典胜率", "50%"}, std::pair{"标签_经典胜场", "50"},
                             std::pair{"标签_经典负场", "50"}};

TEST(SummonerPageLabels, CombatPowerThenRows1243) {
  const Text page = summonerPage(row({"经典", "100", "50%", "50", "50", "-", "0"}) +
                                 row({"大乱斗", "20", "40%", "8", "12"}) +
                                 row({"S6", "210", "52%", "109", "101", "白银&nbsp;II", "68"}) +
                                 row({"S5", "30", "60%", "18", "12", "黄金&nbsp;I", "5", "x"}));
  EXPECT_EQ(summonerPageLabels(page),
            writes({{"标签_战斗力", "3215"},         {"标签_经典模式场次", "100"},
                    {"标签_经典胜率", "50%"},        {"标签_经典胜场", "50"},
                    {"标签_经典负场", "50"},         {"标签_大乱斗模式场次", "20"},
                    {"标签_大乱斗模式胜率1", "40%"}, {"标签_大乱斗模式胜场1", "8"},
                    {"标签_大乱斗模式负场1", "12"},  {"标签_S5排位模式场次3", "30"},
                    {"标签_S5排位胜率3", "60%"},     {"标签_S5排位胜场3", "18"},
                    {"标签_S5排位负场3", "12"},      {"标签_S5排位段位3", "黄金I"},
                    {"标签_S5排位胜点3", "5"},       {"标签_S6排位模式场次2", "210"},
                    {"标签_S6排位胜率2", "52%"},     {"标签_S6排位胜场2", "109"},
                    {"标签_S6排位负场2", "101"},     {"标签_S6排位段位2", "白银II"},
                    {"标签_S6排位胜点2", "68"}}));
}

// A page of another shape: rows missing or short of cells leave their labels
// alone; the rows that do fit are still written.
TEST(SummonerPageLabels, RowsThatDoNotFitWriteNothing) {
  const std::string classic = row({"经典", "100", "50%", "50", "50"});
  struct Case {
    const char* name;
    std::string rows;
    bool s6Written;
  } cases[] = {
      {"three rows: no row 4", classic + row({"1"}) + row({"S6", "1", "2", "3", "4", "5", "6"}),
       true},
      {"one cell is no data row", classic + row({"-"}) + row({"-"}) + row({"-"}), false},
      {"ranked row with five cells",
       classic + row({"1"}) + row({"S6", "1", "2", "3", "4"}) +
           row({"S5", "1", "2", "3", "4", "5"}),
       false},
  };
  for (const auto& c : cases) {
    std::vector<LabelWrite> expected = writes({{"标签_战斗力", "3215"}});
    for (const auto& [label, text] : kClassicWrites) expected.push_back({label, gbk(text)});
    if (c.s6Written) {
      for (const auto& w : writes({{"标签_S6排位模式场次2", "1"},
                                   {"标签_S6排位胜率2", "2"},
                                   {"标签_S6排位胜场2", "3"},
                                   {"标签_S6排位负场2", "4"},
                                   {"标签_S6排位段位2", "5"},
                                   {"标签_S6排位胜点2", "6"}}))
        expected.push_back(w);
    }
    EXPECT_EQ(summonerPageLabels(summonerPage(c.rows)), expected) << c.name;
  }
}

TEST(SummonerPageLabels, EmptyPageWritesOnlyTheEmptyCombatPower) {
  EXPECT_EQ(summonerPageLabels(Text()), writes({{"标签_战斗力", ""}}));
}

TEST(SummonerPageLabels, Address) {
  EXPECT_EQ(summonerPageUrl(Text("http://s"), Text("7")), Text("http://s/db/summoner/7.html"));
}

}  // namespace
