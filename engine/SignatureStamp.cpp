#include "engine/SignatureStamp.h"

#include <algorithm>

#include "engine/Brush.h"

namespace pintoola {

int FontPixelHeight(int points, int dpi) {
  // Exact in integers; a half goes to the even neighbour (11 pt at 108 dpi is 16, not 17).
  const int64_t product = int64_t{points} * dpi;
  int64_t whole = product / 72, rest = product % 72;
  if (rest < 0) {
    rest += 72;
    --whole;
  }
  if (2 * rest > 72 || (2 * rest == 72 && whole % 2 != 0)) ++whole;
  return static_cast<int>(whole);
}

void DrawPageText(PageBitmap& page, int x, int y, const std::u32string& text, TextRasterizer& rasterizer,
                  int screenDpi) {
  BitmapImage* img = page.BeginDraw();
  if (!img) return;
  const PageCanvas& canvas = page.Canvas();
  const TColor ink = ColorToRGB(canvas.font.color);
  const RealizedBrush brush = RealizeBrush(canvas.brushColor, canvas.brushStyle);
  const TextRaster raster =
      text.empty() ? TextRaster{} : rasterizer.Rasterize(text, canvas.font, FontPixelHeight(canvas.font.size, screenDpi));

  const int x0 = std::max(0, x), y0 = std::max(0, y);
  const int x1 = static_cast<int>(std::min<int64_t>(img->width, int64_t{x} + raster.width));
  const int y1 = static_cast<int>(std::min<int64_t>(img->height, int64_t{y} + raster.height));
  const bool opaque = brush.bkMode == BK_OPAQUE;
  const uint8_t inkB = GetBValue(ink), inkG = GetGValue(ink), inkR = GetRValue(ink);
  const uint8_t bgB = GetBValue(brush.color), bgG = GetGValue(brush.color), bgR = GetRValue(brush.color);
  for (int py = y0; py < y1; ++py) {
    uint8_t* row = img->Row(py);
    const uint8_t* cov = raster.coverage.data() + static_cast<size_t>(py - y) * static_cast<size_t>(raster.width);
    for (int px = x0; px < x1; ++px) {
      uint8_t* p = row + 3 * px;
      if (opaque) {
        p[0] = bgB;
        p[1] = bgG;
        p[2] = bgR;
      }
      const unsigned a = cov[px - x];
      if (a == 0) continue;
      p[0] = static_cast<uint8_t>((inkB * a + p[0] * (255 - a) + 127) / 255);
      p[1] = static_cast<uint8_t>((inkG * a + p[1] * (255 - a) + 127) / 255);
      p[2] = static_cast<uint8_t>((inkR * a + p[2] * (255 - a) + 127) / 255);
    }
  }
  page.Changed();
}

}  // namespace pintoola
