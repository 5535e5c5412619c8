// Decoding of the pictures a picture box shows: JPEG, BMP, PNG, icon,
// cursor, GIF (every frame of an animation) and PCX. The format is recognised
// by the first bytes alone, never by a file name.
#pragma once

#include <QImage>

#include <string_view>
#include <vector>

enum class PictureFormat { Unknown, Jpeg, Bmp, Png, Icon, Cursor, Gif, Pcx };

// The format the leading bytes announce; Unknown when none matches.
PictureFormat Picture_DetectFormat(std::string_view bytes);

struct PictureFrame {
  QImage image;
  int delayMs = 0;  // how long this frame shows before the next one
};

enum class DecodeStatus { Ok, Empty, UnknownFormat, Corrupt, TooLarge };
std::string_view to_string(DecodeStatus status);

// Decoded pictures larger than this (width * height * 4 bytes, summed over
// every frame) are refused before their pixels are allocated.
inline constexpr long long kPictureMaxDecodedBytes = 64LL * 1024 * 1024;

struct [[nodiscard]] DecodedPicture {
  DecodeStatus status = DecodeStatus::Empty;
  PictureFormat format = PictureFormat::Unknown;
  std::vector<PictureFrame> frames;  // empty unless status is Ok
  int loopCount = 0;                 // times an animation repeats; -1 forever
};

// Never throws and never aborts, whatever the bytes are.
DecodedPicture Picture_Decode(std::string_view bytes);
