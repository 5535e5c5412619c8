// The summoner page of the statistics site and what the detail window shows
// of it: the combat power and the statistics of four game modes.
#pragma once

#include <string_view>
#include <vector>

#include "text/text.h"

// statsBase + "/db/summoner/" + summonerId + ".html".
Text summonerPageUrl(const Text& statsBase, const Text& summonerId);

// One caption to write: the label's layout name and its new text.
struct LabelWrite {
  const char* label;
  Text text;
  // Labels compare by name, not by where their literal lies.
  friend bool operator==(const LabelWrite& a, const LabelWrite& b) {
    return std::string_view(a.label) == std::string_view(b.label) && a.text == b.text;
  }
};

// The captions the page gives, in the order they are written: the combat
// power, then the mode rows of page rows 1, 2, 4 and 3. A row the page does
// not hold, or holds with too few cells, contributes nothing, so its labels
// keep what they show.
std::vector<LabelWrite> summonerPageLabels(const Text& page);
