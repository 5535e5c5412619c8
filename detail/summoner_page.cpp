#include "detail/summoner_page.h"

#include <array>
#include <cstdint>

#include "detail/profile_scrape.h"
#include "text/text_ops.h"

namespace {

// The labels one page row feeds, for its cells 2, 3, ... in order.
struct ModeRow {
  std::int64_t pageRow;
  std::array<const char*, 6> labels;
  int labelCount;  // 4: games, win rate, wins, losses; 6: also tier and points
};

constexpr int kTierLabelIndex = 4;  // the tier cell (cell 6) carries "&nbsp;"

constexpr std::array<ModeRow, 4> kModeRows{{
    {1, {"标签_经典模式场次", "标签_经典胜率", "标签_经典胜场", "标签_经典负场"}, 4},
    {2,
     {"标签_大乱斗模式场次", "标签_大乱斗模式胜率1", "标签_大乱斗模式胜场1",
      "标签_大乱斗模式负场1"},
     4},
    {4,
     {"标签_S5排位模式场次3", "标签_S5排位胜率3", "标签_S5排位胜场3", "标签_S5排位负场3",
      "标签_S5排位段位3", "标签_S5排位胜点3"},
     6},
    {3,
     {"标签_S6排位模式场次2", "标签_S6排位胜率2", "标签_S6排位胜场2", "标签_S6排位负场2",
      "标签_S6排位段位2", "标签_S6排位胜点2"},
     6},
}};

void appendRow(const ModeRow& row, const TextArray& cells, std::vector<LabelWrite>& writes) {
  static const Text nbsp("&nbsp;");
  // A row with 0 or 1 cells is no data row; one with fewer cells than its
  // labels read is a page of another shape. Either way its labels stay.
  if (TextArray_Count(cells) < 1 + row.labelCount) return;
  for (int i = 0; i < row.labelCount; ++i) {
    const Text& cell = TextArray_At(cells, 2 + i);
    writes.push_back(
        {row.labels[i], i == kTierLabelIndex ? Text_Replace(cell, nbsp, Text(), true) : cell});
  }
}

}  // namespace

Text summonerPageUrl(const Text& statsBase, const Text& summonerId) {
  static const Text path("/db/summoner/"), suffix(".html");
  return Text_Concat(statsBase, path, summonerId, suffix);
}

std::vector<LabelWrite> summonerPageLabels(const Text& page) {
  std::vector<LabelWrite> writes;
  writes.push_back({"标签_战斗力", Profile_CombatPower(page)});
  TextArray cells;
  for (const ModeRow& row : kModeRows) {
    Profile_ModeRow(page, row.pageRow, cells);
    appendRow(row, cells, writes);
  }
  return writes;
}
