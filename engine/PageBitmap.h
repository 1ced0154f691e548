#pragma once
// The page picture: pixel rows with their format, shared copy-on-write between a page and its
// snapshots, the drawing state that travels with the object, and a change signal for the view.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Colors.h"
#include "core/Types.h"
#include "engine/PixelBuffer.h"

namespace pintoola {

struct RGBQuad {
  uint8_t blue = 0, green = 0, red = 0, reserved = 0;
};

// The font of the drawing state, as the signature stamp uses it.
struct PageFont {
  std::string name = "Tahoma";
  int size = 8;  // points
  TColor color = clWindowText;
  bool bold = false, italic = false, underline = false, strikeOut = false;
  int charset = 1;  // default character set
};

// Drawing state of one page object; a new object starts with these values.
struct PageCanvas {
  TColor brushColor = clWhite;
  TBrushStyle brushStyle = bsSolid;
  PageFont font;
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

// Decodes BMP pixel data the engine does not decode itself (JPEG or PNG inside a BMP). Implemented
// outside the engine; without one such files are not valid.
class CompressedBitmapDecoder {
 public:
  virtual ~CompressedBitmapDecoder() = default;
  // `file` is the whole file. Returns a 24-bit image, or nullptr; errorCode is set to a non-zero
  // platform code with its description when the platform reports one.
  virtual std::shared_ptr<BitmapImage> Decode(const std::vector<uint8_t>& file, int& errorCode,
                                              std::string& errorText) = 0;
};

class PageBitmap {
 public:
  PageBitmap() = default;
  PageBitmap(const PageBitmap&) = delete;
  PageBitmap& operator=(const PageBitmap&) = delete;

  bool Empty() const { return !image_ && !fileBytes_; }
  int Width() const { return image_ ? image_->width : 0; }
  int Height() const { return image_ ? image_->height : 0; }
  int Depth() const { return image_ ? image_->depth : 0; }
  int Stride() const { return image_ ? image_->stride : 0; }

  // −1 for a point outside the picture (or an empty page). Never unshares.
  TColor Pixels(int x, int y) const;

  // Writable row r (0 = top). Unshares the image, drops loaded file bytes and the colours-used
  // counts; sends no change signal. Throws "Scan line index out of range".
  uint8_t* ScanLine(int row);
  // Read-only row; never unshares. Same range rule.
  const uint8_t* ConstScanLine(int row) const;

  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path) const;

  // Share the other's image (none: become empty); signals a change.
  void Assign(const PageBitmap* other);
  // Become empty; signals a change.
  void Clear() { Assign(nullptr); }
  // A new image of the given size, 24 bits, bottom-up, every pixel `fill`; signals a change.
  void SetSize(int width, int height, TColor fill = clWhite);

  // Every drawing operation calls this first: private pixels, no loaded file bytes, colours-used
  // counts reset, and a page of another depth converted to 24 bits with its colours kept exactly.
  // Returns the image to draw on (nullptr for an empty page).
  BitmapImage* BeginDraw();
  // Tell the owner the page changed.
  void Changed() const {
    if (onChange_) onChange_();
  }
  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

  PageCanvas& Canvas() { return canvas_; }
  const PageCanvas& Canvas() const { return canvas_; }

  const BitmapImage* Image() const { return image_.get(); }
  // Installs an image built elsewhere (any depth; nullptr: become empty); signals a change.
  void SetImage(std::shared_ptr<BitmapImage> image) {
    image_ = std::move(image);
    fileBytes_.reset();
    Changed();
  }
  bool HasLoadedFileBytes() const { return fileBytes_ != nullptr; }
  // Number of page objects (pages and snapshots) holding this page's image; 0 when empty.
  long HolderCount() const { return image_ ? image_.use_count() : 0; }
  bool SharesImageWith(const PageBitmap& other) const { return image_ && image_ == other.image_; }

  // Installs the decoder used for JPEG/PNG data inside BMP files (not owned; may be nullptr).
  static void SetCompressedDecoder(CompressedBitmapDecoder* decoder);
  static CompressedBitmapDecoder* CompressedDecoder();

 private:
  void Unshare();

  std::shared_ptr<BitmapImage> image_;
  // The whole file of a run-length-encoded picture, kept until the first change for write-back.
  std::shared_ptr<const std::vector<uint8_t>> fileBytes_;
  PageCanvas canvas_;
  std::function<void()> onChange_;
};

}  // namespace pintoola
