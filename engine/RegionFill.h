#pragma once
// The flood fill a click on the page causes.
#include "core/Colors.h"
#include "core/Types.h"
#include "engine/PageBitmap.h"

namespace pintoola {

// Fills the area of (x, y) with `color` in `style`. The page's brush takes colour and style first
// and keeps them. The area is every pixel connected to (x, y) through its four edge neighbours
// (not the diagonal ones) that has exactly the start colour, all 24 bits equal. A hatch paints only
// the area pixels on its lines (tiles anchored at the page origin); the others keep the start
// colour. A point outside the page paints nothing. A fill always counts as drawing: the page gets
// its own pixels (a page of another depth becomes 24 bits) and signals a change, even when no pixel
// ends up different. When memory runs out part-way (std::bad_alloc), the page's pixels are as they
// were before the fill.
//
// Work is bounded by the page: an explicit span stack and a one-bit-per-pixel area mask, both
// reused between calls, no recursion.
void FillRegion(PageBitmap& page, int x, int y, TColor color, TBrushStyle style);

}  // namespace pintoola
