#pragma once
#include <QImage>

#include "engine/PageBitmap.h"

namespace pintoola {

// The page as a QImage, for display, printing and the clipboard. Empty page: a null image.
QImage ToQImage(const PageBitmap& page);
QImage ToQImage(const BitmapImage& image);

}  // namespace pintoola
