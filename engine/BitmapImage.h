#pragma once
// One picture's pixel rows with their format, as read from (or to be written to) a BMP file.
#include <cstdint>
#include <memory>
#include <vector>

#include "core/Colors.h"
#include "engine/PixelBuffer.h"

namespace pintoola {

struct RGBQuad {
  uint8_t blue = 0, green = 0, red = 0, reserved = 0;
};

// One image as read from (or to be written to) a file. Row 0 is the top row whatever the order.
struct BitmapImage {
  int width = 0;
  int height = 0;  // always positive
  bool topDown = false;
  int depth = 24;  // 1, 4, 8, 16, 24 or 32
  uint32_t compression = 0;  // 0, or 3 for bit fields
  uint32_t redMask = 0, greenMask = 0, blueMask = 0;
  std::vector<RGBQuad> colorTable;
  bool hasPalette = false;  // a deep picture whose file carried a colour table, written back
  int32_t xPelsPerMeter = 0, yPelsPerMeter = 0;
  uint32_t colorsUsed = 0, colorsImportant = 0;
  bool fromCoreHeader = false;
  int stride = 0;
  PixelBuffer pixels;

  static int StrideFor(int width, int depth) {
    return static_cast<int>(((static_cast<int64_t>(width) * depth + 31) / 32) * 4);
  }
  // Storage order is bottom-up unless topDown; these map a top-based row to its bytes.
  uint8_t* Row(int r) { return pixels.data() + static_cast<size_t>(StorageRow(r)) * static_cast<size_t>(stride); }
  const uint8_t* Row(int r) const {
    return pixels.data() + static_cast<size_t>(StorageRow(r)) * static_cast<size_t>(stride);
  }
  int StorageRow(int r) const { return topDown ? r : height - 1 - r; }

  // The colour of pixel (x, y), which must lie inside; as 0x00BBGGRR.
  TColor PixelAt(int x, int y) const;
  // A private copy of every field and every pixel byte.
  std::shared_ptr<BitmapImage> Clone() const;
};

}  // namespace pintoola
