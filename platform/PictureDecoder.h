#pragma once
// Pictures a family finds (PNG, JPEG, GIF, WebP, TIFF, BMP, SVG, PDF) decoded into grey pages for
// the clean-up, one page at a time so that a long PDF never sits in memory whole.
#include <QString>
#include <memory>

#include "pageprep/PagePrep.h"

namespace pintoola {

// More pixels than this, declared or to be rendered, is refused before anything is decoded.
inline constexpr long long kMaxPicturePixels = 100'000'000;

// Vector pictures (SVG, PDF) are rendered to fit this box: a few times the page size, so that thin
// lines survive until the clean-up reduces them.
inline constexpr int kRenderWidth = 736 * 4;
inline constexpr int kRenderHeight = 700 * 4;

class PictureFile {
 public:
  virtual ~PictureFile() = default;
  virtual int PageCount() const = 0;
  // Page `index` (0-based) in grey, transparency flattened onto white. False with the reason in
  // `error` when it cannot be decoded.
  virtual bool Page(int index, pageprep::GreyImage& page, QString& error) = 0;
};

// Opens and checks the file: what it holds, its declared size, and for an SVG that it names no other
// file, address or entity (none is ever read). nullptr with the reason (a short phrase such as "is
// not a picture") in `error`.
std::unique_ptr<PictureFile> OpenPicture(const QString& path, QString& error);

// The file names' patterns of every format OpenPicture reads, for a file chooser.
QStringList PictureNameFilters();

}  // namespace pintoola
