#include "app/picture/picture_decoder.h"

#include <cstdint>

namespace {

bool startsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

std::uint8_t byteAt(std::string_view bytes, std::size_t index) {
  return static_cast<std::uint8_t>(bytes[index]);
}

// A PCX header opens with the manufacturer byte 0x0A, a version (0, 2, 3, 4
// or 5), the encoding 1 (run-length) and a bit depth of 1, 2, 4 or 8.
bool looksLikePcx(std::string_view bytes) {
  if (bytes.size() < 4 || byteAt(bytes, 0) != 0x0A) return false;
  const std::uint8_t version = byteAt(bytes, 1);
  const std::uint8_t bitsPerPixel = byteAt(bytes, 3);
  const bool knownVersion = version == 0 || (version >= 2 && version <= 5);
  const bool knownDepth =
      bitsPerPixel == 1 || bitsPerPixel == 2 || bitsPerPixel == 4 || bitsPerPixel == 8;
  return knownVersion && byteAt(bytes, 2) == 1 && knownDepth;
}

}  // namespace

PictureFormat Picture_DetectFormat(std::string_view bytes) {
  using namespace std::string_view_literals;
  if (startsWith(bytes, "\xFF\xD8"sv)) return PictureFormat::Jpeg;
  if (startsWith(bytes, "BM"sv)) return PictureFormat::Bmp;
  if (startsWith(bytes, "\x89PNG\r\n\x1A\n"sv)) return PictureFormat::Png;
  if (startsWith(bytes, "\0\0\1\0"sv)) return PictureFormat::Icon;
  if (startsWith(bytes, "\0\0\2\0"sv)) return PictureFormat::Cursor;
  if (startsWith(bytes, "GIF87a"sv) || startsWith(bytes, "GIF89a"sv)) return PictureFormat::Gif;
  if (looksLikePcx(bytes)) return PictureFormat::Pcx;
  return PictureFormat::Unknown;
}
