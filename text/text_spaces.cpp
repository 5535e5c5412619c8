// Text_Trim and Text_RemoveSpaces. A space is the byte 0x20 or the
// full-width space A1 A1; TAB, CR and LF are kept.
#include <string>

#include "text/char_walk.h"
#include "text/space_trim.h"
#include "text/text_ops.h"

using char_walk::byteAt;
using char_walk::charLength;
using char_walk::isLeadByte;
using char_walk::isSpaceAt;

namespace space_trim {
namespace {

// The number of high bytes just before end, looking no further back than begin.
std::int64_t highRunBefore(std::string_view s, std::int64_t end, std::int64_t begin) {
  std::int64_t i = end;
  while (i > begin && isLeadByte(byteAt(s, i - 1))) --i;
  return end - i;
}

// Where the run of spaces at the end of s[begin, end) begins, begin being a
// character start. Walks back from the end: a byte below 0x80 always ends a
// character, so only the run of high bytes before a byte tells whether that
// byte is a character of its own or the second byte of one. Every run is
// counted once, which keeps the walk linear.
std::int64_t trailingSpacesStart(std::string_view s, std::int64_t begin, std::int64_t end,
                                 std::int64_t highRun) {
  while (end > begin) {
    if (highRun > 0) {
      // [end - highRun, end) are whole two-byte characters.
      while (highRun > 0 && byteAt(s, end - 2) == 0xA1 && byteAt(s, end - 1) == 0xA1) {
        end -= 2;
        highRun -= 2;
      }
      if (highRun > 0) return end;
      continue;
    }
    // The byte before end is below 0x80.
    std::int64_t before = highRunBefore(s, end - 1, begin);
    if (before % 2 == 1 || byteAt(s, end - 1) != 0x20) return end;
    end -= 1;
    highRun = before;
  }
  return end;
}

}  // namespace

std::string_view trimSpaces(std::string_view s) {
  const auto length = static_cast<std::int64_t>(s.size());
  std::int64_t begin = 0;
  while (begin < length) {
    std::int64_t step = charLength(s, begin);
    if (step == 0 || !isSpaceAt(s, begin, step)) break;
    begin += step;
  }
  if (begin >= length) return {};

  std::int64_t end;
  std::int64_t highRun = highRunBefore(s, length, begin);
  if (highRun % 2 == 1) {
    end = length - 1;  // a lone lead byte: cut before it, keep the spaces before it
  } else {
    end = trailingSpacesStart(s, begin, length, highRun);
  }
  return s.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

}  // namespace space_trim

Text Text_Trim(const Text& t) {
  const std::string_view kept = space_trim::trimSpaces(t.view());
  if (kept.empty()) return Text();
  return Text::pieceOf(t, static_cast<std::size_t>(kept.data() - t.view().data()), kept.size());
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
