#pragma once
// How a page's pixels are kept over time, so that an undo snapshot costs what the drawing after it
// changes, not a page.
//
// An image's pixels live in one contiguous buffer holding its newest version (the head); the page
// draws there in place. Every older version some snapshot still holds keeps only before-images: the
// first write to a tile (32 storage rows by 96 bytes of a row, 32 pixels at 24 bits) after that
// version first saves the tile's old bytes into it. Taking a snapshot copies nothing; what it keeps
// grows with what the page's later drawing touches.
//
// Writing goes through WillChange, which makes the holder's version the head and its own (a head
// shared with a snapshot is sealed and the writer moves on to a fresh one), keeps the old bytes of
// the range, and only then hands out the image. It may fail for lack of memory and changes no
// pixel, so a writer that announces all it will touch before touching any leaves the image as it
// was when memory runs out. PageWriter (PageBitmap.h) is the one user.
//
// When the head's last holder lets go (an undo put an older snapshot in its place, or the page
// was replaced), the buffer is rolled back tile by tile to the newest version still held. Reading
// a version that is not the head goes through a full copy rebuilt on demand and kept while the
// version is held; in the program only tests do that.
//
// One thread only, like all drawing.
#include <cstddef>
#include <memory>

#include "engine/BitmapImage.h"

namespace pintoola {

class ImageStore;
struct ImageVersion;

// A page object's hold on one version of an image, or on none.
class ImageRef {
 public:
  ImageRef() = default;
  // A new image whose only version is `image` (which the store takes over; nullptr: no image).
  explicit ImageRef(std::shared_ptr<BitmapImage> image);
  ImageRef(const ImageRef& other);
  ImageRef& operator=(const ImageRef& other);
  ImageRef(ImageRef&& other) noexcept;
  ImageRef& operator=(ImageRef&& other) noexcept;
  ~ImageRef();

  explicit operator bool() const { return version_ != nullptr; }

  // Size and format, without the pixels: the same for every version of an image, except the
  // colours-used counts.
  const BitmapImage& Shape() const;
  // This version's pixels. May allocate a rebuilt copy for a version that is not the head; the
  // copy lives until this version is let go of or drawn on.
  const BitmapImage& Read() const;

  // The image to draw on, as this version has it, held by this reference alone. Throws
  // std::bad_alloc before changing anything.
  BitmapImage& Write();
  // Write(), then bytes [firstByte, endByte) of top-based rows [top, bottom) may change: their old
  // bytes are kept for the older versions. Throws std::bad_alloc with no pixel changed.
  BitmapImage& WillChange(int top, int bottom, size_t firstByte, size_t endByte);
  // Whether WillChange keeps anything: an older version of the image is still held.
  bool Journaling() const;
  // Builds with write checks: fails loudly when a tile changed since the newest older version
  // without being announced. Elsewhere nothing.
  void CheckAnnounced() const;

  long Holders() const;
  bool SameVersion(const ImageRef& other) const { return version_ && version_ == other.version_; }
  // Bytes of before-images the image keeps for its older versions, with their bookkeeping and the
  // rebuilt copies; room reserved for the drawing under way counts from the next seal on.
  size_t KeptBytes() const;

 private:
  void Release() noexcept;

  std::shared_ptr<ImageStore> store_;
  ImageVersion* version_ = nullptr;
};

// Whether this build checks every write against its announcements (test and debug builds), and
// how such a build stops at a write that breaks the rules.
bool WriteChecksEnabled();
[[noreturn]] void WriteMisuse(const char* what);

}  // namespace pintoola
