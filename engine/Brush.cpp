#include "engine/Brush.h"

#include <algorithm>
#include <cstring>

namespace pintoola {

TColor ResolveBrushColor(TColor color) { return ColorToRGB(color); }

RealizedBrush RealizeBrush(TColor color, TBrushStyle style) {
  RealizedBrush b;
  b.color = ResolveBrushColor(color);
  if (style == bsSolid) {
    b.kind = BrushKind::Solid;
    b.bkMode = BK_OPAQUE;
    b.bkColor = b.color;
    return b;
  }
  b.kind = style == bsClear ? BrushKind::Hollow : BrushKind::Hatched;
  b.hatch = style == bsClear ? 0 : static_cast<int>(style) - 2;
  b.bkMode = BK_TRANSPARENT;
  b.bkColor = static_cast<TColor>(~static_cast<uint32_t>(b.color));
  return b;
}

void PaintRun(uint8_t* row, int x0, int x1, TColor color) {
  if (x1 <= x0) return;
  const uint8_t px[3] = {GetBValue(color), GetGValue(color), GetRValue(color)};
  uint8_t* p = row + 3 * static_cast<size_t>(x0);
  size_t n = static_cast<size_t>(x1 - x0);
  if (n < 16) {
    for (; n; --n, p += 3) std::memcpy(p, px, 3);
    return;
  }
  // 16 pixels are 48 bytes, a whole number of 8-byte words: block copies of the pattern.
  uint8_t pattern[48];
  for (int i = 0; i < 16; ++i) std::memcpy(pattern + 3 * i, px, 3);
  for (; n >= 16; n -= 16, p += 48) std::memcpy(p, pattern, 48);
  std::memcpy(p, pattern, 3 * n);
}

void FillRect(BitmapImage& image, const TRect& rect, const RealizedBrush& brush) {
  if (image.depth != 24 || brush.kind == BrushKind::Hollow) return;
  const int left = std::max(rect.Left, 0), right = std::min(rect.Right, image.width);
  const int top = std::max(rect.Top, 0), bottom = std::min(rect.Bottom, image.height);
  if (left >= right || top >= bottom) return;
  const uint8_t b = GetBValue(brush.color), g = GetGValue(brush.color), r = GetRValue(brush.color);
  for (int y = top; y < bottom; ++y) {
    uint8_t* row = image.Row(y);
    if (brush.kind == BrushKind::Solid) {
      PaintRun(row, left, right, brush.color);
      continue;
    }
    const uint8_t bits = HatchRowBits(brush.hatch, y);
    if (bits == 0xFF) {
      PaintRun(row, left, right, brush.color);
      continue;
    }
    for (int i = 0; i < 8; ++i) {
      if (!(bits & (1u << i))) continue;
      for (int x = left + ((i - left) & 7); x < right; x += 8) {
        uint8_t* p = row + 3 * static_cast<size_t>(x);
        p[0] = b;
        p[1] = g;
        p[2] = r;
      }
    }
  }
}

}  // namespace pintoola
