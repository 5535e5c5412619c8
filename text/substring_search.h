// The search behind Text_Find, Text_FindLast, Text_Replace and Text_Split:
// occurrences of a needle that begin where a character starts.
#pragma once

#include <cstdint>
#include <string_view>

namespace substring_search {

enum class CaseMode { Exact, IgnoreAsciiCase };

// The 0-based position of the first occurrence of needle at or after origin
// that begins on a character start of a walk beginning at origin, or -1. A
// lone lead byte at the very end ends the walk and is never matched. The
// needle must not be empty.
std::int64_t findAtCharStart(std::string_view text, std::string_view needle, std::int64_t origin,
                             CaseMode mode);

}  // namespace substring_search
