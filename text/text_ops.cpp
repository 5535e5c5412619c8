// Cutting by byte count, single-byte and blank Texts, case folding and the
// conversions between Text and ByteSet.
#include "text/text_ops.h"

#include <algorithm>
#include <string>

#include "text/char_walk.h"

namespace {

// The bytes [from, from + n) of t clipped to t; n <= 0 gives nothing.
Text clippedPiece(const Text& t, std::int64_t from, std::int64_t n) {
  const std::int64_t length = t.size();
  if (n <= 0 || from < 0 || from >= length) return Text();
  return Text::pieceOf(t, static_cast<std::size_t>(from),
                       static_cast<std::size_t>(std::min(n, length - from)));
}

}  // namespace

Text Text_Left(const Text& t, std::int64_t n) {
  return clippedPiece(t, 0, n);
}

Text Text_Right(const Text& t, std::int64_t n) {
  if (n <= 0) return Text();
  return clippedPiece(t, std::max<std::int64_t>(0, t.size() - n), n);
}

Text Text_Mid(const Text& t, std::int64_t start, std::int64_t n) {
  if (start < 1) return Text();
  return clippedPiece(t, start - 1, n);
}

Text Text_FromCode(int c) {
  const char byte = static_cast<char>(c & 0xFF);
  return Text(std::string_view(&byte, 1));  // a zero byte gives the empty Text
}

Text Text_ToLower(const Text& t) {
  std::string lowered(t.bytes());
  const std::int64_t length = t.size();
  for (std::int64_t i = 0; i < length;) {
    std::int64_t step = char_walk::charLength(t.view(), i);
    if (step == 0) break;  // a lone lead byte stays as it is
    if (step == 1) lowered[i] = static_cast<char>(char_walk::foldCase(t.at(i)));
    i += step;
  }
  return Text(std::move(lowered));
}

Text Text_Blank(std::int64_t n) {
  if (n < 1) return Text();
  return Text(std::string(static_cast<std::size_t>(n), ' '));
}

ByteSet Text_ToBytes(const Text& t) {
  return ByteSet(t.view());
}

ByteSet Bytes_Left(const ByteSet& b, std::int64_t n) {
  if (n <= 0) return ByteSet();
  return ByteSet(b.view().substr(0, static_cast<std::size_t>(std::min(n, b.size()))));
}

ByteSet Bytes_Blank(std::int64_t n) {
  if (n <= 0) return ByteSet();
  return ByteSet(std::string(static_cast<std::size_t>(n), '\0'));
}

Text Bytes_ToText(const ByteSet& b) {
  return Text(b.view());
}  // stops at the first zero byte
