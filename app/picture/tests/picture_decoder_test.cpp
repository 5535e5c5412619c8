#include <gtest/gtest.h>

#include <QColor>

#include <string>
#include <vector>

#include "app/picture/picture_decoder.h"
#include "app/picture/tests/test_pictures.h"

namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kWhite(255, 255, 255);

struct StillCase {
  const char* name;
  const char* file;
  PictureFormat format;
  int tolerance;  // lossy formats come back near, not equal
};

// Every still test picture is the same 16 x 16 pattern of four quadrants.
const StillCase kStills[] = {
    {"png rgb", "rgb.png", PictureFormat::Png, 0},
    {"png palette with transparency", "palette_transparent.png", PictureFormat::Png, 0},
    {"png 16-bit rgba interlaced", "rgba16_interlaced.png", PictureFormat::Png, 0},
    {"jpeg baseline", "baseline.jpg", PictureFormat::Jpeg, 24},
    {"jpeg progressive", "progressive.jpg", PictureFormat::Jpeg, 24},
    {"jpeg adobe cmyk", "cmyk.jpg", PictureFormat::Jpeg, 24},
    {"gif 87a still", "still87a.gif", PictureFormat::Gif, 0},
    {"bmp 24-bit", "rgb24.bmp", PictureFormat::Bmp, 0},
    {"bmp 8-bit palette", "palette8.bmp", PictureFormat::Bmp, 0},
    {"icon of two sizes", "two_sizes.ico", PictureFormat::Icon, 0},
    {"cursor", "arrow.cur", PictureFormat::Cursor, 0},
    {"pcx 24-bit", "rgb24.pcx", PictureFormat::Pcx, 0},
    {"pcx 256-colour palette", "palette8.pcx", PictureFormat::Pcx, 0},
};

TEST(PictureDecode, EachFormatDecodesTheQuadrantPattern) {
  for (const StillCase& c : kStills) {
    const DecodedPicture picture = Picture_Decode(readTestPicture(c.file));
    ASSERT_EQ(picture.status, DecodeStatus::Ok) << c.name;
    EXPECT_EQ(picture.format, c.format) << c.name;
    ASSERT_EQ(picture.frames.size(), 1u) << c.name;
    const QImage& image = picture.frames[0].image;
    // The icon holds 8 x 8 and 16 x 16; the larger one is taken.
    ASSERT_EQ(image.size(), QSize(16, 16)) << c.name;
    EXPECT_TRUE(pixelNear(image, 4, 4, kRed, c.tolerance)) << c.name;
    EXPECT_TRUE(pixelNear(image, 11, 4, kGreen, c.tolerance)) << c.name;
    EXPECT_TRUE(pixelNear(image, 4, 11, kBlue, c.tolerance)) << c.name;
    EXPECT_TRUE(pixelNear(image, 11, 11, kWhite, c.tolerance)) << c.name;
  }
}

TEST(PictureDecode, PngKeepsAlphaAndGreyBecomesColour) {
  const DecodedPicture interlaced = Picture_Decode(readTestPicture("rgba16_interlaced.png"));
  ASSERT_EQ(interlaced.status, DecodeStatus::Ok);
  EXPECT_EQ(qAlpha(interlaced.frames[0].image.pixel(0, 0)), 0x80);
  EXPECT_EQ(qAlpha(interlaced.frames[0].image.pixel(1, 0)), 0xFF);

  const DecodedPicture palette = Picture_Decode(readTestPicture("palette_transparent.png"));
  ASSERT_EQ(palette.status, DecodeStatus::Ok);
  const QImage& image = palette.frames[0].image;
  int transparent = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) transparent += qAlpha(image.pixel(x, y)) == 0;
  EXPECT_EQ(transparent, 64) << "palette entry 0 is one quadrant and transparent";

  struct Case {
    const char* name;
    const char* file;
  };
  const Case greys[] = {{"grey with alpha", "grey_alpha.png"}, {"one bit", "mono.png"}};
  for (const Case& c : greys) {
    const DecodedPicture grey = Picture_Decode(readTestPicture(c.file));
    ASSERT_EQ(grey.status, DecodeStatus::Ok) << c.name;
    EXPECT_EQ(grey.frames[0].image.size(), QSize(16, 16)) << c.name;
    EXPECT_EQ(grey.frames[0].image.pixel(11, 11), qRgb(255, 255, 255)) << c.name;
  }
}

TEST(PictureDecode, GreyJpegDecodesToGrey) {
  const DecodedPicture picture = Picture_Decode(readTestPicture("grey.jpg"));
  ASSERT_EQ(picture.status, DecodeStatus::Ok);
  const QColor white = picture.frames[0].image.pixelColor(11, 11);
  EXPECT_GT(white.red(), 230);
  EXPECT_EQ(white.red(), white.green());
  EXPECT_EQ(white.green(), white.blue());
}

TEST(PictureDecode, AnimatedGifGivesEveryFrameWithItsDelay) {
  const DecodedPicture picture = Picture_Decode(readTestPicture("animated.gif"));
  ASSERT_EQ(picture.status, DecodeStatus::Ok);
  EXPECT_EQ(picture.format, PictureFormat::Gif);
  ASSERT_EQ(picture.frames.size(), 3u);
  const QColor colours[] = {kRed, kGreen, kBlue};
  const int delays[] = {100, 200, 300};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(picture.frames[i].delayMs, delays[i]) << "frame " << i;
    EXPECT_TRUE(pixelNear(picture.frames[i].image, 4, 4, colours[i], 0)) << "frame " << i;
  }
  EXPECT_EQ(picture.loopCount, -1) << "the file asks to loop forever";
}

TEST(PictureDecode, NothingOrUnknownBytesGiveNoPicture) {
  struct Case {
    const char* name;
    std::string bytes;
    DecodeStatus expected;
  };
  const Case cases[] = {
      {"empty", "", DecodeStatus::Empty},
      {"html error page", "<html>Not Found</html>", DecodeStatus::UnknownFormat},
      {"signature alone of png", "\x89PNG\r\n\x1A\n", DecodeStatus::Corrupt},
      {"signature alone of jpeg", "\xFF\xD8", DecodeStatus::Corrupt},
  };
  for (const Case& c : cases) {
    const DecodedPicture picture = Picture_Decode(c.bytes);
    EXPECT_EQ(picture.status, c.expected) << c.name;
    EXPECT_TRUE(picture.frames.empty()) << c.name;
  }
}

std::vector<std::string> allTestFiles() {
  std::vector<std::string> files;
  for (const StillCase& c : kStills) files.push_back(c.file);
  for (const char* extra : {"animated.gif", "grey_alpha.png", "mono.png", "grey.jpg", "mono.pcx"})
    files.push_back(extra);
  return files;
}

TEST(PictureDecode, TruncatedPicturesGiveNoPicture) {
  for (const std::string& file : allTestFiles()) {
    const std::string whole = readTestPicture(file);
    ASSERT_FALSE(whole.empty()) << file;
    for (std::size_t keep : {whole.size() / 2, std::size_t{24}, std::size_t{8}}) {
      const DecodedPicture picture = Picture_Decode(whole.substr(0, keep));
      EXPECT_NE(picture.status, DecodeStatus::Ok) << file << " cut to " << keep;
      EXPECT_TRUE(picture.frames.empty()) << file << " cut to " << keep;
    }
  }
}

TEST(PictureDecode, CorruptBodiesBehindAGoodSignatureGiveNoPicture) {
  for (const std::string& file : allTestFiles()) {
    const std::string whole = readTestPicture(file);
    // Keep the first bytes so the format is still recognised, then garble
    // everything from the header on.
    for (char filler : {'\0', '\xFF', '\x5A'}) {
      std::string bytes = whole;
      for (std::size_t i = 6; i < bytes.size(); ++i) bytes[i] = filler;
      const DecodedPicture picture = Picture_Decode(bytes);
      EXPECT_NE(picture.status, DecodeStatus::Ok) << file << " filled with " << int(filler);
      EXPECT_TRUE(picture.frames.empty()) << file;
    }
  }
}

// Each case rewrites the dimensions in a header so that the decoded size
// passes the limit, leaving the rest of the file small.
TEST(PictureDecode, OverLargeHeadersAreRefusedBeforeDecoding) {
  struct Case {
    const char* name;
    const char* file;
    void (*enlarge)(std::string&);
  };
  const Case cases[] = {
      {"png", "huge_header.png", [](std::string&) {}},
      {"jpeg", "baseline.jpg",
       [](std::string& b) {
         const std::size_t sof = b.find("\xFF\xC0");
         putWordBig(b, sof + 5, 5000);
         putWordBig(b, sof + 7, 5000);
       }},
      {"gif", "still87a.gif",
       [](std::string& b) {
         putWordLittle(b, 6, 5000);
         putWordLittle(b, 8, 5000);
       }},
      {"gif animation whose frames add up past the limit", "animated.gif",
       [](std::string& b) {
         putWordLittle(b, 6, 2400);
         putWordLittle(b, 8, 2400);
       }},
      {"bmp", "rgb24.bmp",
       [](std::string& b) {
         putWordLittle(b, 18, 5000);
         putWordLittle(b, 22, 5000);
       }},
      {"icon holding a large png", "huge_in_icon.ico", [](std::string&) {}},
      {"pcx", "rgb24.pcx",
       [](std::string& b) {
         putWordLittle(b, 8, 4999);
         putWordLittle(b, 10, 4999);
         putWordLittle(b, 66, 5000);
       }},
  };
  for (const Case& c : cases) {
    std::string bytes = readTestPicture(c.file);
    ASSERT_FALSE(bytes.empty()) << c.name;
    c.enlarge(bytes);
    const DecodedPicture picture = Picture_Decode(bytes);
    EXPECT_EQ(picture.status, DecodeStatus::TooLarge) << c.name;
    EXPECT_TRUE(picture.frames.empty()) << c.name;
  }
}

TEST(PictureDecode, AStillFrameOfTheSameCanvasFitsTheLimit) {
  // 2400 x 2400 x 4 bytes is 22 MB: one frame fits, three do not (above).
  std::string bytes = readTestPicture("still87a.gif");
  putWordLittle(bytes, 6, 2400);
  putWordLittle(bytes, 8, 2400);
  const DecodedPicture picture = Picture_Decode(bytes);
  ASSERT_EQ(picture.status, DecodeStatus::Ok);
  EXPECT_EQ(picture.frames[0].image.size(), QSize(2400, 2400));
}

}  // namespace
