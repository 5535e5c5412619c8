#include "sites/percent_decode.h"

#include <cstdint>

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Printable ASCII that may stand unescaped.
bool mayStandRaw(unsigned char c) {
  return c > 0x20 && c < 0x7f && c != '%';
}

}  // namespace

const char* to_string(DecodeStatus status) {
  switch (status) {
    case DecodeStatus::ok:
      return "ok";
    case DecodeStatus::badEscape:
      return "bad percent escape";
    case DecodeStatus::badByte:
      return "character that must be percent-encoded";
    case DecodeStatus::zeroByte:
      return "encoded zero byte";
    case DecodeStatus::invalidUtf8:
      return "invalid UTF-8";
  }
  return "unknown";
}

DecodeResult percentDecodeUtf8(std::string_view encoded) {
  std::string decoded;
  decoded.reserve(encoded.size());
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    const char c = encoded[i];
    if (c == '+') {  // a space, as HTML forms send it; a plus sign comes as %2B
      decoded.push_back(' ');
      continue;
    }
    if (c != '%') {
      if (!mayStandRaw(static_cast<unsigned char>(c))) return {DecodeStatus::badByte, {}};
      decoded.push_back(c);
      continue;
    }
    if (encoded.size() - i < 3) return {DecodeStatus::badEscape, {}};
    const int high = hexValue(encoded[i + 1]);
    const int low = hexValue(encoded[i + 2]);
    if (high < 0 || low < 0) return {DecodeStatus::badEscape, {}};
    const char byte = static_cast<char>(high * 16 + low);
    if (byte == '\0') return {DecodeStatus::zeroByte, {}};
    decoded.push_back(byte);
    i += 2;
  }
  if (!isValidUtf8(decoded)) return {DecodeStatus::invalidUtf8, {}};
  return {DecodeStatus::ok, std::move(decoded)};
}

bool isValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<std::uint8_t>(bytes[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    std::size_t length;
    std::uint32_t code;
    std::uint32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
      length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
      return false;
    }
    if (bytes.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<std::uint8_t>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}
