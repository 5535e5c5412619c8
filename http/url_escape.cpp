#include "http/url_escape.h"

std::string percentEncodeUnsafe(std::string_view url) {
  static constexpr std::string_view kUnsafe = " \"<>\\^`{|}";
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(url.size());
  for (char ch : url) {
    auto c = static_cast<unsigned char>(ch);
    if (c <= 0x20 || c >= 0x7F || kUnsafe.find(ch) != std::string_view::npos) {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 0xF]);
    } else {
      out.push_back(ch);
    }
  }
  return out;
}
