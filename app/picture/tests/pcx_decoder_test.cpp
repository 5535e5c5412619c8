#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/picture/picture_decoder.h"
#include "app/picture/tests/test_pictures.h"

namespace {

// Builds a PCX file: header, then the given scan-line bytes (every plane of
// every line, uncoded) run-length coded, then an optional 256-colour palette.
struct PcxFile {
  int version = 5;
  int bitsPerPixel = 8;
  int planes = 1;
  int width = 1;
  int height = 1;
  int bytesPerLine = 2;
  std::vector<QRgb> headerPalette;  // up to 16 entries
  std::vector<std::uint8_t> lines;

  static std::string runLengthCoded(const std::vector<std::uint8_t>& raw) {
    std::string coded;
    for (std::size_t i = 0; i < raw.size();) {
      std::size_t run = 1;
      while (i + run < raw.size() && raw[i + run] == raw[i] && run < 63) ++run;
      if (run > 1 || raw[i] >= 0xC0) coded += static_cast<char>(0xC0 | run);
      coded += static_cast<char>(raw[i]);
      i += run;
    }
    return coded;
  }

  std::string bytes(bool withVgaPalette = false) const {
    std::string header(128, '\0');
    header[0] = 0x0A;
    header[1] = static_cast<char>(version);
    header[2] = 1;
    header[3] = static_cast<char>(bitsPerPixel);
    putWordLittle(header, 8, static_cast<unsigned>(width - 1));
    putWordLittle(header, 10, static_cast<unsigned>(height - 1));
    for (std::size_t i = 0; i < headerPalette.size(); ++i) {
      header[16 + 3 * i] = static_cast<char>(qRed(headerPalette[i]));
      header[17 + 3 * i] = static_cast<char>(qGreen(headerPalette[i]));
      header[18 + 3 * i] = static_cast<char>(qBlue(headerPalette[i]));
    }
    header[65] = static_cast<char>(planes);
    putWordLittle(header, 66, static_cast<unsigned>(bytesPerLine));
    std::string file = header + runLengthCoded(lines);
    if (withVgaPalette) {
      file += '\x0C';
      for (int i = 0; i < 256; ++i) file += std::string{char(i), char(255 - i), char(i / 2)};
    }
    return file;
  }
};

std::vector<QRgb> rowOf(const DecodedPicture& picture, int y) {
  std::vector<QRgb> row;
  const QImage& image = picture.frames.at(0).image;
  for (int x = 0; x < image.width(); ++x) row.push_back(image.pixel(x, y));
  return row;
}

const std::vector<QRgb> kSixteen = {
    qRgb(0, 0, 0),   qRgb(10, 0, 0),  qRgb(20, 0, 0),  qRgb(30, 0, 0),
    qRgb(40, 0, 0),  qRgb(50, 0, 0),  qRgb(60, 0, 0),  qRgb(70, 0, 0),
    qRgb(80, 0, 0),  qRgb(90, 0, 0),  qRgb(100, 0, 0), qRgb(110, 0, 0),
    qRgb(120, 0, 0), qRgb(130, 0, 0), qRgb(140, 0, 0), qRgb(150, 0, 0)};

TEST(PcxDecode, EachPixelLayoutGivesItsColours) {
  struct Case {
    const char* name;
    PcxFile file;
    bool vgaPalette;
    std::vector<QRgb> firstRow;
  };
  const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
  const Case cases[] = {
      {"1 bit mono: set bits are white",
       {5, 1, 1, 10, 1, 2, {}, {0b10100000, 0b01000000}},
       false,
       {white, black, white, black, black, black, black, black, black, white}},
      // Index bits come from plane 0 (lowest) to plane 3 (highest).
      {"1 bit, 4 planes: 16 colours from the header",
       {5, 1, 4, 3, 1, 2, kSixteen, {0b10000000, 0, 0b01000000, 0, 0b00100000, 0, 0b11100000, 0}},
       false,
       {kSixteen[8 | 1], kSixteen[8 | 2], kSixteen[8 | 4]}},
      {"2 bits packed",
       {5, 2, 1, 4, 1, 2, kSixteen, {0b00011011, 0}},
       false,
       {kSixteen[0], kSixteen[1], kSixteen[2], kSixteen[3]}},
      {"4 bits packed",
       {5, 4, 1, 3, 1, 2, kSixteen, {0xF1, 0x70}},
       false,
       {kSixteen[15], kSixteen[1], kSixteen[7]}},
      {"version 3 carries no palette: the standard 16 colours",
       {3, 4, 1, 2, 1, 2, kSixteen, {0x0F, 0}},
       false,
       {qRgb(0, 0, 0), qRgb(255, 255, 255)}},
      {"8 bits with the palette at the end",
       {5, 8, 1, 3, 1, 4, {}, {0, 200, 255, 0}},
       true,
       {qRgb(0, 255, 0), qRgb(200, 55, 100), qRgb(255, 0, 127)}},
      {"8 bits before version 5 without a palette: grey",
       {4, 8, 1, 2, 1, 2, {}, {7, 0xC5}},
       false,
       {qRgb(7, 7, 7), qRgb(0xC5, 0xC5, 0xC5)}},
      {"8 bits in 3 planes",
       {5, 8, 3, 2, 1, 2, {}, {1, 2, 3, 4, 5, 6}},
       false,
       {qRgb(1, 3, 5), qRgb(2, 4, 6)}},
  };
  for (const Case& c : cases) {
    const DecodedPicture picture = Picture_Decode(c.file.bytes(c.vgaPalette));
    ASSERT_EQ(picture.status, DecodeStatus::Ok) << c.name;
    EXPECT_EQ(picture.format, PictureFormat::Pcx) << c.name;
    EXPECT_EQ(rowOf(picture, 0), c.firstRow) << c.name;
  }
}

TEST(PcxDecode, RunsMayCrossLinesAndNeverOverrunThePicture) {
  // Two lines of 2 bytes as one run of 4, then a run of 63 that outlasts
  // the picture: the extra bytes are ignored.
  const PcxFile file{4, 8, 1, 2, 3, 2, {}, {}};
  const DecodedPicture picture = Picture_Decode(file.bytes() + "\xC4\x05\xFF\x09");
  ASSERT_EQ(picture.status, DecodeStatus::Ok);
  ASSERT_EQ(picture.frames[0].image.size(), QSize(2, 3));
  EXPECT_EQ(rowOf(picture, 0), (std::vector<QRgb>{qRgb(5, 5, 5), qRgb(5, 5, 5)}));
  EXPECT_EQ(rowOf(picture, 1), (std::vector<QRgb>{qRgb(5, 5, 5), qRgb(5, 5, 5)}));
  EXPECT_EQ(rowOf(picture, 2), (std::vector<QRgb>{qRgb(9, 9, 9), qRgb(9, 9, 9)}));
}

TEST(PcxDecode, MalformedFilesGiveNoPicture) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  PcxFile good{5, 8, 3, 2, 2, 2, {}, {1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6}};
  PcxFile narrowLines = good;
  narrowLines.width = 40;  // 40 pixels need 40 bytes a plane, not 2
  PcxFile unsupported = good;
  unsupported.planes = 2;
  std::string inverted = good.bytes();
  putWordLittle(inverted, 4, 10);  // xmin past xmax
  std::string runCut = good.bytes().substr(0, 128) + "\x01\x02\xC5";
  PcxFile paletted{5, 8, 1, 2, 1, 2, {}, {1, 2}};
  const Case cases[] = {
      {"header cut short", good.bytes().substr(0, 100)},
      {"pixel data cut short", good.bytes().substr(0, 130)},
      {"run count without its value", runCut},
      {"lines narrower than the picture", narrowLines.bytes()},
      {"two planes of 8 bits", unsupported.bytes()},
      {"left edge right of the right edge", inverted},
      {"version 5 with 8 bits but no palette", paletted.bytes(false)},
  };
  for (const Case& c : cases) {
    const DecodedPicture picture = Picture_Decode(c.bytes);
    EXPECT_EQ(picture.status, DecodeStatus::Corrupt) << c.name;
    EXPECT_TRUE(picture.frames.empty()) << c.name;
  }
  EXPECT_EQ(Picture_Decode(paletted.bytes(true)).status, DecodeStatus::Ok);
}

}  // namespace
