// Merging the cookies a server set into a caller's own cookie string.
// A cookie string holds name=value pairs separated by ";". Received pairs
// win over old pairs of their name, a pair ending in "=deleted" removes its
// name, and exact repetitions are dropped. Comparisons are byte-wise.
#pragma once

#include <cstdint>

#include "text/text.h"

// Rewrites cookies as the received pairs (in order) followed by the
// surviving old ones, joined by "; "; strips the spaces from both
// arguments. Returns a copy of the new cookies.
Text Cookie_Merge(Text& cookies, Text& receivedCookies);
// The text before the pair's first "=", trimmed; the whole pair without one.
Text Cookie_Name(const Text& pair);
bool Cookie_HasName(const TextArray& pairs, const Text& name);
// The text split at separator, repeated items removed, joined again.
Text Text_DedupeJoin(const Text& text, const Text& separator);
// 1-based index of the first element equal to text, -1 when none is.
std::int64_t TextArray_IndexOf(const TextArray& array, const Text& text);
