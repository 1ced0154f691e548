#include "platform/TextStamp.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

namespace pintoola {

namespace {

// The smallest rectangle holding every non-zero pixel of a grey image (empty when there is none).
QRect InkedRect(const QImage& img) {
  int left = img.width(), top = img.height(), right = -1, bottom = -1;
  for (int y = 0; y < img.height(); ++y) {
    const uchar* row = img.constScanLine(y);
    for (int x = 0; x < img.width(); ++x) {
      if (row[x] == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = y;
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

TextRaster QtTextRasterizer::Rasterize(const std::u32string& text, const PageFont& font, int pixelHeight) {
  QFont f(QString::fromStdString(font.name));
  f.setPixelSize(std::max(1, pixelHeight));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setStrikeOut(font.strikeOut);
  // A typed line break is drawn as a character of the line, never as a new line.
  QString s = QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
  for (QChar& c : s)
    if (c == u'\n' || c == u'\r' || c == u'\t') c = QChar(0x25A1);
  const QFontMetrics fm(f);
  TextRaster raster;
  raster.width = fm.horizontalAdvance(s);
  raster.height = fm.height();
  if (raster.height <= 0) return TextRaster{};

  // The ink may reach past the advance box on any side (an italic J by 5 pixels at 27): draw on a
  // canvas holding the box and the glyphs' bounds with room to spare, and keep what was inked.
  const int room = raster.height / 4 + 2;
  const QRect reach = QRect(0, 0, raster.width, raster.height).united(fm.boundingRect(s).translated(0, fm.ascent()));
  const QRect area = reach.adjusted(-room, -room, room, room);
  QImage img(area.size(), QImage::Format_Grayscale8);
  img.fill(0);
  {
    QPainter p(&img);
    p.setFont(f);
    p.setPen(QColor(255, 255, 255));
    p.drawText(-area.left(), -area.top() + fm.ascent(), s);
  }
  const QRect inked = InkedRect(img);
  if (inked.isEmpty()) return raster;
  raster.inkLeft = area.left() + inked.left();
  raster.inkTop = area.top() + inked.top();
  raster.inkWidth = inked.width();
  raster.inkHeight = inked.height();
  raster.coverage.resize(static_cast<size_t>(raster.inkWidth) * static_cast<size_t>(raster.inkHeight));
  for (int y = 0; y < raster.inkHeight; ++y)
    std::copy_n(img.constScanLine(inked.top() + y) + inked.left(), raster.inkWidth,
                raster.coverage.begin() + static_cast<ptrdiff_t>(y) * raster.inkWidth);
  return raster;
}

int ScreenPixelsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
}

void StampText(PageBitmap& page, int x, int y, const std::u32string& text, int screenDpi) {
  QtTextRasterizer rasterizer;
  DrawPageText(page, x, y, text, rasterizer, screenDpi);
}

}  // namespace pintoola
