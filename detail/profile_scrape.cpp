#include "detail/profile_scrape.h"

#include "text/literal.h"
#include "text/markers.h"
#include "text/text_ops.h"

Text Profile_CombatPower(const Text& page) {
  static const Text pieceEnd("/strong>");
  static const Text valueStart(">");
  static const Text valueEnd("<");
  const Text piece = Text_Between(page, "战斗力</strong><strong"_gbk, pieceEnd);
  return Text_Between(piece, valueStart, valueEnd);
}

void Profile_ModeRow(const Text& page, std::int64_t rowNumber, TextArray& cells) {
  static const Text bodyStart("<tbody>"), bodyEnd("</tbody>");
  static const Text rowStart("<tr>"), rowEnd("</tr>");
  static const Text cellStart("<td"), cellEnd("</td>");
  static const Text tagEnd(">");

  const Text tableBody = Text_Between(page, bodyStart, bodyEnd);
  TextArray rows;
  Text_BetweenAll(tableBody, rowStart, rowEnd, rows);
  if (rowNumber < 1 || rowNumber > TextArray_Count(rows)) {
    TextArray_Clear(cells);
    return;
  }
  // "<td" stops before the end of the opening tag, so every piece still
  // starts with the tag's remainder (">" for a bare <td>), which goes with
  // the deletion of every ">".
  Text_BetweenAll(TextArray_At(rows, rowNumber), cellStart, cellEnd, cells);
  const std::int64_t count = TextArray_Count(cells);
  for (std::int64_t i = 1; i <= count; ++i) {
    TextArray_Set(cells, i, Text_Replace(TextArray_At(cells, i), tagEnd, Text(), true));
  }
}
