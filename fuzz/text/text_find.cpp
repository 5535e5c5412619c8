// Text_Find agrees with the plain walk, and whatever it finds is an
// occurrence on a character start.
#include "fuzz/text/fuzz_input.h"
#include "text/text_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz_text::FuzzInput input(data, size);
  const Text t = input.text(0);
  const Text sub = input.text(1);
  const bool ignoreCase = input.flag(0);
  const std::int64_t start = input.flag(1) ? input.small(2) : input.small(2) * 97;

  const std::int64_t found = Text_Find(t, sub, start, ignoreCase);
  FUZZ_CHECK(found == fuzz_text::plainFind(t.view(), sub.view(), start, ignoreCase));
  if (found != -1 && !sub.empty()) {
    FUZZ_CHECK(found >= 1 && found + sub.size() - 1 <= t.size());
    FUZZ_CHECK(fuzz_text::equalAt(t.view(), found - 1, sub.view(), ignoreCase));
  }
  return 0;
}
