#include "art/Artwork.h"

namespace pintoola::art {
QImage PlaceholderGlyph() {
  QImage img(32, 32, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  return img;
}
}  // namespace pintoola::art
