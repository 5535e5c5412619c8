// The trimming rule of Text_Trim on plain bytes, for callers that trim a
// slice without copying it first.
#pragma once

#include <string_view>

namespace space_trim {

// s without its leading and trailing spaces (0x20 and A1 A1, stepping by
// character); a lone lead byte at the very end is cut off, and the spaces
// before it stay.
std::string_view trimSpaces(std::string_view s);

}  // namespace space_trim
