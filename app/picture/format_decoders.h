// The decoders behind Picture_Decode, one per family of formats. Each takes
// the whole file, trusts nothing in it, and returns no frames unless Ok.
#pragma once

#include "app/picture/picture_decoder.h"

#include <string_view>

DecodedPicture decodePng(std::string_view bytes);   // libpng
DecodedPicture decodeJpeg(std::string_view bytes);  // libjpeg
DecodedPicture decodePcx(std::string_view bytes);   // our own reader

// GIF (every frame), BMP, icon and cursor through Qt's image readers.
DecodedPicture decodeWithQtReader(std::string_view bytes, PictureFormat format);
