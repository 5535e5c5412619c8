// Text_ToInt and Text_Hex.
#include <climits>
#include <cstdint>
#include <string>

#include "text/char_walk.h"
#include "text/text_ops.h"

namespace {

// Reads a Text one character at a time after full-width folding: the
// full-width forms A3 A1-A3 FE become the ASCII characters 0x21-0x7E, the
// full-width space A1 A1 a space, A1 AB a tilde, A1 EE and A1 EF an asterisk.
// Other two-byte characters come out as their lead byte, which no number
// contains; a lone lead byte at the very end ends the text.
class FoldedReader {
 public:
  explicit FoldedReader(std::string_view s) : s_(s) {}

  // The next folded character, or -1 at the end. Only its first byte matters
  // to a number reader, so a two-byte character is reported as its lead byte.
  int next() {
    const auto length = static_cast<std::int64_t>(s_.size());
    if (pos_ >= length) return -1;
    std::int64_t step = char_walk::charLength(s_, pos_);
    if (step == 0) return -1;
    std::uint8_t lead = char_walk::byteAt(s_, pos_);
    std::uint8_t trail = step == 2 ? char_walk::byteAt(s_, pos_ + 1) : 0;
    pos_ += step;
    if (step == 1) return lead;
    return folded(lead, trail);
  }

 private:
  static int folded(std::uint8_t lead, std::uint8_t trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return trail - 0x80;
    if (lead == 0xA1) {
      if (trail == 0xA1) return ' ';
      if (trail == 0xAB) return '~';
      if (trail == 0xEE || trail == 0xEF) return '*';
    }
    return lead;
  }

  std::string_view s_;
  std::int64_t pos_ = 0;
};

bool isLeadingWhiteSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int Text_ToInt(const Text& t) {
  FoldedReader reader(t.view());
  int c = reader.next();
  while (isLeadingWhiteSpace(c)) c = reader.next();
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    c = reader.next();
  }
  // Accumulated as a negative number, whose range holds INT_MIN.
  std::int64_t value = 0;
  for (; c >= '0' && c <= '9'; c = reader.next()) {
    value = value * 10 - (c - '0');
    if (value < INT_MIN) value = std::int64_t{INT_MIN} - 1;  // saturated; keeps the loop bounded
  }
  if (negative) return value < INT_MIN ? INT_MIN : static_cast<int>(value);
  return value < -std::int64_t{INT_MAX} ? INT_MAX : static_cast<int>(-value);
}

Text Text_Hex(std::int64_t i) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  // As the 32-bit value it stands for: a negative one in two's complement.
  auto value = static_cast<std::uint32_t>(i);
  char digits[8];
  int count = 0;
  do {
    digits[count++] = kDigits[value & 15];
    value >>= 4;
  } while (value != 0);
  std::string hex(digits, digits + count);
  return Text(std::string(hex.rbegin(), hex.rend()));
}
