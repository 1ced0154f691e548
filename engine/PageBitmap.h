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

// Every change to a page's pixels goes through a PageWriter.
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

  // Read-only row r (0 = top); never unshares. Throws "Scan line index out of range".
  const uint8_t* ConstScanLine(int row) const;

  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path) const;

  // Share the other's image (none: become empty); signals a change.
  void Assign(const PageBitmap* other);
  // Become empty; signals a change.
  void Clear() { Assign(nullptr); }
  // A new image of the given size, 24 bits, bottom-up, every pixel `fill`; signals a change.
  void SetSize(int width, int height, TColor fill = clWhite);

  // Tell the owner the page changed.
  void Changed() const {
    if (onChange_) onChange_();
  }
  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

  PageCanvas& Canvas() { return canvas_; }
  const PageCanvas& Canvas() const { return canvas_; }

  // The page's pixels for reading (nullptr when empty). Valid until this page object is drawn on,
  // loaded, assigned or destroyed, or a page object sharing its pixels is drawn on.
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
  friend class PageWriter;

  ImageRef image_;
  // The whole file of a run-length-encoded picture, kept until the first change for write-back.
  std::shared_ptr<const std::vector<uint8_t>> fileBytes_;
  PageCanvas canvas_;
  std::function<void()> onChange_;
};

// One drawing on a page, from its start to its commit.
//
// Starting it is what may run out of memory (a page of another depth is converted to 24 bits, a
// page shared with a snapshot gets a version of its own), and it leaves the page as it was: the
// loaded file bytes and the colours-used counts are dropped, and a converted page installed, only
// by Commit. Bytes are handed out only for what was announced first: announcing keeps the old
// bytes for the snapshots, may fail for lack of memory and changes no pixel, so a drawing that
// announces before it writes leaves the page's pixels as they were when it fails. A drawing that
// fails part-way after writing must put back what it wrote itself (the fill does) before the
// writer goes without Commit.
//
//   PageWriter w(page);
//   uint8_t* row = w.Row(y, left, right);  // pixels [left, right) of row y may now change
//   ...
//   w.Commit();                            // and the page signals its change
class PageWriter {
 public:
  // Drawing works at 24 bits: a page of another depth is drawn on a converted copy, which becomes
  // the page at Commit. Raw row access (ScanLine) may keep the page's own format instead.
  enum class Format { At24Bits, AsStored };
  explicit PageWriter(PageBitmap& page, Format format = Format::At24Bits);
  PageWriter(const PageWriter&) = delete;
  PageWriter& operator=(const PageWriter&) = delete;
  ~PageWriter();

  // The picture as drawn so far, for reading; nullptr for an empty page.
  const BitmapImage* Image() const { return Target() ? &Target().Shape() : nullptr; }

  // Row y (0 = top, inside the page) for writing pixels [left, right) of it; the rest of the row
  // stays as it is. Throws std::bad_alloc with no pixel changed.
  uint8_t* Row(int y, int left, int right);
  // The whole of row r, padding included. Throws "Scan line index out of range" for a row outside
  // the page (or an empty page), std::bad_alloc with no pixel changed.
  uint8_t* ScanLine(int row);
  // The picture, for writing the pixels of `area` (what lies outside the page is ignored) and no
  // others. Throws std::bad_alloc with no pixel changed.
  BitmapImage& Area(const TRect& area);
  // The picture for writing anywhere without announcing, when no snapshot needs its old pixels
  // (nullptr otherwise, or for an empty page). A drawing of many small pieces takes it to skip
  // announcing them.
  BitmapImage* Unannounced();

  // The drawing is done: the page keeps what it drew, loses its loaded file bytes and colours-used
  // counts, and signals its change.
  void Commit();

 private:
  ImageRef& Target() { return converted_ ? converted_ : page_.image_; }
  const ImageRef& Target() const { return converted_ ? converted_ : page_.image_; }
  // Pixels [left, right) of top-based rows [top, bottom), clipped to the page.
  BitmapImage& Announce(int top, int bottom, int left, int right);

  PageBitmap& page_;
  ImageRef converted_;  // a page of another depth at 24 bits, the page's from Commit on
  bool unannounced_ = false, committed_ = false;
  int exceptions_;  // in flight when the drawing started
};

}  // namespace pintoola
