#pragma once
#include <QImage>

namespace pintoola::art {
// Placeholder until the artwork lands: a blank 32 × 32 glyph.
QImage PlaceholderGlyph();
}
