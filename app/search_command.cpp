// The search command: asks the statistics site's search page for the typed
// name and turns the rows of the page's first table body into the lines of
// the result list, six columns each (page id, name, server, tier, points,
// avatar address). It knows the page only by a handful of fixed markers.
#include "app/search_command.h"

#include "app/program.h"
#include "app/search_row.h"
#include "app/search_window.h"
#include "app/site_addresses.h"
#include "http/http_request.h"
#include "text/codec.h"
#include "text/literal.h"
#include "text/markers.h"
#include "text/url_encode.h"

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
    const SearchLine cells = SearchRow_ToLine(TextArray_At(g_ResultRows, i), linkTexts);
    List_SetCell(list, line, 0, cells.columns[0]);
    if (!cells.linksFound) continue;
    for (int column : {5, 1, 2, 3, 4}) List_SetCell(list, line, column, cells.columns[column]);
  }
}
