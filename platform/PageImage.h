#pragma once
#include <QImage>

#include "engine/PageBitmap.h"

namespace pintoola {

// The page as a QImage, for display, printing and the clipboard. Empty page: a null image.
QImage ToQImage(const PageBitmap& page);
QImage ToQImage(const BitmapImage& image);

// The top-left part of the image, at most `limit` in size, converted into `into`, whose pixel
// memory is reused when it already has that size (a view refreshes after every click).
void ToQImage(const BitmapImage& image, QSize limit, QImage& into);

}  // namespace pintoola
