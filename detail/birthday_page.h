// The birthday page of the statistics site.
#pragma once

#include "text/text.h"

// statsBase + "/db/birth/" + summonerId + ".html".
Text birthdayPageUrl(const Text& statsBase, const Text& summonerId);

// The text after <span class="time fwr f30"> up to the next "</", untrimmed;
// empty when the marker is missing.
Text birthdayFromPage(const Text& page);
