// Feeds any bytes to the GIF decoder as if the signature had matched.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/picture/format_decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const DecodedPicture picture = decodeWithQtReader(bytes, PictureFormat::Gif);
  if (picture.status != DecodeStatus::Ok && !picture.frames.empty()) std::abort();
  for (const PictureFrame& frame : picture.frames)
    if (frame.image.isNull()) std::abort();
  return 0;
}
