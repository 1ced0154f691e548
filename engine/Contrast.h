#pragma once
// The contrast curve behind "Fix image".
#include <array>
#include <cstdint>

#include "engine/PageBitmap.h"

namespace pintoola {

// Output byte for every input byte at strength aContrast (−100…100), computed with the exact
// sequence of double-precision steps the curve is defined by; see Contrast.cpp.
std::array<uint8_t, 256> ContrastTable(int aContrast);

// Maps every channel byte of every pixel through ContrastTable(aContrast), in place; row padding
// is not touched. A strength outside −100…100 changes nothing. A page of fewer than two rows
// raises EPintoolaError("Error") and stays as it was (its pixels are not even unshared). A page of
// another depth is first converted to 24 bits, as any drawing does. Signals the page's change, so
// the view repaints; `PageCanvas` is untouched.
void ContrastImage(PageBitmap& page, int aContrast);

}  // namespace pintoola
