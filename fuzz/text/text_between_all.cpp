// Text_BetweenAll always ends, never places an element that is empty after
// trimming or longer than the limit, and places only texts of the text.
#include "fuzz/text/fuzz_input.h"
#include "text/markers.h"
#include "text/text_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz_text::FuzzInput input(data, size);
  const Text text = input.text(0);
  const Text left = input.text(1);
  const Text right = input.text(2);
  const bool caseSensitive = input.flag(0);
  const std::int64_t limit = input.flag(1) ? input.small(4) : 0;
  const std::int64_t start = input.small(2);

  TextArray out{Text("stale")};
  const std::int64_t placed = Text_BetweenAll(text, left, right, out, caseSensitive, limit, Text(),
                                              Text(), false, false, start);
  FUZZ_CHECK(placed == TextArray_Count(out));
  for (const Text& element : out.items()) {
    FUZZ_CHECK(!Text_Trim(element).empty());
    FUZZ_CHECK(limit == 0 || element.size() <= limit);
    FUZZ_CHECK(text.view().find(element.view()) != std::string_view::npos);
  }
  // Each element is separated from the next by at least the right marker,
  // so there can be no more elements than bytes.
  FUZZ_CHECK(placed <= text.size());
  return 0;
}
