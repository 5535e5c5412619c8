// Marker extraction: the text between a left and a right marker. All
// scraping of pages and header lines is built on these two routines.
#pragma once

#include <cstdint>

#include "text/text.h"

// The bytes between the first left at or after start and the first right
// after it; empty when either is missing. "#引号" in a marker stands for a
// double quote. Not trimmed.
Text Text_Between(const Text& text, const Text& left, const Text& right, std::int64_t start = 0,
                  bool caseSensitive = false);

// Empties out, then appends every left...right text in turn, trimmed; stops at
// the first one that is empty after trimming (or longer than a non-zero
// limit). Returns the number of elements placed.
std::int64_t Text_BetweenAll(const Text& text, const Text& left, const Text& right, TextArray& out,
                             bool caseSensitive = false, std::int64_t limit = 0,
                             const Text& prefix = Text(), const Text& suffix = Text(),
                             bool keepLeft = false, bool keepRight = false, std::int64_t start = 0);
