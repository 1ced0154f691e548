#pragma once
// The page picture: pixel rows with their format, shared between a page and its snapshots (see
// ImageStore.h for what a snapshot keeps), the drawing state that travels with the object, and a
// change signal for the view.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Colors.h"
#include "core/Geometry.h"
#include "core/Types.h"
#include "engine/BitmapImage.h"
#include "engine/ImageStore.h"

namespace pintoola {

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
  int Width() const { return image_ ? image_.Shape().width : 0; }
  int Height() const { return image_ ? image_.Shape().height : 0; }
  int Depth() const { return image_ ? image_.Shape().depth : 0; }
  int Stride() const { return image_ ? image_.Shape().stride : 0; }

  // −1 for a point outside the picture (or an empty page). Never unshares.
  TColor Pixels(int x, int y) const;

  // Writable row r (0 = top). Unshares the image, drops loaded file bytes and the colours-used
  // counts; sends no change signal. Throws "Scan line index out of range". The whole row counts as
  // changing (see WillChange).
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
  // Returns the image to draw on (nullptr for an empty page). Before changing any pixel of it the
  // caller announces the pixels with WillChange: that is what keeps the snapshots as they were.
  BitmapImage* BeginDraw();
  // Pixels of `area` (right and bottom excluded; what lies outside the page is ignored) are about
  // to change. Call after BeginDraw, before changing them. Throws std::bad_alloc, with no pixel
  // changed, when there is no memory to keep their old values for the snapshots; a drawing that
  // announces everything before it changes anything therefore fails with the page as it was.
  void WillChange(const TRect& area);
  void WillChangeAll() { WillChange(Rect(0, 0, Width(), Height())); }
  // Whether WillChange has anything to do: some snapshot still holds pixels this page would
  // overwrite. Lets a drawing of many small pieces skip announcing them when none does.
  bool KeepsOldPixels() const { return image_.KeepsOldPixels(); }
  // Tell the owner the page changed.
  void Changed() const {
    if (onChange_) onChange_();
  }
  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

  PageCanvas& Canvas() { return canvas_; }
  const PageCanvas& Canvas() const { return canvas_; }

  // The page's pixels for reading (nullptr when empty). Valid until the page or a page object
  // sharing its pixels is next drawn on, loaded or assigned.
  const BitmapImage* Image() const { return image_ ? &image_.Read() : nullptr; }
  // Installs an image built elsewhere (any depth; nullptr: become empty); signals a change.
  void SetImage(std::shared_ptr<BitmapImage> image) {
    image_ = ImageRef(std::move(image));
    fileBytes_.reset();
    Changed();
  }
  bool HasLoadedFileBytes() const { return fileBytes_ != nullptr; }
  // Number of page objects (pages and snapshots) holding this page's pixels as they are; 0 when
  // empty.
  long HolderCount() const { return image_.Holders(); }
  bool SharesImageWith(const PageBitmap& other) const { return image_.SameVersion(other.image_); }
  // Bytes this page's image keeps for the older versions snapshots hold.
  size_t KeptBytes() const { return image_.KeptBytes(); }

  // Installs the decoder used for JPEG/PNG data inside BMP files (not owned; may be nullptr).
  static void SetCompressedDecoder(CompressedBitmapDecoder* decoder);
  static CompressedBitmapDecoder* CompressedDecoder();

 private:
  // Drops what a change makes stale: the loaded file bytes and the colours-used counts.
  void Touched(BitmapImage& img);

  ImageRef image_;
  // The whole file of a run-length-encoded picture, kept until the first change for write-back.
  std::shared_ptr<const std::vector<uint8_t>> fileBytes_;
  PageCanvas canvas_;
  std::function<void()> onChange_;
};

}  // namespace pintoola
