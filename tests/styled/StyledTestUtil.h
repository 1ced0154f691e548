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
