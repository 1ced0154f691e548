#include "engine/PageBitmap.h"

#include <algorithm>
#include <exception>

#include "core/Errors.h"

namespace pintoola {

namespace {
CompressedBitmapDecoder* g_decoder = nullptr;
}  // namespace

TColor PageBitmap::Pixels(int x, int y) const {
  if (!image_ || x < 0 || y < 0 || x >= Width() || y >= Height()) return -1;
  return image_.Read().PixelAt(x, y);
}

const uint8_t* PageBitmap::ConstScanLine(int row) const {
  if (!image_ || row < 0 || row >= Height()) throw EPintoolaError("Scan line index out of range");
  return image_.Read().Row(row);
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

namespace {

// A picture of another depth at 24 bits, its colours kept exactly.
std::shared_ptr<BitmapImage> At24Bits(const BitmapImage& src) {
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
  return img;
}

}  // namespace

PageWriter::PageWriter(PageBitmap& page, Format format) : page_(page), exceptions_(std::uncaught_exceptions()) {
  if (!page_.image_) return;
  if (format == Format::AsStored || page_.Depth() == 24)
    page_.image_.Write();
  else
    converted_ = ImageRef(At24Bits(page_.image_.Read()));  // the old image stays with the snapshots
}

PageWriter::~PageWriter() {
  if (WriteChecksEnabled() && !committed_ && std::uncaught_exceptions() <= exceptions_)
    WriteMisuse("a drawing ended without Commit");
}

BitmapImage& PageWriter::Announce(int top, int bottom, int left, int right) {
  const BitmapImage& shape = Target().Shape();
  left = std::max(left, 0);
  right = std::min(right, shape.width);
  if (left >= right) return Target().Write();
  const auto depth = static_cast<size_t>(shape.depth);
  return Target().WillChange(top, bottom, static_cast<size_t>(left) * depth / 8,
                             (static_cast<size_t>(right) * depth + 7) / 8);
}

uint8_t* PageWriter::Row(int y, int left, int right) { return Announce(y, y + 1, left, right).Row(y); }

uint8_t* PageWriter::ScanLine(int row) {
  if (!Target() || row < 0 || row >= Target().Shape().height) throw EPintoolaError("Scan line index out of range");
  return Target().WillChange(row, row + 1, 0, static_cast<size_t>(Target().Shape().stride)).Row(row);
}

BitmapImage& PageWriter::Area(const TRect& area) { return Announce(area.Top, area.Bottom, area.Left, area.Right); }

BitmapImage* PageWriter::Unannounced() {
  if (!Target() || Target().Journaling()) return nullptr;
  unannounced_ = true;
  return &Target().Write();
}

void PageWriter::Commit() {
  if (Target()) {
    if (WriteChecksEnabled() && Target().Holders() > 1)
      WriteMisuse("a snapshot was taken of a page while it was drawn on");
    if (WriteChecksEnabled() && unannounced_ && Target().Journaling())
      WriteMisuse("a snapshot came to need pixels a drawing was writing without announcing");
    Target().CheckAnnounced();
    BitmapImage& img = Target().Write();  // a no-op: the writer's version is the head and its own
    img.colorsUsed = 0;
    img.colorsImportant = 0;
  }
  if (converted_) page_.image_ = std::move(converted_);
  page_.fileBytes_.reset();
  committed_ = true;
  page_.Changed();
}

void PageBitmap::SetCompressedDecoder(CompressedBitmapDecoder* decoder) { g_decoder = decoder; }
CompressedBitmapDecoder* PageBitmap::CompressedDecoder() { return g_decoder; }

}  // namespace pintoola
