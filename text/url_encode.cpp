#include "text/url_encode.h"

#include <string>

#include "text/codec.h"

namespace {

// The hyphen, the full stop, the digits and the ASCII letters.
bool passesUnescaped(unsigned char c) {
  return (c >= 0x2D && c <= 0x39 && c != 0x2F) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

Text Url_Encode(const Text& text, bool keepSafe, bool toUtf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const Text source = toUtf8 ? Codec_AnsiToUtf8(text) : text;
  std::string encoded;
  encoded.reserve(source.bytes().size() * 3);
  for (char ch : source.view()) {
    auto c = static_cast<unsigned char>(ch);
    if (keepSafe && passesUnescaped(c)) {
      encoded.push_back(ch);
    } else {
      encoded.push_back('%');
      encoded.push_back(kHex[c >> 4]);
      encoded.push_back(kHex[c & 15]);
    }
  }
  return Text(std::move(encoded));
}
