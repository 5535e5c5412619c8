// Bounds every decoder checks against the header before allocating pixels.
#pragma once

#include "app/picture/picture_decoder.h"

// An animation with more frames than this is refused: each frame carries
// bookkeeping of its own, so a long run of tiny frames must not grow unbounded.
inline constexpr int kPictureMaxFrames = 4096;

// Bytes that `frames` frames of width x height take at four bytes a pixel.
inline long long decodedBytes(long long width, long long height, long long frames = 1) {
  return width * height * 4 * frames;
}

inline bool exceedsDecodedLimit(long long width, long long height, long long frames = 1) {
  if (width <= 0 || height <= 0 || frames <= 0) return false;
  // Divide rather than multiply, so that no product can overflow.
  return width > kPictureMaxDecodedBytes / 4 / height / frames;
}
