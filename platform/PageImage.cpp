#include "platform/PageImage.h"

#include <algorithm>

namespace pintoola {

void ToQImage(const BitmapImage& src, QSize limit, QImage& into) {
  const int w = std::min(src.width, limit.width()), h = std::min(src.height, limit.height());
  if (w <= 0 || h <= 0) {
    into = QImage();
    return;
  }
  if (into.size() != QSize(w, h) || into.format() != QImage::Format_RGB32) into = QImage(w, h, QImage::Format_RGB32);
  if (into.isNull()) return;
  for (int y = 0; y < h; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(into.scanLine(y));
    if (src.depth == 24) {
      const uint8_t* p = src.Row(y);
      for (int x = 0; x < w; ++x, p += 3) line[x] = 0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0];
    } else {
      for (int x = 0; x < w; ++x) {
        const TColor c = src.PixelAt(x, y);
        line[x] = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
      }
    }
  }
}

QImage ToQImage(const BitmapImage& src) {
  QImage out;
  ToQImage(src, QSize(src.width, src.height), out);
  return out;
}

QImage ToQImage(const PageBitmap& page) {
  const BitmapImage* img = page.Image();
  return img ? ToQImage(*img) : QImage();
}

}  // namespace pintoola
