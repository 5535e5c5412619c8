// Access to the committed test pictures and small byte-editing helpers.
#pragma once

#include <QColor>
#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::string readTestPicture(const std::string& name) {
  const char* root = std::getenv("PELLUMAR_SOURCE_DIR");
  const std::filesystem::path path =
      std::filesystem::path(root ? root : ".") / "app/picture/tests/data" / name;
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void putWordLittle(std::string& bytes, std::size_t at, unsigned value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

inline void putWordBig(std::string& bytes, std::size_t at, unsigned value) {
  bytes[at] = static_cast<char>((value >> 8) & 0xFF);
  bytes[at + 1] = static_cast<char>(value & 0xFF);
}

// True when every channel of the pixel is within `tolerance` of `expected`.
inline bool pixelNear(const QImage& image, int x, int y, QColor expected, int tolerance) {
  const QColor actual = image.pixelColor(x, y);
  return std::abs(actual.red() - expected.red()) <= tolerance &&
         std::abs(actual.green() - expected.green()) <= tolerance &&
         std::abs(actual.blue() - expected.blue()) <= tolerance;
}

#include <ostream>

#include "app/picture/picture_decoder.h"

// Lets GoogleTest print statuses by name.
inline void PrintTo(DecodeStatus status, std::ostream* out) {
  *out << to_string(status);
}
