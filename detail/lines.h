// Line routines over a Text of CR LF ended lines, numbered from 1. A final
// CR LF ends the last line and adds no empty one.
#pragma once

#include <cstdint>

#include "text/text.h"

// Number of the first line that contains needle anywhere, 0 when none does.
// An empty needle is contained in every non-empty line.
std::int64_t Lines_FindContaining(const Text& lines, const Text& needle,
                                  bool caseSensitive = false);

// A copy of line lineNumber; the empty Text outside 1..number of lines.
Text Lines_At(const Text& lines, std::int64_t lineNumber);
