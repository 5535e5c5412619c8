// Text_FindLast agrees with the plain walk over the whole text.
#include "fuzz/text/fuzz_input.h"
#include "text/text_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz_text::FuzzInput input(data, size);
  const Text t = input.text(0);
  const Text sub = input.text(1);
  const bool ignoreCase = input.flag(0);
  FUZZ_CHECK(Text_FindLast(t, sub, ignoreCase) ==
             fuzz_text::plainFindLast(t.view(), sub.view(), ignoreCase));
  return 0;
}
