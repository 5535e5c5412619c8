// Joining the fields of Text_Split with the separator gives the text back,
// less a separator at its very end.
#include "fuzz/text/fuzz_input.h"
#include "text/text_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz_text::FuzzInput input(data, size);
  const Text t = input.text(0);
  const Text sep = input.text(1);

  const TextArray fields = Text_Split(t, sep);
  if (t.empty()) {
    FUZZ_CHECK(TextArray_Count(fields) == 0);
    return 0;
  }
  std::string joined;
  for (std::size_t i = 0; i < fields.items().size(); ++i) {
    if (i > 0) joined += sep.bytes();
    joined += fields.items()[i].bytes();
  }
  const bool endsWithSeparator = joined != t.bytes();
  FUZZ_CHECK(!endsWithSeparator || joined + sep.bytes() == t.bytes());
  if (sep.empty()) return 0;
  // The walk restarts at each field's start, so a search from there finds
  // the separator right after the field, or none after the last one.
  std::int64_t fieldStart = 1;
  const auto count = fields.items().size();
  for (std::size_t i = 0; i < count; ++i) {
    const std::int64_t fieldEnd = fieldStart + fields.items()[i].size();
    const bool followedBySeparator = i + 1 < count || endsWithSeparator;
    FUZZ_CHECK(Text_Find(t, sep, fieldStart, false) == (followedBySeparator ? fieldEnd : -1));
    fieldStart = fieldEnd + sep.size();
  }
  return 0;
}
