#include "art/BmpWriter.h"

#include <QSaveFile>

namespace pintoola::art {
namespace {
void PutU16(char* p, uint32_t v) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>((v >> 8) & 0xFF);
}
void PutU32(char* p, uint32_t v) {
  PutU16(p, v & 0xFFFF);
  PutU16(p + 2, v >> 16);
}
}  // namespace

QByteArray EncodeBmp24(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int w = rgb.width(), h = rgb.height();
  const int stride = ((w * 3 + 3) / 4) * 4;
  const uint32_t imageSize = static_cast<uint32_t>(stride) * static_cast<uint32_t>(h);
  QByteArray file(54 + static_cast<qsizetype>(imageSize), '\0');
  char* p = file.data();
  p[0] = 'B';
  p[1] = 'M';
  PutU32(p + 2, 54 + imageSize);
  PutU32(p + 10, 54);
  PutU32(p + 14, 40);
  PutU32(p + 18, static_cast<uint32_t>(w));
  PutU32(p + 22, static_cast<uint32_t>(h));
  PutU16(p + 26, 1);
  PutU16(p + 28, 24);
  PutU32(p + 30, 0);
  PutU32(p + 34, imageSize);
  PutU32(p + 38, 3780);  // 96 pixels per inch
  PutU32(p + 42, 3780);
  for (int y = 0; y < h; ++y) {
    const QRgb* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    char* dst = p + 54 + static_cast<qsizetype>(h - 1 - y) * stride;
    for (int x = 0; x < w; ++x) {
      dst[3 * x] = static_cast<char>(qBlue(src[x]));
      dst[3 * x + 1] = static_cast<char>(qGreen(src[x]));
      dst[3 * x + 2] = static_cast<char>(qRed(src[x]));
    }
  }
  return file;
}

bool WriteBmp24(const QImage& image, const QString& path) {
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = EncodeBmp24(image);
  if (out.write(bytes) != bytes.size()) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}

}  // namespace pintoola::art
