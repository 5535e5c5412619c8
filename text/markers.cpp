#include "text/markers.h"

#include "text/literal.h"
#include "text/text_ops.h"

namespace {

// Lets a marker literal stand for a double quote without holding one.
Text withQuotes(const Text& marker) {
  return Text_Replace(marker, "#引号"_gbk, Text("\""), true);
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
  TextArray_Clear(out);
  const bool ignoreCase = !caseSensitive;
  std::int64_t pos = start;
  for (;;) {
    std::int64_t f = Text_Find(text, left, pos, ignoreCase);
    if (f == -1) break;
    // An empty left marker is found at position 1 from any start; the scan
    // ends rather than finding the same text again and again.
    if (f < pos) break;
    std::int64_t h = f + Text_Length(left);
    std::int64_t g = Text_Find(text, right, h, ignoreCase);
    if (g == -1) break;
    Text m = Text_Trim(Text_Mid(text, h, g - h));
    if (m.empty()) break;
    if (limit != 0 && Text_Length(m) > limit) break;
    Text element = Text_Concat(prefix, m, suffix);
    if (keepLeft) element = Text_Concat(left, element);
    if (keepRight) element = Text_Concat(element, right);
    TextArray_Append(out, element);
    pos = g;
  }
  return TextArray_Count(out);
}
