#include "engine/PageBitmap.h"

#include <algorithm>

#include "core/Errors.h"

namespace pintoola {

namespace {
CompressedBitmapDecoder* g_decoder = nullptr;
}  // namespace

TColor PageBitmap::Pixels(int x, int y) const {
  if (!image_ || x < 0 || y < 0 || x >= Width() || y >= Height()) return -1;
  return image_.Read().PixelAt(x, y);
}

void PageBitmap::Touched(BitmapImage& img) {
  fileBytes_.reset();
  img.colorsUsed = 0;
  img.colorsImportant = 0;
}

uint8_t* PageBitmap::ScanLine(int row) {
  if (!image_ || row < 0 || row >= Height()) throw EPintoolaError("Scan line index out of range");
  BitmapImage& img = image_.Write();
  image_.WillChange(row, row + 1, 0, static_cast<size_t>(img.stride));
  Touched(img);
  return img.Row(row);
}

const uint8_t* PageBitmap::ConstScanLine(int row) const {
  if (!image_ || row < 0 || row >= Height()) throw EPintoolaError("Scan line index out of range");
  return image_.Read().Row(row);
}

void PageBitmap::WillChange(const TRect& area) {
  if (!image_) return;
  const int left = std::max(area.Left, 0), right = std::min(area.Right, Width());
  if (left >= right) return;
  const auto depth = static_cast<size_t>(Depth());
  image_.WillChange(area.Top, area.Bottom, static_cast<size_t>(left) * depth / 8,
                    (static_cast<size_t>(right) * depth + 7) / 8);
}

void PageBitmap::Assign(const PageBitmap* other) {
  if (other != this) {
    if (other) {
      image_ = other->image_;
      fileBytes_ = other->fileBytes_;
    } else {
      image_ = ImageRef();
      fileBytes_.reset();
    }
  }
  Changed();
}

void PageBitmap::SetSize(int width, int height, TColor fill) {
  if (width <= 0 || height <= 0) {
    image_ = ImageRef();
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
  image_ = ImageRef(std::move(img));
  fileBytes_.reset();
  Changed();
}

BitmapImage* PageBitmap::BeginDraw() {
  if (!image_) {
    fileBytes_.reset();
    return nullptr;
  }
  if (Depth() == 24) {
    BitmapImage& img = image_.Write();
    Touched(img);
    return &img;
  }
  // Another depth: rebuild at 24 bits from the exact colours; the old image stays with any
  // snapshot that shares it.
  const BitmapImage& src = image_.Read();
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
  image_ = ImageRef(std::move(img));
  fileBytes_.reset();
  return &image_.Write();
}

void PageBitmap::SetCompressedDecoder(CompressedBitmapDecoder* decoder) { g_decoder = decoder; }
CompressedBitmapDecoder* PageBitmap::CompressedDecoder() { return g_decoder; }

}  // namespace pintoola
