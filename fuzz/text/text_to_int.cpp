// Text_ToInt agrees with folding the whole text first and then reading the
// number with saturation at the int range.
#include <climits>

#include "fuzz/text/fuzz_input.h"
#include "text/text_ops.h"

namespace {

std::string foldFullWidth(std::string_view t) {
  std::string folded;
  for (std::size_t p = 0; p < t.size();) {
    auto lead = static_cast<unsigned char>(t[p]);
    if (lead < 0x80) {
      folded += t[p++];
      continue;
    }
    if (p + 1 == t.size()) break;
    auto trail = static_cast<unsigned char>(t[p + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded += static_cast<char>(trail - 0x80);
    } else if (lead == 0xA1 && trail == 0xA1) {
      folded += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      folded += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      folded += '*';
    } else {
      folded += t.substr(p, 2);
    }
    p += 2;
  }
  return folded;
}

int readInt(std::string_view s) {
  std::size_t p = 0;
  while (p < s.size() && (s[p] == ' ' || (s[p] >= '\t' && s[p] <= '\r'))) ++p;
  bool negative = false;
  if (p < s.size() && (s[p] == '+' || s[p] == '-')) negative = s[p++] == '-';
  long long value = 0;
  for (; p < s.size() && s[p] >= '0' && s[p] <= '9'; ++p) {
    value = value * 10 + (s[p] - '0');
    if (value > 1LL << 32) value = 1LL << 32;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz_text::FuzzInput input(data, size);
  const Text t = input.text(0);
  FUZZ_CHECK(Text_ToInt(t) == readInt(foldFullWidth(t.view())));
  return 0;
}
