#include "app/picture/picture_decoder.h"

#include <new>

#include "app/picture/format_decoders.h"

std::string_view to_string(DecodeStatus status) {
  switch (status) {
    case DecodeStatus::Ok:
      return "ok";
    case DecodeStatus::Empty:
      return "empty";
    case DecodeStatus::UnknownFormat:
      return "unknown format";
    case DecodeStatus::Corrupt:
      return "corrupt";
    case DecodeStatus::TooLarge:
      return "too large";
  }
  return "unknown status";
}

namespace {

DecodedPicture decodeAs(PictureFormat format, std::string_view bytes) {
  switch (format) {
    case PictureFormat::Png:
      return decodePng(bytes);
    case PictureFormat::Jpeg:
      return decodeJpeg(bytes);
    case PictureFormat::Pcx:
      return decodePcx(bytes);
    case PictureFormat::Gif:
    case PictureFormat::Bmp:
    case PictureFormat::Icon:
    case PictureFormat::Cursor:
      return decodeWithQtReader(bytes, format);
    case PictureFormat::Unknown:
      break;
  }
  DecodedPicture result;
  result.status = DecodeStatus::UnknownFormat;
  return result;
}

}  // namespace

DecodedPicture Picture_Decode(std::string_view bytes) {
  DecodedPicture result;
  if (bytes.empty()) return result;
  const PictureFormat format = Picture_DetectFormat(bytes);
  try {
    result = decodeAs(format, bytes);
  } catch (const std::bad_alloc&) {
    result = DecodedPicture{};
    result.status = DecodeStatus::TooLarge;
  } catch (...) {
    result = DecodedPicture{};
    result.status = DecodeStatus::Corrupt;
  }
  result.format = format;
  if (result.status != DecodeStatus::Ok) result.frames.clear();
  return result;
}
