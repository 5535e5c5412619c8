#include "detail/lines.h"

#include "text/text_ops.h"

namespace {

const Text& lineEnd() {
  static const Text crlf("\r\n");
  return crlf;
}

}  // namespace

std::int64_t Lines_FindContaining(const Text& lines, const Text& needle, bool caseSensitive) {
  const TextArray split = Text_Split(lines, lineEnd());
  const std::int64_t count = TextArray_Count(split);
  for (std::int64_t i = 1; i <= count; ++i) {
    if (Text_Find(TextArray_At(split, i), needle, 0, !caseSensitive) != -1) return i;
  }
  return 0;
}

Text Lines_At(const Text& lines, std::int64_t lineNumber) {
  const TextArray split = Text_Split(lines, lineEnd());
  if (lineNumber < 1 || lineNumber > TextArray_Count(split)) return Text();
  return TextArray_At(split, lineNumber);
}
