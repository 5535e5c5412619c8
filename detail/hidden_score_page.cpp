#include "detail/hidden_score_page.h"

#include "detail/lines.h"
#include "detail/server_table.h"
#include "text/literal.h"
#include "text/markers.h"
#include "text/url_encode.h"

Text hiddenScoreServerValue(const Text& server) {
  static const Text quote("\"");
  const Text line = Lines_At(ServerTable(), Lines_FindContaining(ServerTable(), server, false));
  return Text_Between(line, quote, quote);
}

Text hiddenScoreUrl(const Text& scoreBase, const Text& serverValue, const Text& name) {
  static const Text path("/rank.php?server="), nameKey("&name="), suffix("&result=true");
  return Text_Concat(scoreBase, path, serverValue, nameKey, Url_Encode(name, true, true), suffix);
}

Text hiddenScoreFromPage(const Text& page) {
  static const Text end("</");
  return Text_Between(page, "td>隐藏分</td>\r\n\t\t\t\t<td>"_gbk, end);
}
