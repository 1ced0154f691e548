#pragma once
// The picture part of a tile, and the reading of a picture file at the size a tile shows it.
//
// A tile holds its picture already reduced to the rectangle it is drawn in: the full picture is read
// once, scaled down once, and released, so a library of large pages costs a few kilobytes a tile.
#include <QImage>
#include <QSize>
#include <QWidget>
#include <functional>
#include <string>

namespace pintoola {

class TJvBaseThumbnail;

// A picture as a tile keeps it: the file's own size and the reduced pixels.
struct ThumbPicture {
  int width = 0, height = 0;  // the picture's own size in pixels
  QImage reduced;             // at most the drawn size; never larger than the picture
};

// Gives the drawn size for a picture of the given own size.
using DrawnSizeFn = std::function<QSize(int width, int height)>;

// Reads a BMP file and reduces it to drawnSize(width, height) by averaging. Plain 24-bit files are
// decoded row by row through one reused buffer without ever holding the full picture; every other
// file goes through the page reader. Throws EPintoolaError when the file is not a readable picture.
ThumbPicture ReadThumbPicture(const std::string& path, const DrawnSizeFn& drawnSize);

class TJvThumbImage : public QWidget {
 public:
  explicit TJvThumbImage(TJvBaseThumbnail* tile);

  // Reads the file. A file that is not a readable picture raises OnInvalidImage when it is bound,
  // leaving the picture as it was; unbound, the error continues.
  void LoadFromFile(const std::string& file, const DrawnSizeFn& drawnSize);
  void Clear();

  const ThumbPicture& Picture() const { return FPicture; }
  const std::string& FileName() const { return FFileName; }

  std::function<void(TJvThumbImage* sender, const std::string& file)> OnInvalidImage;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  TJvBaseThumbnail* FTile;
  ThumbPicture FPicture;
  std::string FFileName;
};

}  // namespace pintoola
