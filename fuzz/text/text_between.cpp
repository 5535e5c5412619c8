// A Text_Between result stands in the text right after the left marker, and
// the right marker follows it.
#include "fuzz/text/fuzz_input.h"
#include "text/markers.h"
#include "text/text_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz_text::FuzzInput input(data, size);
  const Text text = input.text(0);
  const Text left = input.text(1);
  const Text right = input.text(2);
  const bool caseSensitive = input.flag(0);
  const std::int64_t start = input.small(2);

  const Text between = Text_Between(text, left, right, start, caseSensitive);
  if (between.empty()) return 0;
  FUZZ_CHECK(text.view().find(between.view()) != std::string_view::npos);
  // Without the quote placeholder the markers are used as given.
  if (left.view().find('#') == std::string_view::npos &&
      right.view().find('#') == std::string_view::npos) {
    const std::int64_t p = Text_Find(text, left, start, !caseSensitive) + left.size();
    FUZZ_CHECK(text.view().substr(p - 1, between.size()) == between.view());
    FUZZ_CHECK(
        fuzz_text::equalAt(text.view(), p - 1 + between.size(), right.view(), !caseSensitive));
  }
  return 0;
}
