#include "detail/birthday_page.h"

#include "text/markers.h"

Text birthdayPageUrl(const Text& statsBase, const Text& summonerId) {
  static const Text path("/db/birth/"), suffix(".html");
  return Text_Concat(statsBase, path, summonerId, suffix);
}

Text birthdayFromPage(const Text& page) {
  static const Text marker("<span class=\"time fwr f30\">"), end("</");
  return Text_Between(page, marker, end);
}
