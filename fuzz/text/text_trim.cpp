// Text_Trim and Text_RemoveSpaces agree with plain forward walks.
#include "fuzz/text/fuzz_input.h"
#include "text/text_ops.h"

namespace {

bool isSpace(std::string_view t, std::int64_t p, std::int64_t length) {
  return (length == 1 && t[p] == ' ') || (length == 2 && t[p] == '\xA1' && t[p + 1] == '\xA1');
}

std::int64_t charLength(std::string_view t, std::int64_t p) {
  if (static_cast<unsigned char>(t[p]) < 0x80) return 1;
  return p + 1 < static_cast<std::int64_t>(t.size()) ? 2 : 0;
}

std::string plainTrim(std::string_view t) {
  const auto length = static_cast<std::int64_t>(t.size());
  std::int64_t begin = 0;
  while (begin < length && charLength(t, begin) != 0 && isSpace(t, begin, charLength(t, begin)))
    begin += charLength(t, begin);
  std::int64_t runStart = -1;
  for (std::int64_t p = begin; p < length; p += charLength(t, p)) {
    if (charLength(t, p) == 0) return std::string(t.substr(begin, p - begin));
    if (!isSpace(t, p, charLength(t, p))) {
      runStart = -1;
    } else if (runStart < 0) {
      runStart = p;
    }
  }
  return std::string(t.substr(begin, (runStart < 0 ? length : runStart) - begin));
}

std::string plainRemoveSpaces(std::string_view t) {
  std::string kept;
  for (std::int64_t p = 0; p < static_cast<std::int64_t>(t.size()); p += charLength(t, p)) {
    if (charLength(t, p) == 0) break;
    if (!isSpace(t, p, charLength(t, p))) kept += t.substr(p, charLength(t, p));
  }
  return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz_text::FuzzInput input(data, size);
  const Text t = input.text(0);
  const Text trimmed = Text_Trim(t);
  FUZZ_CHECK(trimmed.bytes() == plainTrim(t.view()));
  FUZZ_CHECK(trimmed.empty() || trimmed.at(0) != ' ');
  FUZZ_CHECK(Text_RemoveSpaces(t).bytes() == plainRemoveSpaces(t.view()));
  return 0;
}
