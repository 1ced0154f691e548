#include "engine/BitmapImage.h"

#include <bit>
#include <cstring>

namespace pintoola {

namespace {

// Scales the field selected by `mask` to 0…255.
uint8_t MaskedChannel(uint32_t value, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const uint32_t field = mask >> shift;
  const uint32_t v = (value & mask) >> shift;
  if (field >= 255) return static_cast<uint8_t>(v >> (std::bit_width(field) - 8));
  return static_cast<uint8_t>((v * 255 + field / 2) / field);
}

}  // namespace

TColor BitmapImage::PixelAt(int x, int y) const {
  const uint8_t* row = Row(y);
  auto fromTable = [this](unsigned index) -> TColor {
    if (index >= colorTable.size()) return clBlack;
    const RGBQuad& q = colorTable[index];
    return RGB(q.red, q.green, q.blue);
  };
  switch (depth) {
    case 1:
      return fromTable((row[x >> 3] >> (7 - (x & 7))) & 1u);
    case 4:
      return fromTable((x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4));
    case 8:
      return fromTable(row[x]);
    case 16: {
      const uint32_t v = row[2 * x] | (row[2 * x + 1] << 8);
      // Bit fields with no masks mean 5-6-5, as they are written back; plain 16 bits are 5-5-5.
      const bool fields = compression == 3;
      const bool given = (redMask | greenMask | blueMask) != 0;
      const uint32_t r = fields ? (given ? redMask : 0xF800) : 0x7C00;
      const uint32_t g = fields ? (given ? greenMask : 0x07E0) : 0x03E0;
      const uint32_t b = fields ? (given ? blueMask : 0x001F) : 0x001F;
      return RGB(MaskedChannel(v, r), MaskedChannel(v, g), MaskedChannel(v, b));
    }
    case 24: {
      const uint8_t* p = row + 3 * x;
      return RGB(p[2], p[1], p[0]);
    }
    case 32: {
      const uint8_t* p = row + 4 * x;
      if (compression == 3 && (redMask | greenMask | blueMask) != 0) {
        uint32_t v;
        std::memcpy(&v, p, 4);
        return RGB(MaskedChannel(v, redMask), MaskedChannel(v, greenMask), MaskedChannel(v, blueMask));
      }
      return RGB(p[2], p[1], p[0]);
    }
    default:
      return clBlack;
  }
}

std::shared_ptr<BitmapImage> BitmapImage::Clone() const {
  auto copy = std::make_shared<BitmapImage>();
  copy->width = width;
  copy->height = height;
  copy->topDown = topDown;
  copy->depth = depth;
  copy->compression = compression;
  copy->redMask = redMask;
  copy->greenMask = greenMask;
  copy->blueMask = blueMask;
  copy->colorTable = colorTable;
  copy->hasPalette = hasPalette;
  copy->xPelsPerMeter = xPelsPerMeter;
  copy->yPelsPerMeter = yPelsPerMeter;
  copy->colorsUsed = colorsUsed;
  copy->colorsImportant = colorsImportant;
  copy->fromCoreHeader = fromCoreHeader;
  copy->stride = stride;
  copy->pixels = PixelBuffer(pixels.size(), false);
  if (pixels.size()) std::memcpy(copy->pixels.data(), pixels.data(), pixels.size());
  return copy;
}

}  // namespace pintoola
