// One line of the result list from one row of the search page's result
// table: six columns cut out of the row with fixed markers. No Qt.
#pragma once

#include <array>

#include "text/text.h"

struct SearchLine {
  // Page id, display name, server, tier, points, avatar address.
  std::array<Text, 6> columns;
  // The row had five or six link texts; otherwise only column 0 is meant.
  bool linksFound = false;
};

// linkTexts is scratch space the caller keeps across rows; its content is
// used up.
SearchLine SearchRow_ToLine(const Text& row, TextArray& linkTexts);
