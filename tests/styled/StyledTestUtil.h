#pragma once
// Helpers for the styled tests: render a control into an image pre-filled with a sentinel colour,
// read pixels back as TColor.
#include <QImage>
#include <QWidget>

#include "core/Colors.h"
#include "platform/DrawSurface.h"

namespace pintoola::testing {

// A colour no control paints: shows where a control left the surface untouched.
constexpr TColor kSentinel = 0x123456;

// The green of the 55 one-row bands of an aqua-to-blue gradient (red 0, blue 255): band r is
// 255 − 255 × (r + 1) ÷ 55 rounded to the nearest, so the last band is blue itself.
constexpr int kAquaToBlueGreen[55] = {250, 246, 241, 236, 232, 227, 223, 218, 213, 209, 204, 199, 195, 190,
                                      185, 181, 176, 172, 167, 162, 158, 153, 148, 144, 139, 134, 130, 125,
                                      121, 116, 111, 107, 102, 97,  93,  88,  83,  79,  74,  70,  65,  60,
                                      56,  51,  46,  42,  37,  32,  28,  23,  19,  14,  9,   5,   0};

inline QImage Render(QWidget& w, bool children = false) {
  QImage image(w.size(), QImage::Format_RGB32);
  image.fill(ToQColor(kSentinel));
  w.render(&image, QPoint(), QRegion(), children ? QWidget::DrawChildren : QWidget::RenderFlags());
  return image;
}

inline TColor Pixel(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

// Bounding box of the pixels accepted by pred; an empty QRect when none is.
template <class Pred>
QRect BoxOf(const QImage& image, Pred pred) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (pred(image.pixelColor(x, y))) box = box.united(QRect(x, y, 1, 1));
  return box;
}

// Paints into a fresh image through a drawing surface.
template <class Fn>
QImage Paint(int w, int h, Fn fn) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(ToQColor(kSentinel));
  {
    QPainter painter(&image);
    DrawSurface surface(painter);
    fn(surface);
  }
  return image;
}

}  // namespace pintoola::testing
