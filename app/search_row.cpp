#include "app/search_row.h"

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
  line.columns[5] = Text_Between(TextArray_At(linkTexts, 1), sourceMarker(), Text("\""));
  line.columns[1] = TextArray_At(linkTexts, 2);
  line.columns[2] = TextArray_At(linkTexts, 3);
  if (k == 5) {
    line.columns[3] = "无段位"_gbk;
    line.columns[4] = TextArray_At(linkTexts, 4);
  } else {
    line.columns[3] = Text_Replace(TextArray_At(linkTexts, 4), Text("&nbsp;"), Text());
    line.columns[4] = TextArray_At(linkTexts, 5);
  }
  return line;
}
