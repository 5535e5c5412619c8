// GIF, BMP, icon and cursor files through Qt's image readers, fed from
// memory with the format named explicitly (never guessed from the content).
#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "app/picture/format_decoders.h"
#include "app/picture/picture_limits.h"
#include "app/picture/qt_format_checks.h"

namespace {

// Frames that ask for less than this (often 0) are shown this long, as
// animations made for viewers that ignore such delays expect.
constexpr int kShortestDelayMs = 20;
constexpr int kDefaultDelayMs = 100;

QByteArray qtFormatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::Gif:
      return "gif";
    case PictureFormat::Bmp:
      return "bmp";
    case PictureFormat::Icon:
    case PictureFormat::Cursor:
      return "ico";
    default:
      return {};
  }
}

int frameDelay(int fileDelayMs) {
  return fileDelayMs < kShortestDelayMs ? kDefaultDelayMs : fileDelayMs;
}

bool exceedsLimit(QSize size, long long frames = 1) {
  return exceedsDecodedLimit(size.width(), size.height(), frames);
}

DecodedPicture withStatus(DecodedPicture result, DecodeStatus status) {
  result.status = status;
  if (status != DecodeStatus::Ok) result.frames.clear();
  return result;
}

// Every frame of an animation, each with the time it stays on screen.
DecodedPicture readAnimation(std::string_view bytes, QImageReader& reader, DecodedPicture result) {
  const GifLayout layout = scanGifLayout(bytes);
  if (!layout.complete || layout.frames == 0 || layout.canvas.isEmpty())
    return withStatus(std::move(result), DecodeStatus::Corrupt);
  if (layout.frames > kPictureMaxFrames || exceedsLimit(layout.canvas, layout.frames))
    return withStatus(std::move(result), DecodeStatus::TooLarge);

  long long totalBytes = 0;
  while (reader.canRead()) {
    QImage image = reader.read();
    if (image.isNull()) return withStatus(std::move(result), DecodeStatus::Corrupt);
    totalBytes += decodedBytes(image.width(), image.height());
    if (totalBytes > kPictureMaxDecodedBytes ||
        static_cast<int>(result.frames.size()) >= kPictureMaxFrames)
      return withStatus(std::move(result), DecodeStatus::TooLarge);
    result.frames.push_back({std::move(image), frameDelay(reader.nextImageDelay())});
  }
  if (result.frames.empty()) return withStatus(std::move(result), DecodeStatus::Corrupt);
  if (result.frames.size() == 1) result.frames.front().delayMs = 0;
  result.loopCount = reader.loopCount();
  return withStatus(std::move(result), DecodeStatus::Ok);
}

// An icon file holds the same picture at several sizes; the largest one
// looks best once stretched over the box.
int largestEntry(QImageReader& reader) {
  int best = 0;
  long long bestArea = -1;
  for (int i = 0; i < reader.imageCount(); ++i) {
    if (!reader.jumpToImage(i)) break;
    const QSize size = reader.size();
    const long long area = static_cast<long long>(size.width()) * size.height();
    if (area > bestArea) {
      best = i;
      bestArea = area;
    }
  }
  return best;
}

DecodedPicture readOneImage(QImageReader& reader, DecodedPicture result) {
  const QSize size = reader.size();
  if (!size.isValid()) return withStatus(std::move(result), DecodeStatus::Corrupt);
  if (exceedsLimit(size)) return withStatus(std::move(result), DecodeStatus::TooLarge);
  QImage image = reader.read();
  if (image.isNull()) return withStatus(std::move(result), DecodeStatus::Corrupt);
  if (exceedsLimit(image.size())) return withStatus(std::move(result), DecodeStatus::TooLarge);
  result.frames.push_back({std::move(image), 0});
  return withStatus(std::move(result), DecodeStatus::Ok);
}

DecodedPicture readBitmap(std::string_view bytes, QImageReader& reader, DecodedPicture result) {
  if (!bmpHeaderIsWhole(bytes)) return withStatus(std::move(result), DecodeStatus::Corrupt);
  if (exceedsLimit(reader.size())) return withStatus(std::move(result), DecodeStatus::TooLarge);
  if (!bmpPixelDataIsPresent(bytes)) return withStatus(std::move(result), DecodeStatus::Corrupt);
  return readOneImage(reader, std::move(result));
}

// Entries stored as PNG go through our own PNG decoder, the others
// (device-independent bitmaps with a mask) through Qt's icon reader.
DecodedPicture readIcon(std::string_view bytes, QImageReader& reader, DecodedPicture result) {
  if (!iconEntriesAreWhole(bytes) || reader.imageCount() <= 0)
    return withStatus(std::move(result), DecodeStatus::Corrupt);
  const int entry = largestEntry(reader);
  const std::string_view image = iconEntryBytes(bytes, entry);
  if (Picture_DetectFormat(image) == PictureFormat::Png) {
    DecodedPicture png = decodePng(image);
    png.format = result.format;
    return png;
  }
  if (!reader.jumpToImage(entry)) return withStatus(std::move(result), DecodeStatus::Corrupt);
  return readOneImage(reader, std::move(result));
}

}  // namespace

DecodedPicture decodeWithQtReader(std::string_view bytes, PictureFormat format) {
  DecodedPicture result;
  result.format = format;
  const QByteArray name = qtFormatName(format);
  if (name.isEmpty()) return withStatus(std::move(result), DecodeStatus::UnknownFormat);

  // The reader only borrows the bytes; they outlive it.
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::ReadOnly))
    return withStatus(std::move(result), DecodeStatus::Corrupt);
  QImageReader reader(&buffer, name);
  reader.setDecideFormatFromContent(false);
  reader.setAllocationLimit(static_cast<int>(kPictureMaxDecodedBytes / (1024 * 1024)));
  if (format == PictureFormat::Gif) return readAnimation(bytes, reader, std::move(result));
  if (format == PictureFormat::Bmp) return readBitmap(bytes, reader, std::move(result));
  return readIcon(bytes, reader, std::move(result));
}
