// The search page scrape over any bytes: the result table cut out of the
// page as the search command does, every row turned into a line. Each column
// but the tier is a piece of its row; with links found, name, server and
// points are never empty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/search_row.h"
#include "text/codec.h"
#include "text/literal.h"
#include "text/markers.h"

namespace {

bool occursIn(const Text& piece, const Text& row) {
  return row.view().find(piece.view()) != std::string_view::npos;
}

void scrape(const Text& page) {
  TextArray rows;
  TextArray linkTexts;
  Text_BetweenAll(Text_Between(page, Text("<tbody>"), Text("</tbody>")), Text("<tr>"),
                  Text("</tr>"), rows);
  for (const Text& row : rows.items()) {
    const SearchLine line = SearchRow_ToLine(row, linkTexts);
    for (int column : {0, 1, 2, 4, 5})
      if (!occursIn(line.columns[column], row)) std::abort();
    if (!line.linksFound) {
      for (int column = 1; column < 6; ++column)
        if (!line.columns[column].empty()) std::abort();
      continue;
    }
    for (int column : {1, 2, 4})
      if (line.columns[column].empty()) std::abort();
    if (line.columns[3].size() > row.size() && line.columns[3] != "无段位"_gbk) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  scrape(Text(bytes));
  scrape(Codec_Utf8ToAnsi(ByteSet(bytes)));
  return 0;
}
