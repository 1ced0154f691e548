#include "platform/TextStamp.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

namespace pintoola {

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
  if (raster.width <= 0 || raster.height <= 0) return TextRaster{};
  QImage img(raster.width, raster.height, QImage::Format_Grayscale8);
  img.fill(0);
  {
    QPainter p(&img);
    p.setFont(f);
    p.setPen(QColor(255, 255, 255));
    p.drawText(0, fm.ascent(), s);
  }
  raster.coverage.resize(static_cast<size_t>(raster.width) * static_cast<size_t>(raster.height));
  for (int y = 0; y < raster.height; ++y)
    std::copy_n(img.constScanLine(y), raster.width, raster.coverage.begin() + static_cast<ptrdiff_t>(y) * raster.width);
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
