#include <gtest/gtest.h>

#include <string>

#include "app/picture/picture_decoder.h"

namespace {

using namespace std::string_literals;

TEST(PictureDetectFormat, RecognisesEachSignatureByItsFirstBytes) {
  struct Case {
    const char* name;
    std::string bytes;
    PictureFormat expected;
  };
  const Case cases[] = {
      {"jpeg", "\xFF\xD8\xFF\xE0"s, PictureFormat::Jpeg},
      {"bmp", "BM\x36\x03"s, PictureFormat::Bmp},
      {"png", "\x89PNG\r\n\x1A\n\0\0\0\x0D"s, PictureFormat::Png},
      {"icon", "\0\0\1\0\1\0"s, PictureFormat::Icon},
      {"cursor", "\0\0\2\0\1\0"s, PictureFormat::Cursor},
      {"gif 87a", "GIF87a\x10\0"s, PictureFormat::Gif},
      {"gif 89a", "GIF89a\x10\0"s, PictureFormat::Gif},
      {"pcx version 5, 8 bits", "\x0A\x05\x01\x08"s, PictureFormat::Pcx},
      {"pcx version 0, 1 bit", "\x0A\x00\x01\x01"s, PictureFormat::Pcx},
      {"pcx version 3, 4 bits", "\x0A\x03\x01\x04"s, PictureFormat::Pcx},
      {"empty", ""s, PictureFormat::Unknown},
      {"html error page", "<html><body>404</body></html>"s, PictureFormat::Unknown},
      {"half a jpeg signature", "\xFF"s, PictureFormat::Unknown},
      {"png signature cut short", "\x89PNG\r\n"s, PictureFormat::Unknown},
      {"icon of unknown type", "\0\0\3\0\1\0"s, PictureFormat::Unknown},
      {"gif of unknown version", "GIF88a"s, PictureFormat::Unknown},
      {"pcx version 1 does not exist", "\x0A\x01\x01\x08"s, PictureFormat::Unknown},
      {"pcx without run-length coding", "\x0A\x05\x00\x08"s, PictureFormat::Unknown},
      {"pcx of 3 bits a pixel", "\x0A\x05\x01\x03"s, PictureFormat::Unknown},
      {"pcx header cut before the depth", "\x0A\x05\x01"s, PictureFormat::Unknown},
      {"a lone line feed", "\x0A"s, PictureFormat::Unknown},
  };
  for (const Case& c : cases) EXPECT_EQ(Picture_DetectFormat(c.bytes), c.expected) << c.name;
}

}  // namespace
