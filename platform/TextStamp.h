#pragma once
#include "engine/SignatureStamp.h"

namespace pintoola {

// Rasterises text with Qt's font engine for the page's signature stamp.
class QtTextRasterizer : public TextRasterizer {
 public:
  TextRaster Rasterize(const std::u32string& text, const PageFont& font, int pixelHeight) override;
};

// The screen's logical pixels per inch (96 on a standard display).
int ScreenPixelsPerInch();

// Stamps text onto the page at (x, y) in the page canvas's font.
void StampText(PageBitmap& page, int x, int y, const std::u32string& text, int screenDpi);

}  // namespace pintoola
