// Url_Encode gives only ASCII; without re-encoding, decoding the escapes
// gives the input back.
#include "text/url_encode.h"
#include "fuzz/text/fuzz_input.h"

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // lower-case digits are never written
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz_text::FuzzInput input(data, size);
  const Text t = input.text(0);
  const bool keepSafe = input.flag(0);
  const bool toUtf8 = input.flag(1);

  const Text encoded = Url_Encode(t, keepSafe, toUtf8);
  std::string decoded;
  const std::string_view e = encoded.view();
  for (std::size_t i = 0; i < e.size(); ++i) {
    const auto c = static_cast<unsigned char>(e[i]);
    FUZZ_CHECK(c > 0x20 && c < 0x7F);
    if (c != '%') {
      FUZZ_CHECK(keepSafe);
      decoded += e[i];
      continue;
    }
    FUZZ_CHECK(i + 2 < e.size());
    FUZZ_CHECK(hexValue(e[i + 1]) >= 0 && hexValue(e[i + 2]) >= 0);
    decoded += static_cast<char>(hexValue(e[i + 1]) * 16 + hexValue(e[i + 2]));
    i += 2;
  }
  if (!toUtf8) FUZZ_CHECK(decoded == t.bytes());
  if (t.empty()) FUZZ_CHECK(encoded.empty());
  return 0;
}
