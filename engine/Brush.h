#pragma once
// How a brush colour and style become what is painted: one realisation for the page fill and for
// the selected-colour swatch, so both show the same colour and the same lines.
#include <cstdint>

#include "core/Colors.h"
#include "core/Geometry.h"
#include "core/Types.h"
#include "engine/PageBitmap.h"

namespace pintoola {

enum class BrushKind : uint8_t { Solid = 0, Hollow = 1, Hatched = 2 };  // BS_SOLID, BS_NULL, BS_HATCHED

// Background modes of a realised brush.
enum BrushBkMode : int { BK_TRANSPARENT = 1, BK_OPAQUE = 2 };

// Hatch indices (style − 2).
enum HatchIndex : int {
  HS_HORIZONTAL = 0,
  HS_VERTICAL = 1,
  HS_FDIAGONAL = 2,
  HS_BDIAGONAL = 3,
  HS_CROSS = 4,
  HS_DIAGCROSS = 5,
};

struct RealizedBrush {
  TColor color = clBlack;  // resolved, 0x00BBGGRR
  BrushKind kind = BrushKind::Solid;
  int hatch = 0;           // meaningful for Hatched only
  int bkMode = BK_OPAQUE;
  TColor bkColor = clBlack;  // never seen: hatches paint with a transparent background
};

// A system colour (top bit set) becomes its table entry by its low byte; an index the table does
// not know gives black, so −1 paints black.
TColor ResolveBrushColor(TColor color);

RealizedBrush RealizeBrush(TColor color, TBrushStyle style);

// Whether page pixel (x, y) lies on a line of the 8 × 8 hatch tile anchored at (0, 0). The lines
// sit on the tile's last row/column and on its diagonals, as the drawing surface draws them.
constexpr bool OnHatchLine(int hatch, int x, int y) {
  const int tx = x & 7, ty = y & 7;  // two's complement: correct for negative coordinates too
  switch (hatch) {
    case HS_HORIZONTAL: return ty == 7;
    case HS_VERTICAL: return tx == 7;
    case HS_FDIAGONAL: return tx == ty;
    case HS_BDIAGONAL: return tx + ty == 7;
    case HS_CROSS: return tx == 7 || ty == 7;
    case HS_DIAGCROSS: return tx == ty || tx + ty == 7;
    default: return false;
  }
}

// Bit i set when pixel columns with x & 7 == i are on a line in a row with y & 7 == ty.
constexpr uint8_t HatchRowBits(int hatch, int y) {
  uint8_t bits = 0;
  for (int i = 0; i < 8; ++i)
    if (OnHatchLine(hatch, i, y)) bits = static_cast<uint8_t>(bits | (1u << i));
  return bits;
}

// Paints `rect` (right and bottom excluded, clipped to the image) of a 24-bit image with the brush:
// solid paints every pixel, a hatch only its line pixels, a hollow brush nothing. Other depths are
// left alone.
void FillRect(BitmapImage& image, const TRect& rect, const RealizedBrush& brush);

// Paints pixels [x0, x1) of a 24-bit row with one colour.
void PaintRun(uint8_t* row, int x0, int x1, TColor color);

}  // namespace pintoola
