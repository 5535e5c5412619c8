#include "app/search_row.h"

#include <utility>
#include <vector>

#include "text/literal.h"
#include "text/markers.h"
#include "text/text_ops.h"

namespace {

// The markers, made once. Each link text of a row runs from the end of an
// opening link tag whose address ends in .html to the next "</a>".
const Text kIdStart("summoner/");
const Text kIdEnd(".html");
const Text kLinkStart(".html\">");
const Text kLinkEnd("</a>");
const Text kSourceStart("src=\"");
const Text kQuote("\"");
const Text kNbsp("&nbsp;");

}  // namespace

SearchLine SearchRow_ToLine(const Text& row, TextArray& linkTexts) {
  SearchLine line;
  line.columns[0] = Text_Between(row, kIdStart, kIdEnd);
  Text_BetweenAll(row, kLinkStart, kLinkEnd, linkTexts);

  // A ranked player's row has six link texts, an unranked one's five (no
  // tier); the last link text is not used.
  const std::int64_t k = TextArray_Count(linkTexts);
  if (k != 5 && k != 6) return line;
  line.linksFound = true;
  // linkTexts is refilled for every row: its texts are moved, not copied.
  std::vector<Text>& links = linkTexts.items();
  line.columns[5] = Text_Between(links[0], kSourceStart, kQuote);
  line.columns[1] = std::move(links[1]);
  line.columns[2] = std::move(links[2]);
  if (k == 5) {
    line.columns[3] = "无段位"_gbk;
    line.columns[4] = std::move(links[3]);
  } else {
    line.columns[3] = Text_Replace(links[3], kNbsp, Text());
    line.columns[4] = std::move(links[4]);
  }
  return line;
}
