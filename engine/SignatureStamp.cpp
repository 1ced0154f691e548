#include "engine/SignatureStamp.h"

#include <algorithm>

#include "engine/Brush.h"

namespace pintoola {

namespace {

// The part of a width × height rectangle at (left, top) that lies on the page.
TRect OnPage(const BitmapImage& img, int64_t left, int64_t top, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  const auto clampX = [&](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, 0, img.width)); };
  const auto clampY = [&](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, 0, img.height)); };
  return {clampX(left), clampY(top), clampX(left + width), clampY(top + height)};
}

}  // namespace

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
  PageWriter writer(page);
  const BitmapImage* img = writer.Image();
  if (!img) {
    writer.Commit();
    return;
  }
  const PageCanvas& canvas = page.Canvas();
  const TColor ink = ColorToRGB(canvas.font.color);
  const RealizedBrush brush = RealizeBrush(canvas.brushColor, canvas.brushStyle);
  const TextRaster raster =
      text.empty() ? TextRaster{} : rasterizer.Rasterize(text, canvas.font, FontPixelHeight(canvas.font.size, screenDpi));
  const bool opaque = brush.bkMode == BK_OPAQUE;

  // Where the box and the ink land on the page, and the part of the page the text changes.
  const int64_t inkX = int64_t{x} + raster.inkLeft, inkY = int64_t{y} + raster.inkTop;
  const TRect box = opaque ? OnPage(*img, x, y, raster.width, raster.height) : TRect{};
  const TRect glyphs = OnPage(*img, inkX, inkY, raster.inkWidth, raster.inkHeight);
  const TRect changed = Union(box, glyphs);
  BitmapImage& out = writer.Area(changed);

  const uint8_t inkB = GetBValue(ink), inkG = GetGValue(ink), inkR = GetRValue(ink);
  const uint8_t bgB = GetBValue(brush.color), bgG = GetGValue(brush.color), bgR = GetRValue(brush.color);
  for (int py = changed.Top; py < changed.Bottom; ++py) {
    uint8_t* row = out.Row(py);
    const int64_t covRow = (py - inkY) * raster.inkWidth - inkX;
    for (int px = changed.Left; px < changed.Right; ++px) {
      uint8_t* p = row + 3 * px;
      if (box.Contains(px, py)) {
        p[0] = bgB;
        p[1] = bgG;
        p[2] = bgR;
      }
      if (!glyphs.Contains(px, py)) continue;
      const unsigned a = raster.coverage[static_cast<size_t>(covRow + px)];
      if (a == 0) continue;
      p[0] = static_cast<uint8_t>((inkB * a + p[0] * (255 - a) + 127) / 255);
      p[1] = static_cast<uint8_t>((inkG * a + p[1] * (255 - a) + 127) / 255);
      p[2] = static_cast<uint8_t>((inkR * a + p[2] * (255 - a) + 127) / 255);
    }
  }
  writer.Commit();
}

}  // namespace pintoola
