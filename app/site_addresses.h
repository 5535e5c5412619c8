// The one place where the base addresses of the two websites are read.
// They are fixed when the tool is built (CMake cache variables
// PELLUMAR_STATS_SITE and PELLUMAR_SCORE_SITE); tests point the tool at their
// own servers with Site_UseAddresses.
#pragma once

#include "text/text.h"

// "http://" and the host, without a trailing slash.
const Text& Site_StatsBase();
const Text& Site_ScoreBase();
void Site_UseAddresses(const Text& stats, const Text& score);
