#include "platform/QtBitmapDecoder.h"

#include <QImage>

#include <cstring>

namespace pintoola {

namespace {

uint32_t U32(const std::vector<uint8_t>& f, size_t at) {
  return static_cast<uint32_t>(f[at]) | (static_cast<uint32_t>(f[at + 1]) << 8) |
         (static_cast<uint32_t>(f[at + 2]) << 16) | (static_cast<uint32_t>(f[at + 3]) << 24);
}

QImage DecodeAt(const std::vector<uint8_t>& file, uint64_t offset, uint64_t length, const char* format) {
  if (offset >= file.size()) return {};
  length = std::min<uint64_t>(length, file.size() - offset);
  if (length == 0 || length > static_cast<uint64_t>(INT32_MAX)) return {};
  return QImage::fromData(file.data() + offset, static_cast<int>(length), format);
}

}  // namespace

std::shared_ptr<BitmapImage> QtCompressedBitmapDecoder::Decode(const std::vector<uint8_t>& file, int& errorCode,
                                                              std::string& errorText) {
  errorCode = 0;
  errorText.clear();
  if (file.size() < 14 + 40) return nullptr;
  const uint32_t headerSize = U32(file, 14);
  if (headerSize < 40) return nullptr;
  const uint32_t compression = U32(file, 14 + 16);
  if (compression != 4 && compression != 5) return nullptr;
  const char* format = compression == 4 ? "JPEG" : "PNG";
  const uint32_t imageSize = U32(file, 14 + 20);
  const uint32_t colorsUsed = U32(file, 14 + 32);

  // The engine takes the data to follow the header and colour table; writers that leave a gap
  // still say where it starts in the file header.
  const uint64_t afterTable = 14 + uint64_t{headerSize} + 4 * uint64_t{colorsUsed};
  const uint64_t length = imageSize != 0 ? imageSize : UINT64_MAX;
  QImage decoded = DecodeAt(file, afterTable, length, format);
  const uint32_t pixelOffset = U32(file, 10);
  if (decoded.isNull() && pixelOffset != afterTable) decoded = DecodeAt(file, pixelOffset, length, format);
  if (decoded.isNull()) return nullptr;
  decoded = decoded.convertToFormat(QImage::Format_BGR888);
  if (decoded.isNull()) return nullptr;

  auto img = std::make_shared<BitmapImage>();
  img->width = decoded.width();
  img->height = decoded.height();
  img->depth = 24;
  img->stride = BitmapImage::StrideFor(img->width, 24);
  img->pixels = PixelBuffer(static_cast<size_t>(img->stride) * static_cast<size_t>(img->height), true);
  const size_t rowBytes = static_cast<size_t>(img->width) * 3;
  for (int y = 0; y < img->height; ++y) std::memcpy(img->Row(y), decoded.constScanLine(y), rowBytes);
  return img;
}

}  // namespace pintoola
