// The hidden-score site: its address for one player and the score on its page.
#pragma once

#include "text/text.h"

// The number of the first ServerTable line that contains server (letter
// case ignored), as text; empty when no line does.
Text hiddenScoreServerValue(const Text& server);

// scoreBase + "/rank.php?server=" + serverValue + "&name=" + the UTF-8
// percent-encoded name + "&result=true".
Text hiddenScoreUrl(const Text& scoreBase, const Text& serverValue, const Text& name);

// The text after "td>隐藏分</td>", CR LF, four TABs and "<td>" up to the next
// "</", untrimmed; empty when the marker is missing.
Text hiddenScoreFromPage(const Text& page);
