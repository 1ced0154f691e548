#pragma once
// A GDI-like drawing surface over a QPainter. Every control paints through it, so that the rules
// the controls rely on (end points excluded from lines, right/bottom excluded from fills, hatches
// anchored to the device origin, colour-keyed bitmaps) hold in one place.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include "core/Colors.h"
#include "core/Geometry.h"
#include "core/Types.h"

namespace pintoola {

enum TBkMode { TRANSPARENT = 1, OPAQUE = 2 };

// Text format flags of DrawText.
enum : unsigned {
  DT_LEFT = 0x0,
  DT_TOP = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_EXPANDTABS = 0x40,
  DT_NOCLIP = 0x100,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_END_ELLIPSIS = 0x8000,
};

// A font as the controls describe it. Height below zero is the character height in pixels; above
// zero the cell height; zero the default.
struct TFontSpec {
  QString name = QStringLiteral("Tahoma");
  int height = -11;
  TColor color = clWindowText;
  bool bold = false, italic = false, underline = false, strikeOut = false;
  int escapement = 0;  // tenths of a degree, counter-clockwise
  friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

QColor ToQColor(TColor color);  // system colours resolved
TColor FromQColor(const QColor& color);
QRect ToQRect(const TRect& r);
TRect FromQRect(const QRect& r);
QFont ToQFont(const TFontSpec& font);

class DrawSurface {
 public:
  explicit DrawSurface(QPainter& painter);

  QPainter& Painter() { return p_; }

  void SetBrush(TColor color, TBrushStyle style = bsSolid);
  TColor BrushColor() const { return brushColor_; }
  TBrushStyle BrushStyle() const { return brushStyle_; }
  void SetPen(TColor color) { penColor_ = color; }
  TColor PenColor() const { return penColor_; }
  void SetFont(const TFontSpec& font);
  const TFontSpec& Font() const { return font_; }
  void SetTextColor(TColor color) { textColor_ = color; }
  void SetBkMode(TBkMode mode) { bkMode_ = mode; }
  void SetBkColor(TColor color) { bkColor_ = color; }

  // Fills with the current brush; a hatch paints only its lines (gaps untouched), bsClear nothing.
  void FillRect(const TRect& r);
  void FillSolid(const TRect& r, TColor color);
  // One-pixel frame inside r in the given colour.
  void FrameRect(const TRect& r, TColor color);
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  // Draws from the pen position up to, not including, (x, y) in the pen colour.
  void LineTo(int x, int y);
  void SetPixel(int x, int y, TColor color);
  // Filled with the brush, outlined with the pen.
  void Rectangle(const TRect& r);
  void Ellipse(const TRect& r);

  void TextOut(int x, int y, const QString& text);
  // Returns the text height; with DT_CALCRECT only measures, widening or shortening r.
  int DrawText(const QString& text, TRect& r, unsigned format);
  QSize TextExtent(const QString& text);

  // Inverts a dotted one-pixel frame inside r; drawing it twice restores the pixels.
  void DrawFocusRect(const TRect& r);
  // Draws image at (x, y); pixels of exactly keyColor (when not clNone) are left out.
  void DrawBitmap(int x, int y, const QImage& image, TColor keyColor = clNone);
  // Stretches src of image into dst; pixels of keyColor (when not clNone) are left out.
  void StretchDraw(const TRect& dst, const QImage& image, const TRect& src, TColor keyColor = clNone);

  // Clipping, GDI-like: SaveDC keeps the clip region, RestoreDC brings back the last one kept;
  // ExcludeClipRect takes r out of what later drawing may touch.
  void SaveDC();
  void RestoreDC();
  void ExcludeClipRect(const TRect& r);

 private:
  QPainter& p_;
  TColor brushColor_ = clWhite;
  TBrushStyle brushStyle_ = bsSolid;
  TColor penColor_ = clBlack;
  TColor textColor_ = clBlack;
  TColor bkColor_ = clWhite;
  TBkMode bkMode_ = OPAQUE;
  TFontSpec font_;
  TPoint penPos_;
};

// An image with every pixel of keyColor made transparent (for colour-keyed drawing).
QImage KeyedImage(const QImage& image, TColor keyColor);

}  // namespace pintoola
