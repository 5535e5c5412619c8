// Text_Find and Text_FindLast: searches that compare only where a character
// starts, counted from the byte where the walk begins.
#include "text/char_walk.h"
#include "text/substring_search.h"
#include "text/text_ops.h"

using substring_search::CaseMode;
using substring_search::NeedleSearch;

namespace {

CaseMode caseModeFor(bool ignoreCase) {
  return ignoreCase ? CaseMode::IgnoreAsciiCase : CaseMode::Exact;
}

}  // namespace

std::int64_t Text_Find(const Text& t, const Text& sub, std::int64_t start, bool ignoreCase) {
  return NeedleSearch(sub.view(), caseModeFor(ignoreCase)).findFrom(t.view(), start);
}

std::int64_t Text_FindLast(const Text& t, const Text& sub, bool ignoreCase) {
  if (t.empty()) return -1;
  if (sub.empty()) return 1;
  const NeedleSearch search(sub.view(), caseModeFor(ignoreCase));
  std::int64_t last = -1;
  std::int64_t from = 0;
  for (;;) {
    std::int64_t found = search.findAtCharStart(t.view(), from);
    if (found < 0) break;
    last = found;
    // The walk carries on at the next character start, so restarting there
    // keeps its character boundaries.
    from = found + char_walk::charLength(t.view(), found);
  }
  return last < 0 ? -1 : last + 1;
}
