// PNG through libpng. Every colour type and bit depth is turned into 8-bit
// BGRA rows, which is QImage::Format_ARGB32 on a little-endian machine.
#include <png.h>

#include <QImage>
#include <QtEndian>

#include <csetjmp>
#include <cstdlib>
#include <cstring>

#include "app/picture/format_decoders.h"
#include "app/picture/picture_limits.h"

namespace {

enum class PngStatus { Ok, Corrupt, TooLarge };

// Everything the C-style decoder touches lives here, in the caller's frame,
// so that its fields keep their values across libpng's longjmp.
struct PngJob {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
  std::size_t offset = 0;
  unsigned char* pixels = nullptr;  // malloc'ed width * height * 4 bytes
  png_bytep* rows = nullptr;        // malloc'ed row pointers into pixels
  png_uint_32 width = 0;
  png_uint_32 height = 0;
};

// Larger than any ancillary chunk a picture needs; bounds libpng's allocations.
constexpr png_alloc_size_t kMaxChunkBytes = 8 * 1024 * 1024;

void freePixels(void* pixels) {
  std::free(pixels);
}

void pngError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void pngWarning(png_structp, png_const_charp) {}

void pngReadFromMemory(png_structp png, png_bytep out, std::size_t length) {
  auto* job = static_cast<PngJob*>(png_get_io_ptr(png));
  if (length > job->size - job->offset) png_error(png, "truncated");
  std::memcpy(out, job->data + job->offset, length);
  job->offset += length;
}

void setBgraTransforms(png_structp png) {
  png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
    png_set_bgr(png);  // B, G, R then alpha
  else
    png_set_swap_alpha(png);
  png_set_interlace_handling(png);
}

// libpng reports errors by longjmp back to the setjmp below, so this function
// holds no object with a destructor; the raw buffers in `job` are freed on
// the error path. On Ok, job->pixels belongs to the caller.
PngStatus decodePngRows(PngJob* job) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngWarning);
  if (png == nullptr) return PngStatus::Corrupt;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return PngStatus::Corrupt;
  }
  if (setjmp(png_jmpbuf(png))) {
    std::free(job->rows);
    std::free(job->pixels);
    job->rows = nullptr;
    job->pixels = nullptr;
    png_destroy_read_struct(&png, &info, nullptr);
    return PngStatus::Corrupt;
  }
  png_set_read_fn(png, job, pngReadFromMemory);
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
  png_read_info(png, info);

  job->width = png_get_image_width(png, info);
  job->height = png_get_image_height(png, info);
  if (exceedsDecodedLimit(job->width, job->height)) {
    png_destroy_read_struct(&png, &info, nullptr);
    return PngStatus::TooLarge;
  }
  setBgraTransforms(png);
  png_read_update_info(png, info);
  const std::size_t rowBytes = std::size_t{job->width} * 4;
  if (png_get_rowbytes(png, info) != rowBytes) png_error(png, "unexpected row size");

  job->pixels = static_cast<unsigned char*>(std::malloc(rowBytes * job->height));
  job->rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * job->height));
  if (job->pixels == nullptr || job->rows == nullptr) png_error(png, "out of memory");
  for (png_uint_32 y = 0; y < job->height; ++y) job->rows[y] = job->pixels + rowBytes * y;
  png_read_image(png, job->rows);

  std::free(job->rows);
  job->rows = nullptr;
  png_destroy_read_struct(&png, &info, nullptr);
  return PngStatus::Ok;
}

}  // namespace

DecodedPicture decodePng(std::string_view bytes) {
  DecodedPicture result;
  result.format = PictureFormat::Png;
  PngJob job;
  job.data = reinterpret_cast<const unsigned char*>(bytes.data());
  job.size = bytes.size();
  switch (decodePngRows(&job)) {
    case PngStatus::Corrupt:
      result.status = DecodeStatus::Corrupt;
      return result;
    case PngStatus::TooLarge:
      result.status = DecodeStatus::TooLarge;
      return result;
    case PngStatus::Ok:
      break;
  }
  // The image takes over the buffer and frees it when its last copy goes.
  QImage image(job.pixels, static_cast<int>(job.width), static_cast<int>(job.height),
               static_cast<qsizetype>(job.width) * 4, QImage::Format_ARGB32, freePixels,
               job.pixels);
  if (image.isNull()) {
    std::free(job.pixels);
    result.status = DecodeStatus::Corrupt;
    return result;
  }
  result.status = DecodeStatus::Ok;
  result.frames.push_back({std::move(image), 0});
  return result;
}
