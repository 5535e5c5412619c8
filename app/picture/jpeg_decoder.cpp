// JPEG through libjpeg: grey, YCbCr/RGB and CMYK/YCCK, baseline or
// progressive, into QImage::Format_RGB32.
#include <QImage>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "app/picture/format_decoders.h"
#include "app/picture/picture_limits.h"

namespace {

enum class JpegStatus { Ok, Corrupt, TooLarge };

// A progressive file may hold any number of scans, each a full pass over the
// coefficients; past this many the file is taken as hostile.
constexpr int kMaxScans = 500;
// Working memory libjpeg may take (whole-image coefficient buffers of
// progressive files) beyond the output pixels.
constexpr long kMaxWorkingBytes = 256L * 1024 * 1024;

struct JpegErrors {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  bool truncated;
};

// Everything the C-style decoder touches lives here, in the caller's frame,
// so that its fields keep their values across the longjmp.
struct JpegJob {
  jpeg_decompress_struct cinfo;
  JpegErrors errors;
  jpeg_progress_mgr progress;
  std::uint32_t* pixels;  // malloc'ed width * height RGB32 pixels
  JDIMENSION width;
  JDIMENSION height;
};

void freePixels(void* pixels) {
  std::free(pixels);
}

[[noreturn]] void jpegErrorExit(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1);
}

// Warnings stay silent; the one that says the data ended early is remembered.
void jpegEmitMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
    reinterpret_cast<JpegErrors*>(cinfo->err)->truncated = true;
}

void jpegOutputMessage(j_common_ptr) {}

void jpegProgress(j_common_ptr cinfo) {
  if (cinfo->is_decompressor &&
      reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
    jpegErrorExit(cinfo);
}

[[noreturn]] void fail(JpegJob* job) {
  jpegErrorExit(reinterpret_cast<j_common_ptr>(&job->cinfo));
}

std::uint32_t rgb32(unsigned red, unsigned green, unsigned blue) {
  return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

// Adobe writes CMYK inverted (0 is full ink); other writers do not.
void convertRow(const JpegJob& job, const JSAMPLE* in, std::uint32_t* out) {
  const int components = job.cinfo.output_components;
  const bool inverted = job.cinfo.saw_Adobe_marker;
  for (JDIMENSION x = 0; x < job.width; ++x, in += components) {
    if (components == 1) {
      out[x] = rgb32(in[0], in[0], in[0]);
    } else if (components == 3) {
      out[x] = rgb32(in[0], in[1], in[2]);
    } else {
      const unsigned k = inverted ? in[3] : 255u - in[3];
      auto ink = [&](JSAMPLE v) { return (inverted ? v : 255u - v) * k / 255u; };
      out[x] = rgb32(ink(in[0]), ink(in[1]), ink(in[2]));
    }
  }
}

J_COLOR_SPACE outputSpaceFor(J_COLOR_SPACE fileSpace) {
  switch (fileSpace) {
    case JCS_GRAYSCALE:
      return JCS_GRAYSCALE;
    case JCS_CMYK:
    case JCS_YCCK:
      return JCS_CMYK;
    default:
      return JCS_RGB;
  }
}

// libjpeg reports errors through jpegErrorExit, which longjmps back to the
// setjmp below, so this function holds no object with a destructor; the
// pixel buffer is freed on the error path. On Ok, job->pixels belongs to the
// caller.
JpegStatus decodeJpegPixels(JpegJob* job, const unsigned char* data, unsigned long size) {
  job->pixels = nullptr;
  job->cinfo.err = jpeg_std_error(&job->errors.base);
  job->errors.base.error_exit = jpegErrorExit;
  job->errors.base.emit_message = jpegEmitMessage;
  job->errors.base.output_message = jpegOutputMessage;
  job->errors.truncated = false;
  job->progress.progress_monitor = jpegProgress;
  if (setjmp(job->errors.jump)) {
    jpeg_destroy_decompress(&job->cinfo);
    std::free(job->pixels);
    job->pixels = nullptr;
    return JpegStatus::Corrupt;
  }
  jpeg_create_decompress(&job->cinfo);
  job->cinfo.mem->max_memory_to_use = kMaxWorkingBytes;
  job->cinfo.progress = &job->progress;
  jpeg_mem_src(&job->cinfo, data, size);
  if (jpeg_read_header(&job->cinfo, TRUE) != JPEG_HEADER_OK) fail(job);
  if (exceedsDecodedLimit(job->cinfo.image_width, job->cinfo.image_height)) {
    jpeg_destroy_decompress(&job->cinfo);
    return JpegStatus::TooLarge;
  }
  job->cinfo.out_color_space = outputSpaceFor(job->cinfo.jpeg_color_space);
  jpeg_start_decompress(&job->cinfo);

  job->width = job->cinfo.output_width;
  job->height = job->cinfo.output_height;
  const int components = job->cinfo.output_components;
  if ((components != 1 && components != 3 && components != 4) ||
      exceedsDecodedLimit(job->width, job->height))
    fail(job);
  JSAMPARRAY row = (*job->cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&job->cinfo),
                                                   JPOOL_IMAGE, job->width * components, 1);
  job->pixels = static_cast<std::uint32_t*>(
      std::malloc(std::size_t{job->width} * job->height * sizeof(std::uint32_t)));
  if (job->pixels == nullptr) fail(job);
  while (job->cinfo.output_scanline < job->height) {
    const JDIMENSION y = job->cinfo.output_scanline;
    if (jpeg_read_scanlines(&job->cinfo, row, 1) != 1) fail(job);
    convertRow(*job, row[0], job->pixels + std::size_t{job->width} * y);
  }
  // A file cut short decodes with grey filler; it counts as corrupt.
  if (job->errors.truncated) fail(job);
  jpeg_destroy_decompress(&job->cinfo);
  return JpegStatus::Ok;
}

}  // namespace

DecodedPicture decodeJpeg(std::string_view bytes) {
  DecodedPicture result;
  result.format = PictureFormat::Jpeg;
  auto job = std::make_unique<JpegJob>();
  const JpegStatus status = decodeJpegPixels(
      job.get(), reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  if (status != JpegStatus::Ok) {
    result.status = status == JpegStatus::TooLarge ? DecodeStatus::TooLarge : DecodeStatus::Corrupt;
    return result;
  }
  // The image takes over the buffer and frees it when its last copy goes.
  QImage image(reinterpret_cast<uchar*>(job->pixels), static_cast<int>(job->width),
               static_cast<int>(job->height), static_cast<qsizetype>(job->width) * 4,
               QImage::Format_RGB32, freePixels, job->pixels);
  if (image.isNull()) {
    std::free(job->pixels);
    result.status = DecodeStatus::Corrupt;
    return result;
  }
  result.status = DecodeStatus::Ok;
  result.frames.push_back({std::move(image), 0});
  return result;
}
