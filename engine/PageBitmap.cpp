#include "engine/PageBitmap.h"

#include <bit>
#include <cstring>

#include "core/Errors.h"

namespace pintoola {

namespace {

CompressedBitmapDecoder* g_decoder = nullptr;

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

TColor PageBitmap::Pixels(int x, int y) const {
  if (!image_ || x < 0 || y < 0 || x >= image_->width || y >= image_->height) return -1;
  return image_->PixelAt(x, y);
}

void PageBitmap::Unshare() {
  fileBytes_.reset();
  if (!image_) return;
  if (image_.use_count() > 1) image_ = image_->Clone();
  image_->colorsUsed = 0;
  image_->colorsImportant = 0;
}

uint8_t* PageBitmap::ScanLine(int row) {
  if (!image_ || row < 0 || row >= image_->height) throw EPintoolaError("Scan line index out of range");
  Unshare();
  return image_->Row(row);
}

const uint8_t* PageBitmap::ConstScanLine(int row) const {
  if (!image_ || row < 0 || row >= image_->height) throw EPintoolaError("Scan line index out of range");
  return image_->Row(row);
}

void PageBitmap::Assign(const PageBitmap* other) {
  if (other != this) {
    if (other) {
      image_ = other->image_;
      fileBytes_ = other->fileBytes_;
    } else {
      image_.reset();
      fileBytes_.reset();
    }
  }
  Changed();
}

void PageBitmap::SetSize(int width, int height, TColor fill) {
  if (width <= 0 || height <= 0) {
    image_.reset();
    fileBytes_.reset();
    Changed();
    return;
  }
  auto img = std::make_shared<BitmapImage>();
  img->width = width;
  img->height = height;
  img->depth = 24;
  img->stride = BitmapImage::StrideFor(width, 24);
  img->pixels = PixelBuffer(static_cast<size_t>(img->stride) * static_cast<size_t>(height), true);
  const TColor c = ColorToRGB(fill);
  for (int y = 0; y < height; ++y) {
    uint8_t* p = img->Row(y);
    for (int x = 0; x < width; ++x, p += 3) {
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  }
  image_ = std::move(img);
  fileBytes_.reset();
  Changed();
}

BitmapImage* PageBitmap::BeginDraw() {
  if (!image_) {
    fileBytes_.reset();
    return nullptr;
  }
  if (image_->depth == 24) {
    Unshare();
    return image_.get();
  }
  // Another depth: rebuild at 24 bits from the exact colours; the old image stays with any
  // snapshot that shares it.
  const BitmapImage& src = *image_;
  auto img = std::make_shared<BitmapImage>();
  img->width = src.width;
  img->height = src.height;
  img->topDown = src.topDown;
  img->depth = 24;
  img->xPelsPerMeter = src.xPelsPerMeter;
  img->yPelsPerMeter = src.yPelsPerMeter;
  img->stride = BitmapImage::StrideFor(src.width, 24);
  img->pixels = PixelBuffer(static_cast<size_t>(img->stride) * static_cast<size_t>(src.height), true);
  for (int y = 0; y < src.height; ++y) {
    uint8_t* p = img->Row(y);
    for (int x = 0; x < src.width; ++x, p += 3) {
      const TColor c = src.PixelAt(x, y);
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  }
  image_ = std::move(img);
  fileBytes_.reset();
  return image_.get();
}

void PageBitmap::SetCompressedDecoder(CompressedBitmapDecoder* decoder) { g_decoder = decoder; }
CompressedBitmapDecoder* PageBitmap::CompressedDecoder() { return g_decoder; }

}  // namespace pintoola
