#include "platform/PageImage.h"

#include <cstring>

namespace pintoola {

QImage ToQImage(const BitmapImage& src) {
  QImage out(src.width, src.height, QImage::Format_RGB32);
  if (out.isNull()) return out;
  for (int y = 0; y < src.height; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    if (src.depth == 24) {
      const uint8_t* p = src.Row(y);
      for (int x = 0; x < src.width; ++x, p += 3) line[x] = qRgb(p[2], p[1], p[0]);
    } else {
      for (int x = 0; x < src.width; ++x) {
        const TColor c = src.PixelAt(x, y);
        line[x] = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
      }
    }
  }
  return out;
}

QImage ToQImage(const PageBitmap& page) {
  const BitmapImage* img = page.Image();
  return img ? ToQImage(*img) : QImage();
}

}  // namespace pintoola
