#include "app/picture/qt_format_checks.h"

#include <cstdint>

namespace {

std::uint32_t byteAt(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint8_t>(bytes[at]);
}

// Little-endian fields; the caller has checked that they lie inside `bytes`.
std::uint32_t le16(std::string_view bytes, std::size_t at) {
  return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}

std::uint32_t le32(std::string_view bytes, std::size_t at) {
  return le16(bytes, at) | le16(bytes, at + 2) << 16;
}

// A colour table follows a descriptor whose flags have the top bit set;
// the low three bits give its size.
std::size_t colourTableBytes(std::uint32_t flags) {
  return (flags & 0x80) ? 3u << ((flags & 7) + 1) : 0;
}

// Skips a chain of data sub-blocks (each a length byte, then that many
// bytes; a zero length ends the chain). False when the file ends first.
bool skipSubBlocks(std::string_view bytes, std::size_t& at) {
  while (at < bytes.size()) {
    const std::size_t length = byteAt(bytes, at++);
    if (length == 0) return true;
    at += length;
  }
  return false;
}

constexpr std::uint8_t kGifExtension = 0x21;
constexpr std::uint8_t kGifImage = 0x2C;
constexpr std::uint8_t kGifTrailer = 0x3B;
constexpr std::size_t kGifHeaderBytes = 13;
constexpr std::size_t kGifImageDescriptorBytes = 9;

}  // namespace

GifLayout scanGifLayout(std::string_view bytes) {
  GifLayout layout;
  if (bytes.size() < kGifHeaderBytes) return layout;
  layout.canvas = QSize(static_cast<int>(le16(bytes, 6)), static_cast<int>(le16(bytes, 8)));
  std::size_t at = kGifHeaderBytes + colourTableBytes(byteAt(bytes, 10));
  while (at < bytes.size()) {
    const std::uint32_t block = byteAt(bytes, at++);
    if (block == kGifTrailer) {
      layout.complete = true;
      return layout;
    }
    if (block == kGifExtension) {
      ++at;  // the extension's label
      if (!skipSubBlocks(bytes, at)) return layout;
    } else if (block == kGifImage) {
      if (at + kGifImageDescriptorBytes + 1 > bytes.size()) return layout;
      at += kGifImageDescriptorBytes + colourTableBytes(byteAt(bytes, at + 8));
      ++at;  // the LZW minimum code size
      if (!skipSubBlocks(bytes, at)) return layout;
      ++layout.frames;
    } else {
      return layout;  // not a block a GIF may hold
    }
  }
  return layout;
}

namespace {
constexpr std::size_t kBmpFileHeaderBytes = 14;
constexpr std::uint32_t kBmpCoreHeaderBytes = 12;
}  // namespace

bool bmpHeaderIsWhole(std::string_view bytes) {
  if (bytes.size() < kBmpFileHeaderBytes + 4) return false;
  const std::uint64_t infoBytes = le32(bytes, 14), pixelsAt = le32(bytes, 10);
  return infoBytes >= kBmpCoreHeaderBytes && kBmpFileHeaderBytes + infoBytes <= bytes.size() &&
         pixelsAt <= bytes.size();
}

bool bmpPixelDataIsPresent(std::string_view bytes) {
  constexpr std::size_t kFileHeaderBytes = kBmpFileHeaderBytes;
  constexpr std::uint32_t kCoreHeaderBytes = kBmpCoreHeaderBytes;
  constexpr std::uint32_t kUncompressed = 0, kBitFields = 3;
  if (bytes.size() < kFileHeaderBytes + 4) return false;
  const std::uint32_t pixelsAt = le32(bytes, 10);
  const std::uint32_t infoBytes = le32(bytes, 14);
  long long width = 0, height = 0, bitsPerPixel = 0;
  if (infoBytes == kCoreHeaderBytes) {
    if (bytes.size() < kFileHeaderBytes + kCoreHeaderBytes) return false;
    width = le16(bytes, 18);
    height = le16(bytes, 20);
    bitsPerPixel = le16(bytes, 24);
  } else {
    if (bytes.size() < kFileHeaderBytes + 20) return false;
    const std::uint32_t compression = le32(bytes, 30);
    if (compression != kUncompressed && compression != kBitFields) return true;
    width = static_cast<std::int32_t>(le32(bytes, 18));
    height = static_cast<std::int32_t>(le32(bytes, 22));
    bitsPerPixel = le16(bytes, 28);
  }
  if (height < 0) height = -height;  // negative height: rows stored top-down
  if (width <= 0 || width > 1 << 20 || height > 1 << 20 || bitsPerPixel > 64)
    return true;  // the reader refuses these itself
  const long long rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
  return static_cast<long long>(pixelsAt) + rowBytes * height <=
         static_cast<long long>(bytes.size());
}

namespace {
constexpr std::size_t kIconDirectoryBytes = 6, kIconEntryBytes = 16;
}  // namespace

bool iconEntriesAreWhole(std::string_view bytes) {
  if (bytes.size() < kIconDirectoryBytes) return false;
  const std::size_t count = le16(bytes, 4);
  if (bytes.size() < kIconDirectoryBytes + kIconEntryBytes * count) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kIconDirectoryBytes + kIconEntryBytes * i;
    const std::uint64_t imageBytes = le32(bytes, entry + 8), imageAt = le32(bytes, entry + 12);
    if (imageAt + imageBytes > bytes.size()) return false;
  }
  return true;
}

std::string_view iconEntryBytes(std::string_view bytes, int index) {
  const std::size_t entry = kIconDirectoryBytes + kIconEntryBytes * static_cast<std::size_t>(index);
  if (index < 0 || bytes.size() < kIconDirectoryBytes ||
      static_cast<std::size_t>(index) >= le16(bytes, 4) || entry + kIconEntryBytes > bytes.size())
    return {};
  const std::size_t imageBytes = le32(bytes, entry + 8), imageAt = le32(bytes, entry + 12);
  if (imageAt > bytes.size() || imageBytes > bytes.size() - imageAt) return {};
  return bytes.substr(imageAt, imageBytes);
}
