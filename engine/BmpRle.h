#pragma once
// Run-length-encoded BMP pixel data (8-bit kind 1, 4-bit kind 2) decoded into a 24-bit image.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/PageBitmap.h"

namespace pintoola {

// `out` must already have its size, stride and zeroed 24-bit pixels. Stream rows count in storage
// order (the first row of the stream is storage row 0). Whatever the stream says, nothing is
// written outside `out`: runs are clipped at the row end, decoding stops at the last row, at the
// end-of-bitmap escape or where the data runs out. Pixels the stream skips stay black.
void DecodeRle(const uint8_t* data, size_t size, int kind, const std::vector<RGBQuad>& table,
               BitmapImage& out);

}  // namespace pintoola
