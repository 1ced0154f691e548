#include "thumbs/JvThumbImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "core/Errors.h"
#include "engine/PageBitmap.h"
#include "platform/DrawSurface.h"
#include "thumbs/JvBaseThumbnail.h"

namespace pintoola {

namespace {

// Averages the source pixels falling into each target pixel. Rows may come in any order; rows
// never added count as black, which is what the page reader shows for a file that ends early.
class BoxReducer {
 public:
  BoxReducer(int srcW, int srcH, int dstW, int dstH)
      : srcH_(srcH),
        dstW_(dstW),
        dstH_(dstH),
        colStart_(static_cast<size_t>(dstW) + 1),
        pending_(static_cast<size_t>(srcW) * 3),
        acc_(static_cast<size_t>(dstW) * static_cast<size_t>(dstH) * 3) {
    // Target column t takes the source columns x with x * dstW / srcW == t.
    for (int t = 0; t <= dstW; ++t)
      colStart_[static_cast<size_t>(t)] =
          static_cast<int>((static_cast<int64_t>(t) * srcW + dstW - 1) / dstW);
  }

  int TargetRow(int y) const { return static_cast<int>(static_cast<int64_t>(y) * dstH_ / srcH_); }

  // One top-based source row of srcW blue, green, red triples. Rows of one target row are summed
  // byte by byte first (a plain loop the compiler vectorises); the columns are gathered once per
  // target row.
  void AddRowBgr(int y, const uint8_t* bgr) {
    const int ty = TargetRow(y);
    // 257 rows of 255 still fit in 16 bits.
    if (ty != pendingRow_ || pendingCount_ == 257) Flush();
    pendingRow_ = ty;
    ++pendingCount_;
    uint16_t* sum = pending_.data();
    const size_t n = pending_.size();
    for (size_t i = 0; i < n; ++i) sum[i] = static_cast<uint16_t>(sum[i] + bgr[i]);
  }

  QImage Result() {
    Flush();
    QImage out(dstW_, dstH_, QImage::Format_RGB32);
    for (int ty = 0; ty < dstH_; ++ty) {
      // Source rows of target row ty: those y with y * dstH / srcH == ty.
      const int64_t first = (static_cast<int64_t>(ty) * srcH_ + dstH_ - 1) / dstH_;
      const int64_t last = (static_cast<int64_t>(ty + 1) * srcH_ + dstH_ - 1) / dstH_;
      const uint64_t rows = static_cast<uint64_t>(std::max<int64_t>(1, last - first));
      const uint64_t* row = acc_.data() + static_cast<size_t>(ty) * static_cast<size_t>(dstW_) * 3;
      QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(ty));
      for (int tx = 0; tx < dstW_; ++tx, row += 3) {
        const uint64_t n = rows * static_cast<uint64_t>(colStart_[static_cast<size_t>(tx) + 1] -
                                                        colStart_[static_cast<size_t>(tx)]);
        line[tx] = qRgb(static_cast<int>((row[2] + n / 2) / n), static_cast<int>((row[1] + n / 2) / n),
                        static_cast<int>((row[0] + n / 2) / n));
      }
    }
    return out;
  }

 private:
  void Flush() {
    if (pendingRow_ < 0) return;
    uint64_t* cell = acc_.data() + static_cast<size_t>(pendingRow_) * static_cast<size_t>(dstW_) * 3;
    const uint16_t* sum = pending_.data();
    for (int t = 0; t < dstW_; ++t, cell += 3) {
      uint64_t b = 0, g = 0, r = 0;
      for (int x = colStart_[static_cast<size_t>(t)]; x < colStart_[static_cast<size_t>(t) + 1]; ++x) {
        b += sum[3 * x];
        g += sum[3 * x + 1];
        r += sum[3 * x + 2];
      }
      cell[0] += b;
      cell[1] += g;
      cell[2] += r;
    }
    std::fill(pending_.begin(), pending_.end(), uint16_t{0});
    pendingRow_ = -1;
    pendingCount_ = 0;
  }

  int srcH_, dstW_, dstH_;
  std::vector<int> colStart_;
  std::vector<uint16_t> pending_;  // the current target row's source rows, summed per byte
  int pendingRow_ = -1, pendingCount_ = 0;
  std::vector<uint64_t> acc_;
};

QSize ClampedTarget(const DrawnSizeFn& drawnSize, int width, int height) {
  QSize t = drawnSize ? drawnSize(width, height) : QSize(width, height);
  return QSize(std::clamp(t.width(), 0, width), std::clamp(t.height(), 0, height));
}

uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// The read buffer is kept between files: touching fresh memory for every page would cost more
// than the decoding itself.
std::vector<uint8_t>& ReadBuffer() {
  static std::vector<uint8_t> buffer;
  return buffer;
}

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The layout every page and project has: a header of 40 bytes or more, one plane, 24 bits, no
// compression. Returns false for anything else (and for anything doubtful), leaving the file to
// the page reader, which decides about validity and reports the error.
bool ReadPlain24(const std::string& path, const DrawnSizeFn& drawnSize, ThumbPicture& out) {
  FilePtr f(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!f) return false;
  if (std::fseek(f.get(), 0, SEEK_END) != 0) return false;
  const long fileSizeL = std::ftell(f.get());
  if (fileSizeL < 54) return false;
  const uint64_t fileSize = static_cast<uint64_t>(fileSizeL);
  std::rewind(f.get());
  uint8_t h[54];
  if (std::fread(h, 1, sizeof h, f.get()) != sizeof h) return false;
  if (h[0] != 'B' || h[1] != 'M') return false;
  const uint32_t headerSize = U32(h + 14);
  const int32_t width = static_cast<int32_t>(U32(h + 18));
  const int32_t rawHeight = static_cast<int32_t>(U32(h + 22));
  if (headerSize < 40 || headerSize > fileSize - 14) return false;
  if (U16(h + 26) != 1 || U16(h + 28) != 24 || U32(h + 30) != 0) return false;
  if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) return false;
  const uint64_t colorsUsed = U32(h + 46);
  if (colorsUsed > 256) return false;
  const uint64_t dataStart = 14 + static_cast<uint64_t>(headerSize) + 4 * colorsUsed;
  if (dataStart > fileSize) return false;
  const bool topDown = rawHeight < 0;
  const int height = topDown ? -rawHeight : rawHeight;
  const uint64_t stride = ((static_cast<uint64_t>(width) * 24 + 31) / 32) * 4;
  // Pictures the page reader would refuse as too large are left to it.
  if (stride * static_cast<uint64_t>(height) > (uint64_t{1} << 30)) return false;

  out.width = width;
  out.height = height;
  const QSize target = ClampedTarget(drawnSize, width, height);
  if (target.isEmpty()) {
    out.reduced = QImage();
    return true;
  }
  BoxReducer reducer(width, height, target.width(), target.height());
  const uint64_t available = std::min<uint64_t>(stride * static_cast<uint64_t>(height), fileSize - dataStart);
  if (std::fseek(f.get(), static_cast<long>(dataStart), SEEK_SET) != 0) return false;

  const uint64_t rowsPerChunk = std::max<uint64_t>(1, (1u << 20) / stride);
  std::vector<uint8_t>& buffer = ReadBuffer();
  if (buffer.size() < rowsPerChunk * stride) buffer.resize(rowsPerChunk * stride);
  uint64_t done = 0;  // bytes of pixel data consumed
  for (uint64_t fileRow = 0; fileRow < static_cast<uint64_t>(height) && done < available;) {
    const uint64_t rows = std::min<uint64_t>(rowsPerChunk, static_cast<uint64_t>(height) - fileRow);
    const uint64_t want = std::min<uint64_t>(rows * stride, available - done);
    const size_t got = std::fread(buffer.data(), 1, static_cast<size_t>(want), f.get());
    if (got < rows * stride)
      std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(got),
                buffer.begin() + static_cast<std::ptrdiff_t>(rows * stride), uint8_t{0});
    for (uint64_t i = 0; i < rows && i * stride < got; ++i) {
      const int r = static_cast<int>(fileRow + i);
      reducer.AddRowBgr(topDown ? r : height - 1 - r, buffer.data() + i * stride);
    }
    done += got;
    fileRow += rows;
    if (got < want) break;
  }
  out.reduced = reducer.Result();
  return true;
}

ThumbPicture ReadThroughPage(const std::string& path, const DrawnSizeFn& drawnSize) {
  PageBitmap page;
  page.LoadFromFile(path);
  ThumbPicture out;
  const BitmapImage* image = page.Image();
  if (!image || image->width <= 0 || image->height <= 0) return out;
  out.width = image->width;
  out.height = image->height;
  const QSize target = ClampedTarget(drawnSize, out.width, out.height);
  if (target.isEmpty()) return out;
  BoxReducer reducer(out.width, out.height, target.width(), target.height());
  std::vector<uint8_t> row(static_cast<size_t>(out.width) * 3);
  for (int y = 0; y < out.height; ++y) {
    const uint8_t* bgr = nullptr;
    if (image->depth == 24) {
      bgr = image->Row(y);
    } else {
      for (int x = 0; x < out.width; ++x) {
        const TColor c = image->PixelAt(x, y);
        row[static_cast<size_t>(x) * 3] = static_cast<uint8_t>(GetBValue(c));
        row[static_cast<size_t>(x) * 3 + 1] = static_cast<uint8_t>(GetGValue(c));
        row[static_cast<size_t>(x) * 3 + 2] = static_cast<uint8_t>(GetRValue(c));
      }
      bgr = row.data();
    }
    reducer.AddRowBgr(y, bgr);
  }
  out.reduced = reducer.Result();
  return out;
}

}  // namespace

ThumbPicture ReadThumbPicture(const std::string& path, const DrawnSizeFn& drawnSize) {
  ThumbPicture picture;
  if (ReadPlain24(path, drawnSize, picture)) return picture;
  return ReadThroughPage(path, drawnSize);
}

TJvThumbImage::TJvThumbImage(TJvBaseThumbnail* tile) : QWidget(tile), FTile(tile) {
  setFocusPolicy(Qt::NoFocus);
}

void TJvThumbImage::LoadFromFile(const std::string& file, const DrawnSizeFn& drawnSize) {
  try {
    FPicture = ReadThumbPicture(file, drawnSize);
  } catch (const EPintoolaError&) {
    if (!OnInvalidImage) throw;
    OnInvalidImage(this, file);
    return;
  }
  FFileName = file;
  update();
}

void TJvThumbImage::Clear() {
  FPicture = ThumbPicture();
  FFileName.clear();
  update();
}

void TJvThumbImage::paintEvent(QPaintEvent*) {
  if (FPicture.reduced.isNull()) return;
  QPainter painter(this);
  DrawSurface s(painter);
  const QImage& img = FPicture.reduced;
  if (img.size() == size())
    s.DrawBitmap(0, 0, img);
  else
    s.StretchDraw(Bounds(0, 0, width(), height()), img, Bounds(0, 0, img.width(), img.height()));
}

void TJvThumbImage::mousePressEvent(QMouseEvent* e) {
  e->accept();
  FTile->TileMouseDown(MouseButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()),
                       e->position().toPoint() + pos());
}

void TJvThumbImage::mouseMoveEvent(QMouseEvent* e) {
  e->accept();
  FTile->TileMouseMove(ShiftStateOf(e->modifiers(), e->buttons()), e->position().toPoint() + pos());
}

void TJvThumbImage::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  FTile->TileMouseUp(MouseButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()),
                     e->position().toPoint() + pos());
}

void TJvThumbImage::mouseDoubleClickEvent(QMouseEvent* e) {
  e->accept();
  const TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons()) | ssDouble;
  const QPoint p = e->position().toPoint() + pos();
  if (e->button() == Qt::LeftButton) FTile->TileDblClick(shift, p);
  FTile->TileMouseDown(MouseButtonOf(e->button()), shift, p);
}

}  // namespace pintoola
