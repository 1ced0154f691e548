#pragma once
// Drawing a line of text onto the page: the signature stamp.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/PageBitmap.h"

namespace pintoola {

// One line of text. Its box, from the text's top-left corner, is as wide as the text's advance and
// as high as the font's line. The ink may reach beyond the box on any side (a leaning J, an
// overhanging f), so the coverage has a rectangle of its own, placed from the box's corner:
// inkWidth × inkHeight bytes, 0 (background) … 255 (ink).
struct TextRaster {
  int width = 0;
  int height = 0;
  int inkLeft = 0;
  int inkTop = 0;
  int inkWidth = 0;
  int inkHeight = 0;
  std::vector<uint8_t> coverage;
};

// Turns text into coverage; implemented by the platform's font engine.
class TextRasterizer {
 public:
  virtual ~TextRasterizer() = default;
  // pixelHeight is the character height in pixels for the font's size.
  virtual TextRaster Rasterize(const std::u32string& text, const PageFont& font, int pixelHeight) = 0;
};

// Character height in pixels for a size in points: size × dpi / 72, rounded to nearest, ties to even.
int FontPixelHeight(int points, int dpi);

// Draws text with its top-left corner at (x, y) in the page canvas's font. With a solid brush the
// text's box is first filled with the brush colour (opaque background); with any other style only
// the glyphs are drawn. The glyphs are drawn whole, also where they reach beyond the box; only the
// page's edges cut the drawing. Announces the change.
void DrawPageText(PageBitmap& page, int x, int y, const std::u32string& text, TextRasterizer& rasterizer,
                  int screenDpi);

}  // namespace pintoola
