// Text_Replace and Text_Split: walks that cut the text at every occurrence of
// a needle. After an occurrence the walk goes on right behind it, so character
// starts are counted afresh from there.
#include <algorithm>
#include <string>

#include "text/char_walk.h"
#include "text/substring_search.h"
#include "text/text_ops.h"

using substring_search::CaseMode;
using substring_search::NeedleSearch;

namespace {

std::string_view bytesBetween(std::string_view s, std::int64_t from, std::int64_t to) {
  return s.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
}

// True when the walk from `from` to the end meets a lone lead byte that it
// compares with a one-byte needle; that byte is dropped.
bool walkDropsLoneLeadByte(std::string_view s, std::int64_t from, std::int64_t needleLength) {
  const auto length = static_cast<std::int64_t>(s.size());
  if (needleLength != 1 || from >= length) return false;
  if (!char_walk::isLeadByte(char_walk::byteAt(s, length - 1))) return false;
  char_walk::CharStartTracker starts(s, from);
  return starts.isStart(length - 1);
}

}  // namespace

Text Text_Replace(const Text& t, const Text& sub, const Text& repl, bool caseSensitive) {
  if (t.empty() || sub.empty()) return t;
  const std::string_view s = t.view();
  const CaseMode mode = caseSensitive ? CaseMode::Exact : CaseMode::IgnoreAsciiCase;
  std::string replaced;
  replaced.reserve(s.size());
  const NeedleSearch search(sub.view(), mode);
  std::int64_t from = 0;
  for (;;) {
    std::int64_t found = search.findAtCharStart(s, from);
    if (found < 0) break;
    replaced.append(bytesBetween(s, from, found));
    replaced.append(repl.bytes());
    from = found + sub.size();
  }
  std::int64_t end = walkDropsLoneLeadByte(s, from, sub.size()) ? t.size() - 1 : t.size();
  replaced.append(bytesBetween(s, from, std::max(from, end)));
  return Text(std::move(replaced));
}

TextArray Text_Split(const Text& t, const Text& sep) {
  TextArray fields;
  if (t.empty()) return fields;
  if (sep.empty()) {
    TextArray_Append(fields, t);
    return fields;
  }
  const std::string_view s = t.view();
  const NeedleSearch search(sep.view(), CaseMode::Exact);
  std::int64_t from = 0;
  for (;;) {
    std::int64_t found = search.findAtCharStart(s, from);
    if (found < 0) break;
    fields.items().emplace_back(bytesBetween(s, from, found));
    from = found + sep.size();
  }
  if (from < t.size()) fields.items().emplace_back(bytesBetween(s, from, t.size()));
  return fields;
}
