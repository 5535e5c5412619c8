// Text_Replace agrees with a plain walk that replaces at character starts.
#include "fuzz/text/fuzz_input.h"
#include "text/text_ops.h"

namespace {

std::string plainReplace(std::string_view t, std::string_view sub, std::string_view repl,
                         bool caseSensitive) {
  if (t.empty() || sub.empty()) return std::string(t);
  std::string out;
  std::size_t p = 0;
  while (t.size() - p >= sub.size()) {
    if (fuzz_text::equalAt(t, p, sub, !caseSensitive) &&
        !(p + 1 == t.size() && static_cast<unsigned char>(t[p]) >= 0x80)) {
      out += repl;
      p += sub.size();
      continue;
    }
    bool lead = static_cast<unsigned char>(t[p]) >= 0x80;
    if (lead && p + 1 == t.size()) return out;  // a lone lead byte ends the walk, dropped
    std::size_t step = lead ? 2 : 1;
    out += t.substr(p, step);
    p += step;
  }
  if (p < t.size()) out += t.substr(p);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz_text::FuzzInput input(data, size);
  const Text t = input.text(0);
  const Text sub = input.text(1);
  const Text repl = input.text(2);
  const bool caseSensitive = !input.flag(0);
  const Text replaced = Text_Replace(t, sub, repl, caseSensitive);
  FUZZ_CHECK(replaced.bytes() == plainReplace(t.view(), sub.view(), repl.view(), caseSensitive));
  return 0;
}
