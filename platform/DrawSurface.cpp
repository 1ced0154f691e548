#include "platform/DrawSurface.h"

#include "engine/Brush.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QTextOption>
#include <cmath>

namespace pintoola {

QColor ToQColor(TColor color) {
  const TColor c = ColorToRGB(color);
  return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

TRect FromQRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }

QFont ToQFont(const TFontSpec& font) {
  QFont f(font.name);
  if (font.height < 0) {
    f.setPixelSize(-font.height);
  } else if (font.height > 0) {
    // A cell height includes the internal leading; the character height is about 80 % of it.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.height * 0.8))));
  } else {
    f.setPixelSize(11);
  }
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setStrikeOut(font.strikeOut);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

namespace {

// Hatched brushes use the page engine's 8 × 8 tiles, so controls and pages show the same lines.
QImage HatchTile(TBrushStyle style, const QColor& color) {
  QImage tile(8, 8, QImage::Format_ARGB32);
  tile.fill(Qt::transparent);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (OnHatchLine(static_cast<int>(style) - 2, x, y)) tile.setPixelColor(x, y, color);
  return tile;
}

}  // namespace

DrawSurface::DrawSurface(QPainter& painter) : p_(painter) {
  p_.setRenderHint(QPainter::Antialiasing, false);
  p_.setRenderHint(QPainter::TextAntialiasing, true);
}

void DrawSurface::SetBrush(TColor color, TBrushStyle style) {
  brushColor_ = color;
  brushStyle_ = style;
}

void DrawSurface::SetFont(const TFontSpec& font) { font_ = font; }

void DrawSurface::FillRect(const TRect& r) {
  if (r.IsEmpty() || brushStyle_ == bsClear) return;
  if (brushStyle_ == bsSolid) {
    p_.fillRect(ToQRect(r), ToQColor(brushColor_));
    return;
  }
  QBrush brush(HatchTile(brushStyle_, ToQColor(brushColor_)));
  p_.save();
  p_.setBrushOrigin(0, 0);
  p_.fillRect(ToQRect(r), brush);
  p_.restore();
}

void DrawSurface::FillSolid(const TRect& r, TColor color) {
  if (!r.IsEmpty()) p_.fillRect(ToQRect(r), ToQColor(color));
}

void DrawSurface::FrameRect(const TRect& r, TColor color) {
  if (r.IsEmpty()) return;
  const QColor c = ToQColor(color);
  p_.fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
  p_.fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
  p_.fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
  p_.fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void DrawSurface::LineTo(int x, int y) {
  const QColor c = ToQColor(penColor_);
  const int x0 = penPos_.X, y0 = penPos_.Y;
  penPos_ = {x, y};
  if (x0 == x && y0 == y) return;
  if (y0 == y) {
    p_.fillRect(QRect(x < x0 ? x + 1 : x0, y0, std::abs(x - x0), 1), c);
    return;
  }
  if (x0 == x) {
    const int len = std::abs(y - y0);
    p_.fillRect(QRect(x0, y < y0 ? y + 1 : y0, 1, len), c);
    return;
  }
  // General lines: Bresenham, end point excluded.
  const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
  const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
  int err = dx + dy, cx = x0, cy = y0;
  p_.setPen(c);
  while (!(cx == x && cy == y)) {
    p_.drawPoint(cx, cy);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      cx += sx;
    }
    if (e2 <= dx) {
      err += dx;
      cy += sy;
    }
  }
}

void DrawSurface::SetPixel(int x, int y, TColor color) { p_.fillRect(QRect(x, y, 1, 1), ToQColor(color)); }

void DrawSurface::Rectangle(const TRect& r) {
  if (r.IsEmpty()) return;
  FillRect(r.Inflated(-1, -1));
  FrameRect(r, penColor_);
}

void DrawSurface::Ellipse(const TRect& r) {
  if (r.IsEmpty()) return;
  p_.save();
  p_.setRenderHint(QPainter::Antialiasing, true);
  p_.setPen(QPen(ToQColor(penColor_), 1));
  if (brushStyle_ == bsSolid)
    p_.setBrush(ToQColor(brushColor_));
  else if (brushStyle_ == bsClear)
    p_.setBrush(Qt::NoBrush);
  else
    p_.setBrush(QBrush(HatchTile(brushStyle_, ToQColor(brushColor_))));
  p_.drawEllipse(QRectF(r.Left + 0.5, r.Top + 0.5, r.Width() - 1, r.Height() - 1));
  p_.restore();
}

void DrawSurface::TextOut(int x, int y, const QString& text) {
  const QFont f = ToQFont(font_);
  const QFontMetrics fm(f);
  p_.save();
  p_.setFont(f);
  if (bkMode_ == OPAQUE) p_.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), ToQColor(bkColor_));
  p_.setPen(ToQColor(textColor_));
  if (font_.escapement != 0) {
    p_.translate(x, y);
    p_.rotate(-font_.escapement / 10.0);
    p_.drawText(0, fm.ascent(), text);
  } else {
    p_.drawText(x, y + fm.ascent(), text);
  }
  p_.restore();
}

int DrawSurface::DrawText(const QString& text, TRect& r, unsigned format) {
  const QFont f = ToQFont(font_);
  const QFontMetrics fm(f);
  int flags = 0;
  flags |= (format & DT_CENTER) ? Qt::AlignHCenter : (format & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
  if (format & DT_SINGLELINE)
    flags |= (format & DT_VCENTER) ? Qt::AlignVCenter : (format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
  else
    flags |= Qt::AlignTop;
  if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
  if (format & DT_SINGLELINE) flags |= Qt::TextSingleLine;
  if (format & DT_EXPANDTABS) flags |= Qt::TextExpandTabs;
  if (!(format & DT_NOPREFIX)) flags |= Qt::TextShowMnemonic;
  QString shown = text;
  if ((format & DT_END_ELLIPSIS) && (format & DT_SINGLELINE)) shown = fm.elidedText(text, Qt::ElideRight, r.Width());

  if (format & DT_CALCRECT) {
    const int width = (format & DT_WORDBREAK) ? std::max(1, r.Width()) : 100000;
    const QRect b = fm.boundingRect(QRect(r.Left, r.Top, width, 100000), flags & ~(Qt::AlignHCenter | Qt::AlignRight), shown);
    r.Right = r.Left + b.width();
    r.Bottom = r.Top + b.height();
    return b.height();
  }
  p_.save();
  p_.setFont(f);
  p_.setPen(ToQColor(textColor_));
  QRect drawn;
  const QRect target = ToQRect(r);
  if (bkMode_ == OPAQUE) {
    const QRect b = fm.boundingRect(target, flags, shown);
    p_.fillRect(b, ToQColor(bkColor_));
  }
  if (!(format & DT_NOCLIP)) p_.setClipRect(target, Qt::IntersectClip);
  p_.drawText(target, flags, shown, &drawn);
  p_.restore();
  return drawn.height();
}

QSize DrawSurface::TextExtent(const QString& text) {
  const QFontMetrics fm(ToQFont(font_));
  return QSize(fm.horizontalAdvance(text), fm.height());
}

void DrawSurface::DrawFocusRect(const TRect& r) {
  if (r.IsEmpty()) return;
  p_.save();
  p_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  const QColor white(255, 255, 255);
  // Every other pixel, walking the frame clockwise from the top-left corner.
  int n = 0;
  auto dot = [&](int x, int y) {
    if (n++ % 2 == 0) p_.fillRect(QRect(x, y, 1, 1), white);
  };
  for (int x = r.Left; x < r.Right; ++x) dot(x, r.Top);
  for (int y = r.Top + 1; y < r.Bottom; ++y) dot(r.Right - 1, y);
  if (r.Bottom - 1 > r.Top)
    for (int x = r.Right - 2; x >= r.Left; --x) dot(x, r.Bottom - 1);
  if (r.Right - 1 > r.Left)
    for (int y = r.Bottom - 2; y > r.Top; --y) dot(r.Left, y);
  p_.restore();
}

void DrawSurface::SaveDC() { p_.save(); }

void DrawSurface::RestoreDC() { p_.restore(); }

void DrawSurface::ExcludeClipRect(const TRect& r) {
  if (r.IsEmpty()) return;
  const QPaintDevice* device = p_.device();
  const QRegion current =
      p_.hasClipping() ? p_.clipRegion() : QRegion(0, 0, device ? device->width() : 0, device ? device->height() : 0);
  p_.setClipRegion(current.subtracted(QRegion(ToQRect(r))), Qt::ReplaceClip);
}

QImage KeyedImage(const QImage& image, TColor keyColor) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  if (keyColor == clNone) return out;
  const QRgb key = ToQColor(keyColor).rgb() & 0xFFFFFF;
  for (int y = 0; y < out.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
  }
  return out;
}

void DrawSurface::DrawBitmap(int x, int y, const QImage& image, TColor keyColor) {
  if (image.isNull()) return;
  p_.drawImage(x, y, keyColor == clNone ? image : KeyedImage(image, keyColor));
}

void DrawSurface::StretchDraw(const TRect& dst, const QImage& image, const TRect& src, TColor keyColor) {
  if (image.isNull() || dst.IsEmpty() || src.IsEmpty()) return;
  p_.save();
  p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p_.drawImage(ToQRect(dst), keyColor == clNone ? image : KeyedImage(image, keyColor), ToQRect(src));
  p_.restore();
}

}  // namespace pintoola
