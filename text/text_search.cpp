// Text_Find and Text_FindLast: searches that compare only where a character
// starts, counted from the byte where the walk begins.
#include "text/char_walk.h"
#include "text/substring_search.h"
#include "text/text_ops.h"

using substring_search::CaseMode;
using substring_search::findAtCharStart;

namespace {

CaseMode caseModeFor(bool ignoreCase) {
  return ignoreCase ? CaseMode::IgnoreAsciiCase : CaseMode::Exact;
}

}  // namespace

std::int64_t Text_Find(const Text& t, const Text& sub, std::int64_t start, bool ignoreCase) {
  const std::int64_t walkStart = start >= 1 ? start - 1 : 0;
  if (walkStart >= t.size()) return -1;
  if (sub.empty()) return 1;
  std::int64_t found = findAtCharStart(t.view(), sub.view(), walkStart, caseModeFor(ignoreCase));
  return found < 0 ? -1 : found + 1;
}

std::int64_t Text_FindLast(const Text& t, const Text& sub, bool ignoreCase) {
  if (t.empty()) return -1;
  if (sub.empty()) return 1;
  std::int64_t last = -1;
  std::int64_t from = 0;
  for (;;) {
    std::int64_t found = findAtCharStart(t.view(), sub.view(), from, caseModeFor(ignoreCase));
    if (found < 0) break;
    last = found;
    // The walk carries on at the next character start, so restarting there
    // keeps its character boundaries.
    from = found + char_walk::charLength(t.view(), found);
  }
  return last < 0 ? -1 : last + 1;
}
