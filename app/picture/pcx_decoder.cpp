// PCX: a 128-byte header, run-length coded scan lines (each line holds one
// run of bytesPerLine bytes per colour plane), and for 256-colour files a
// palette in the last 769 bytes, introduced by 0x0C.
//
// Supported layouts: 1 bit with 1 to 4 planes (mono, 4, 8 or 16 colours),
// 2, 4 or 8 bits packed in one plane, and 8 bits in 3 planes (24-bit RGB).
#include <QImage>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "app/picture/format_decoders.h"
#include "app/picture/picture_limits.h"

namespace {

constexpr std::size_t kHeaderBytes = 128;
constexpr std::size_t kVgaPaletteBytes = 769;  // 0x0C then 256 RGB triples
constexpr std::uint8_t kVgaPaletteMarker = 0x0C;

struct PcxHeader {
  int version = 0;
  int bitsPerPixel = 0;
  int planes = 0;
  int width = 0;
  int height = 0;
  int bytesPerLine = 0;  // per plane
};

using Palette = std::array<QRgb, 256>;

int byteAt(std::string_view bytes, std::size_t index) {
  return static_cast<std::uint8_t>(bytes[index]);
}

int word(std::string_view bytes, std::size_t index) {
  return byteAt(bytes, index) | (byteAt(bytes, index + 1) << 8);
}

PcxHeader readHeader(std::string_view bytes) {
  PcxHeader header;
  header.version = byteAt(bytes, 1);
  header.bitsPerPixel = byteAt(bytes, 3);
  header.width = word(bytes, 8) - word(bytes, 4) + 1;
  header.height = word(bytes, 10) - word(bytes, 6) + 1;
  header.planes = byteAt(bytes, 65);
  header.bytesPerLine = word(bytes, 66);
  return header;
}

bool isTrueColour(const PcxHeader& h) {
  return h.bitsPerPixel == 8 && h.planes == 3;
}

bool isSupportedLayout(const PcxHeader& h) {
  if (isTrueColour(h)) return true;
  if (h.bitsPerPixel == 1) return h.planes >= 1 && h.planes <= 4;
  return (h.bitsPerPixel == 2 || h.bitsPerPixel == 4 || h.bitsPerPixel == 8) && h.planes == 1;
}

// The colours of a standard 16-colour display, for files that carry none.
Palette defaultPalette() {
  static constexpr std::array<QRgb, 16> kColours = {0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA,
                                                    0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,
                                                    0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF,
                                                    0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF};
  Palette palette{};
  for (std::size_t i = 0; i < kColours.size(); ++i) palette[i] = kColours[i];
  return palette;
}

Palette triples(std::string_view bytes, std::size_t offset, int count) {
  Palette palette{};
  for (int i = 0; i < count; ++i) {
    const std::size_t at = offset + 3 * static_cast<std::size_t>(i);
    palette[i] = qRgb(byteAt(bytes, at), byteAt(bytes, at + 1), byteAt(bytes, at + 2));
  }
  return palette;
}

bool hasVgaPalette(std::string_view bytes) {
  return bytes.size() >= kHeaderBytes + kVgaPaletteBytes &&
         byteAt(bytes, bytes.size() - kVgaPaletteBytes) == kVgaPaletteMarker;
}

Palette paletteFor(const PcxHeader& h, std::string_view bytes) {
  if (h.bitsPerPixel == 8) {
    if (hasVgaPalette(bytes)) return triples(bytes, bytes.size() - kVgaPaletteBytes + 1, 256);
    Palette grey{};
    for (int i = 0; i < 256; ++i) grey[i] = qRgb(i, i, i);
    return grey;
  }
  if (h.bitsPerPixel == 1 && h.planes == 1) {
    Palette mono{};
    mono[0] = qRgb(0, 0, 0);
    mono[1] = qRgb(255, 255, 255);
    return mono;
  }
  // Version 3 says the header holds no palette.
  if (h.version == 3) return defaultPalette();
  return triples(bytes, 16, 16);
}

// Expands the run-length coded data into scan lines. A run may carry over
// from one line to the next; output never grows past the line's size.
class RunLengthReader {
 public:
  RunLengthReader(std::string_view data) : data_(data) {}

  bool readLine(std::vector<std::uint8_t>& line) {
    std::size_t filled = 0;
    while (filled < line.size()) {
      if (runLeft_ == 0 && !startRun()) return false;
      const std::size_t take = std::min<std::size_t>(runLeft_, line.size() - filled);
      std::fill_n(line.begin() + static_cast<std::ptrdiff_t>(filled), take, runValue_);
      filled += take;
      runLeft_ -= take;
    }
    return true;
  }

 private:
  bool startRun() {
    while (runLeft_ == 0) {
      if (offset_ >= data_.size()) return false;
      const auto code = static_cast<std::uint8_t>(data_[offset_++]);
      if (code < 0xC0) {
        runValue_ = code;
        runLeft_ = 1;
      } else {
        if (offset_ >= data_.size()) return false;
        runValue_ = static_cast<std::uint8_t>(data_[offset_++]);
        runLeft_ = code & 0x3F;  // a count of zero is skipped
      }
    }
    return true;
  }

  std::string_view data_;
  std::size_t offset_ = 0;
  std::size_t runLeft_ = 0;
  std::uint8_t runValue_ = 0;
};

int paletteIndex(const PcxHeader& h, const std::vector<std::uint8_t>& line, int x) {
  if (h.bitsPerPixel == 1) {
    int index = 0;
    for (int plane = 0; plane < h.planes; ++plane) {
      const std::uint8_t byte = line[static_cast<std::size_t>(plane * h.bytesPerLine + x / 8)];
      index |= ((byte >> (7 - x % 8)) & 1) << plane;
    }
    return index;
  }
  const int perByte = 8 / h.bitsPerPixel;
  const std::uint8_t byte = line[static_cast<std::size_t>(x / perByte)];
  const int shift = 8 - h.bitsPerPixel * (x % perByte + 1);
  return (byte >> shift) & ((1 << h.bitsPerPixel) - 1);
}

void writeRow(const PcxHeader& h, const Palette& palette, const std::vector<std::uint8_t>& line,
              QRgb* out) {
  const auto plane = [&](int p, int x) {
    return line[static_cast<std::size_t>(p * h.bytesPerLine + x)];
  };
  for (int x = 0; x < h.width; ++x)
    out[x] = isTrueColour(h) ? qRgb(plane(0, x), plane(1, x), plane(2, x))
                             : palette[static_cast<std::size_t>(paletteIndex(h, line, x))];
}

DecodedPicture pcxResult(DecodeStatus status) {
  DecodedPicture result;
  result.status = status;
  result.format = PictureFormat::Pcx;
  return result;
}

}  // namespace

DecodedPicture decodePcx(std::string_view bytes) {
  if (bytes.size() < kHeaderBytes) return pcxResult(DecodeStatus::Corrupt);
  const PcxHeader header = readHeader(bytes);
  const long long minimumLineBytes =
      (static_cast<long long>(header.width) * header.bitsPerPixel + 7) / 8;
  if (!isSupportedLayout(header) || header.width <= 0 || header.height <= 0 ||
      header.bytesPerLine < minimumLineBytes)
    return pcxResult(DecodeStatus::Corrupt);
  if (exceedsDecodedLimit(header.width, header.height)) return pcxResult(DecodeStatus::TooLarge);

  const bool needsVgaPalette = header.bitsPerPixel == 8 && header.planes == 1;
  // From version 5 on, a 256-colour file ends with its palette; without it the
  // file was cut short.
  if (needsVgaPalette && header.version >= 5 && !hasVgaPalette(bytes))
    return pcxResult(DecodeStatus::Corrupt);
  const Palette palette = paletteFor(header, bytes);
  std::string_view coded = bytes.substr(kHeaderBytes);
  if (needsVgaPalette && hasVgaPalette(bytes)) coded.remove_suffix(kVgaPaletteBytes);

  QImage image(header.width, header.height, QImage::Format_RGB32);
  if (image.isNull()) return pcxResult(DecodeStatus::TooLarge);
  std::vector<std::uint8_t> line(static_cast<std::size_t>(header.bytesPerLine) *
                                 static_cast<std::size_t>(header.planes));
  RunLengthReader reader(coded);
  for (int y = 0; y < header.height; ++y) {
    if (!reader.readLine(line)) return pcxResult(DecodeStatus::Corrupt);
    writeRow(header, palette, line, reinterpret_cast<QRgb*>(image.scanLine(y)));
  }
  DecodedPicture result = pcxResult(DecodeStatus::Ok);
  result.frames.push_back({std::move(image), 0});
  return result;
}
