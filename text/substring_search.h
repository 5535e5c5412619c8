// The search behind Text_Find, Text_FindLast, Text_Replace, Text_Split and
// the marker scans: occurrences of a needle that begin where a character
// starts.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

namespace substring_search {

enum class CaseMode { Exact, IgnoreAsciiCase };

// A needle prepared once for any number of searches.
class NeedleSearch {
 public:
  // needle must outlive this object.
  NeedleSearch(std::string_view needle, CaseMode mode);

  // The 0-based position of the first occurrence at or after origin that
  // begins on a character start of a walk beginning at origin, or -1. A lone
  // lead byte at the very end ends the walk and is never matched. An empty
  // needle is never found.
  std::int64_t findAtCharStart(std::string_view text, std::int64_t origin) const;

  // Text_Find's answer: the 1-based position of the first occurrence at or
  // after the 1-based start (below 1: the first byte), the walk beginning at
  // start; an empty needle gives 1 when anything is left to search.
  std::int64_t findFrom(std::string_view text, std::int64_t start) const;

  std::string_view needle() const { return needle_; }
  CaseMode mode() const { return mode_; }

  // The two needle offsets whose bytes candidates are filtered on.
  struct FilterOffsets {
    std::int64_t first = 0;
    std::int64_t second = 0;
  };

 private:
  std::string_view needle_;
  CaseMode mode_;
  FilterOffsets offsets_;
};

inline std::int64_t findAtCharStart(std::string_view text, std::string_view needle,
                                    std::int64_t origin, CaseMode mode) {
  return NeedleSearch(needle, mode).findAtCharStart(text, origin);
}

}  // namespace substring_search
