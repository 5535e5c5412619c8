// The search command: asks the statistics site's search page for the typed
// name and turns the rows of the page's first table body into the lines of
// the result list, six columns each (page id, name, server, tier, points,
// avatar address). It knows the page only by a handful of fixed markers.
#include "app/search_command.h"

#include "app/program.h"
#include "app/search_window.h"
#include "app/site_addresses.h"
#include "http/http_request.h"
#include "text/codec.h"
#include "text/literal.h"
#include "text/markers.h"
#include "text/text_ops.h"
#include "text/url_encode.h"

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

// Columns 1 to 5 of a line from the link texts of its row; rows with other
// than five or six link texts keep only column 0.
void fillLineFromLinks(Control list, std::int64_t line, const TextArray& linkTexts) {
  std::int64_t k = TextArray_Count(linkTexts);
  if (k != 5 && k != 6) return;
  List_SetCell(list, line, 5, Text_Between(TextArray_At(linkTexts, 1), sourceMarker(), Text("\"")));
  List_SetCell(list, line, 1, TextArray_At(linkTexts, 2));
  List_SetCell(list, line, 2, TextArray_At(linkTexts, 3));
  if (k == 5) {
    List_SetCell(list, line, 3, "无段位"_gbk);
    List_SetCell(list, line, 4, TextArray_At(linkTexts, 4));
  } else {
    List_SetCell(list, line, 3, Text_Replace(TextArray_At(linkTexts, 4), Text("&nbsp;"), Text()));
    List_SetCell(list, line, 4, TextArray_At(linkTexts, 5));
  }
}

}  // namespace

void OnQueryClicked() {
  TextArray linkTexts;
  Control list = SearchWindow.control("超级列表框1");
  Control nameBox = SearchWindow.control("编辑框1");
  List_Clear(list);
  Control_SetText(SearchWindow.control("标签2"),
                  Text_Concat("搜索:"_gbk, Control_GetText(nameBox)));

  // The name goes into the address exactly as typed, percent-encoded as UTF-8.
  Text encoded = Url_Encode(Control_GetText(nameBox), true, true);
  Text url = Text_Concat(Site_StatsBase(), Text("/db/so.html?a=&k="), encoded);
  Text page = Codec_Utf8ToAnsi(Http_Request(url));
  page = Text_Between(page, Text("<tbody>"), Text("</tbody>"));
  Text_BetweenAll(page, Text("<tr>"), Text("</tr>"), g_ResultRows);

  std::int64_t n = TextArray_Count(g_ResultRows);
  for (std::int64_t i = 1; i <= n; ++i) {
    std::int64_t line = List_AppendLine(list);
    const Text& row = TextArray_At(g_ResultRows, i);
    Text id = Text_Between(row, Text("summoner/"), Text(".html"));
    Text_BetweenAll(row, linkMarker(), Text("</a>"), linkTexts);
    List_SetCell(list, line, 0, id);
    fillLineFromLinks(list, line, linkTexts);
  }
}
