// Text_Trim and Text_RemoveSpaces. A space is the byte 0x20 or the
// full-width space A1 A1; TAB, CR and LF are kept.
#include <string>

#include "text/char_walk.h"
#include "text/text_ops.h"

using char_walk::charLength;
using char_walk::isSpaceAt;

Text Text_Trim(const Text& t) {
  const std::string_view s = t.view();
  const std::int64_t length = t.size();

  std::int64_t begin = 0;
  while (begin < length) {
    std::int64_t step = charLength(s, begin);
    if (step == 0 || !isSpaceAt(s, begin, step)) break;
    begin += step;
  }

  // Where the trailing run of spaces began; a lone lead byte at the very end
  // cuts the result just before it, keeping the spaces in front of it.
  std::int64_t end = length;
  std::int64_t runStart = -1;
  for (std::int64_t i = begin; i < length;) {
    std::int64_t step = charLength(s, i);
    if (step == 0) {
      runStart = -1;
      end = i;
      break;
    }
    if (isSpaceAt(s, i, step)) {
      if (runStart < 0) runStart = i;
    } else {
      runStart = -1;
    }
    i += step;
  }
  if (runStart >= 0) end = runStart;
  return Text(s.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)));
}

Text Text_RemoveSpaces(const Text& t) {
  const std::string_view s = t.view();
  const std::int64_t length = t.size();
  std::string kept;
  kept.reserve(s.size());
  for (std::int64_t i = 0; i < length;) {
    std::int64_t step = charLength(s, i);
    if (step == 0) break;  // a lone lead byte at the very end is dropped
    if (!isSpaceAt(s, i, step)) kept.append(s.substr(static_cast<std::size_t>(i), step));
    i += step;
  }
  return Text(std::move(kept));
}
