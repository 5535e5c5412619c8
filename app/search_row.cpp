#include "app/search_row.h"

#include <utility>
#include <vector>

#include "text/literal.h"
#include "text/markers.h"
#include "text/text_ops.h"

namespace {

// The end of an opening link tag whose address ends in .html: each link text
// of a row runs from here to the next "</a>".
const Text& linkMarker() {
  static const Text marker(".html\">");
  return marker;
}

const Text& sourceMarker() {
  static const Text marker("src=\"");
  return marker;
}

}  // namespace

SearchLine SearchRow_ToLine(const Text& row, TextArray& linkTexts) {
  SearchLine line;
  line.columns[0] = Text_Between(row, Text("summoner/"), Text(".html"));
  Text_BetweenAll(row, linkMarker(), Text("</a>"), linkTexts);

  // A ranked player's row has six link texts, an unranked one's five (no
  // tier); the last link text is not used.
  const std::int64_t k = TextArray_Count(linkTexts);
  if (k != 5 && k != 6) return line;
  line.linksFound = true;
  // linkTexts is refilled for every row: its texts are moved, not copied.
  std::vector<Text>& links = linkTexts.items();
  line.columns[5] = Text_Between(links[0], sourceMarker(), Text("\""));
  line.columns[1] = std::move(links[1]);
  line.columns[2] = std::move(links[2]);
  if (k == 5) {
    line.columns[3] = "无段位"_gbk;
    line.columns[4] = std::move(links[3]);
  } else {
    line.columns[3] = Text_Replace(links[3], Text("&nbsp;"), Text());
    line.columns[4] = std::move(links[4]);
  }
  return line;
}
