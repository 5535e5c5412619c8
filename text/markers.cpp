#include "text/markers.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "text/literal.h"
#include "text/space_trim.h"
#include "text/substring_search.h"
#include "text/text_ops.h"

using substring_search::CaseMode;
using substring_search::NeedleSearch;

namespace {

// Lets a marker literal stand for a double quote without holding one.
Text withQuotes(const Text& marker) {
  if (marker.view().find('#') == std::string_view::npos) return marker;
  return Text_Replace(marker, "#引号"_gbk, Text("\""), true);
}

// The bytes [from, to) of text (1-based, to excluded) with the spaces at
// either end trimmed; nothing when to is not after from.
std::string_view trimmedBetween(const Text& text, std::int64_t from, std::int64_t to) {
  if (from < 1 || to <= from || from > text.size()) return {};
  const std::string_view inner =
      text.view().substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from));
  return space_trim::trimSpaces(inner);
}

Text element(std::string_view found, const Text& prefix, const Text& suffix, const Text& left,
             const Text& right) {
  std::string joined;
  joined.reserve(left.bytes().size() + prefix.bytes().size() + found.size() +
                 suffix.bytes().size() + right.bytes().size());
  joined.append(left.bytes()).append(prefix.bytes()).append(found);
  joined.append(suffix.bytes()).append(right.bytes());
  return Text(std::move(joined));
}

bool holdsAnyOf(const TextArray& array, std::initializer_list<const Text*> texts) {
  for (const Text& element : array.items())
    for (const Text* t : texts)
      if (&element == t) return true;
  return false;
}

}  // namespace

Text Text_Between(const Text& text, const Text& left, const Text& right, std::int64_t start,
                  bool caseSensitive) {
  const Text leftMarker = withQuotes(left);
  const Text rightMarker = withQuotes(right);
  const bool ignoreCase = !caseSensitive;
  std::int64_t p = Text_Find(text, leftMarker, start, ignoreCase);
  if (p == -1) return Text();
  p += Text_Length(leftMarker);
  std::int64_t q = Text_Find(text, rightMarker, p, ignoreCase);
  if (q == -1) return Text();
  return Text_Mid(text, p, q - p);
}

std::int64_t Text_BetweenAll(const Text& text, const Text& left, const Text& right, TextArray& out,
                             bool caseSensitive, std::int64_t limit, const Text& prefix,
                             const Text& suffix, bool keepLeft, bool keepRight,
                             std::int64_t start) {
  static const Text kNothing;
  // When text or a marker is an element of out, emptying out first would
  // destroy it: then the elements are gathered apart and moved in at the end.
  const bool argumentInOut = holdsAnyOf(out, {&text, &left, &right, &prefix, &suffix});
  TextArray gathered;
  TextArray& found = argumentInOut ? gathered : out;
  TextArray_Clear(found);
  const CaseMode mode = caseSensitive ? CaseMode::Exact : CaseMode::IgnoreAsciiCase;
  const NeedleSearch leftSearch(left.view(), mode);
  const NeedleSearch rightSearch(right.view(), mode);
  std::int64_t pos = start;
  for (;;) {
    // Text_Find of either marker, each prepared once for the whole scan.
    std::int64_t f = leftSearch.findFrom(text.view(), pos);
    if (f == -1) break;
    // An empty left marker is found at position 1 from any start; the scan
    // ends rather than finding the same text again and again.
    if (f < pos) break;
    std::int64_t h = f + Text_Length(left);
    std::int64_t g = rightSearch.findFrom(text.view(), h);
    if (g == -1) break;
    const std::string_view m = trimmedBetween(text, h, g);
    if (m.empty()) break;
    if (limit != 0 && static_cast<std::int64_t>(m.size()) > limit) break;
    found.items().push_back(
        element(m, prefix, suffix, keepLeft ? left : kNothing, keepRight ? right : kNothing));
    pos = g;
  }
  if (argumentInOut) out = std::move(gathered);
  return TextArray_Count(out);
}
