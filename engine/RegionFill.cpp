#include "engine/RegionFill.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "engine/Brush.h"

namespace pintoola {

namespace {

// A row still to be searched: row y within [xl, xr], reached from row y - dy.
struct Pending {
  int y, xl, xr, dy;
};

// The area found by the search, one bit per page pixel, and the search's work list. Kept between
// fills so a click allocates nothing once the page size is known; the mask is all clear between
// fills (each fill clears what it set).
struct FillScratch {
  std::vector<uint64_t> mask;
  std::vector<Pending> work;
  int width = 0, height = 0, words = 0;  // words per mask row
  bool dirty = false;                    // a fill was interrupted: the mask may hold stale bits

  void Prepare(int w, int h) {
    const int wordsPerRow = (w + 63) / 64;
    const size_t need = static_cast<size_t>(wordsPerRow) * static_cast<size_t>(h);
    if (w != width || h != height || dirty) {
      if (mask.size() < need) mask.resize(need);
      std::fill(mask.begin(), mask.begin() + static_cast<std::ptrdiff_t>(need), 0);
      width = w;
      height = h;
      words = wordsPerRow;
      dirty = false;
    }
    work.clear();
  }
  uint64_t* MaskRow(int y) { return mask.data() + static_cast<size_t>(y) * static_cast<size_t>(words); }
};

FillScratch& Scratch() {
  static thread_local FillScratch scratch;
  return scratch;
}

bool TestBit(const uint64_t* bits, int x) { return (bits[x >> 6] >> (x & 63)) & 1u; }

// Sets bits [a, b).
void SetBits(uint64_t* bits, int a, int b) {
  int wa = a >> 6;
  const int wb = (b - 1) >> 6;
  const uint64_t first = ~uint64_t{0} << (a & 63);
  const uint64_t last = ~uint64_t{0} >> (63 - ((b - 1) & 63));
  if (wa == wb) {
    bits[wa] |= first & last;
    return;
  }
  bits[wa++] |= first;
  for (; wa < wb; ++wa) bits[wa] = ~uint64_t{0};
  bits[wb] |= last;
}

// First clear bit at or after x, or `end`.
int NextClearBit(const uint64_t* bits, int x, int end) {
  while (x < end) {
    const uint64_t w = ~bits[x >> 6] >> (x & 63);
    if (w) return std::min(end, x + std::countr_zero(w));
    x = (x | 63) + 1;
  }
  return end;
}

// First set bit at or after x, or `end`.
int NextSetBit(const uint64_t* bits, int x, int end) {
  while (x < end) {
    const uint64_t w = bits[x >> 6] >> (x & 63);
    if (w) return std::min(end, x + std::countr_zero(w));
    x = (x | 63) + 1;
  }
  return end;
}

// Exact comparison with one 24-bit colour; eight pixels are three 64-bit words of a repeating
// pattern, whatever the pixel the comparison starts at.
class ColorMatch {
 public:
  explicit ColorMatch(TColor c) : px_{GetBValue(c), GetGValue(c), GetRValue(c)} {
    uint8_t pattern[24];
    for (int i = 0; i < 8; ++i) std::memcpy(pattern + 3 * i, px_, 3);
    std::memcpy(q_, pattern, 24);
  }
  bool At(const uint8_t* row, int x) const {
    const uint8_t* p = row + 3 * static_cast<size_t>(x);
    return p[0] == px_[0] && p[1] == px_[1] && p[2] == px_[2];
  }
  // First x at or after `x` (below end) that does not match, or end.
  int RunEnd(const uint8_t* row, int x, int end) const {
    uint64_t w[3];
    while (end - x >= 8) {
      std::memcpy(w, row + 3 * static_cast<size_t>(x), 24);
      if (((w[0] ^ q_[0]) | (w[1] ^ q_[1]) | (w[2] ^ q_[2])) != 0) break;
      x += 8;
    }
    while (x < end && At(row, x)) ++x;
    return x;
  }
  // Leftmost x of the run of matching pixels that ends at `x` (which matches).
  int RunStart(const uint8_t* row, int x) const {
    uint64_t w[3];
    while (x >= 8) {
      std::memcpy(w, row + 3 * static_cast<size_t>(x - 8), 24);
      if (((w[0] ^ q_[0]) | (w[1] ^ q_[1]) | (w[2] ^ q_[2])) != 0) break;
      x -= 8;
    }
    while (x > 0 && At(row, x - 1)) --x;
    return x;
  }
  // The same two scans for a solid brush, painting the pixels they pass with `brush`'s colour
  // right after comparing them: one pass over the row instead of two.
  int RunEndPainting(uint8_t* row, int x, int end, const ColorMatch& brush) const {
    uint64_t w[3];
    while (end - x >= 8) {
      uint8_t* p = row + 3 * static_cast<size_t>(x);
      std::memcpy(w, p, 24);
      if (((w[0] ^ q_[0]) | (w[1] ^ q_[1]) | (w[2] ^ q_[2])) != 0) break;
      std::memcpy(p, brush.q_, 24);
      x += 8;
    }
    for (; x < end && At(row, x); ++x) std::memcpy(row + 3 * static_cast<size_t>(x), brush.px_, 3);
    return x;
  }
  // Paints and returns the start of the run left of `x` (x itself is not touched).
  int RunStartPainting(uint8_t* row, int x, const ColorMatch& brush) const {
    uint64_t w[3];
    while (x >= 8) {
      uint8_t* p = row + 3 * static_cast<size_t>(x - 8);
      std::memcpy(w, p, 24);
      if (((w[0] ^ q_[0]) | (w[1] ^ q_[1]) | (w[2] ^ q_[2])) != 0) break;
      std::memcpy(p, brush.q_, 24);
      x -= 8;
    }
    for (; x > 0 && At(row, x - 1); --x) std::memcpy(row + 3 * static_cast<size_t>(x - 1), brush.px_, 3);
    return x;
  }

 private:
  uint8_t px_[3];
  uint64_t q_[3];
};

struct AreaBounds {
  int left, top, right, bottom;  // inclusive
};

// How one span of the area is painted. Line columns of a hatch are kept per row of the tile.
class SpanPainter {
 public:
  explicit SpanPainter(const RealizedBrush& brush) : color_(brush.color) {
    px_[0] = GetBValue(brush.color);
    px_[1] = GetGValue(brush.color);
    px_[2] = GetRValue(brush.color);
    for (int ty = 0; ty < 8; ++ty) lines_[ty] = brush.kind == BrushKind::Solid ? 0xFF : HatchRowBits(brush.hatch, ty);
  }
  // Pixels [a, b) of row y.
  void operator()(uint8_t* row, int y, int a, int b) const {
    const uint8_t lines = lines_[y & 7];
    if (lines == 0xFF) {
      PaintRun(row, a, b, color_);
      return;
    }
    for (int i = 0; lines >> i; ++i) {
      if (!(lines & (1u << i))) continue;
      for (int x = a + ((i - a) & 7); x < b; x += 8) std::memcpy(row + 3 * static_cast<size_t>(x), px_, 3);
    }
  }

 private:
  TColor color_;
  uint8_t px_[3];
  uint8_t lines_[8];
};

// Finds the area of (x, y) and paints it, one span at a time; each span is marked in the mask as
// soon as it is painted. Returns the area's bounds. A span is painted by `paint` (row y, first x,
// end x) once the scan has found it, reading `img`, or, with kScanPainting, by the scans themselves
// as they pass (solid brush `solid`, one pass over the row; only for drawing that needs no
// announcing). If `paint` or the work list throws, the mask holds exactly the spans painted before.
//
// Every span is a whole run of start-colour pixels of one row, found on pixels nobody has painted
// yet: an unmarked pixel still holds its original colour, a painted one is marked, and a marked run
// is never entered again (a hatch leaves start-colour pixels in a painted span; the mask, not the
// colour, says they are done). The rows next to a span are searched only over the part not already
// covered by the span it came from; each span pushes at most three entries, so the work list never
// outgrows three per span of the area.
template <bool kScanPainting, typename Image, typename Paint>
AreaBounds FillArea(Image& img, int x, int y, const ColorMatch& match, const ColorMatch& solid, FillScratch& s,
                    Paint&& paint) {
  const int w = img.width, h = img.height;
  AreaBounds box{x, y, x, y};
  // The run through cx, reaching left of it only when `left` says it may.
  auto run = [&](auto* row, int py, int cx, bool left) {
    int a = cx, b;  // b exclusive
    if constexpr (kScanPainting) {
      if (left) a = match.RunStartPainting(row, cx, solid);
      b = match.RunEndPainting(row, cx, w, solid);
    } else {
      if (left) a = match.RunStart(row, cx);
      b = match.RunEnd(row, cx + 1, w);
      paint(py, a, b);
    }
    SetBits(s.MaskRow(py), a, b);
    box = {std::min(box.left, a), std::min(box.top, py), std::max(box.right, b - 1), std::max(box.bottom, py)};
    return std::pair{a, b};
  };
  const auto [a0, b0] = run(img.Row(y), y, x, true);
  s.work.push_back({y + 1, a0, b0 - 1, 1});
  s.work.push_back({y - 1, a0, b0 - 1, -1});
  while (!s.work.empty()) {
    const Pending p = s.work.back();
    s.work.pop_back();
    if (p.y < 0 || p.y >= h) continue;
    auto* row = img.Row(p.y);
    const uint64_t* bits = s.MaskRow(p.y);
    int cx = p.xl;
    while (cx <= p.xr) {
      if (!match.At(row, cx)) {
        ++cx;
        continue;
      }
      if (TestBit(bits, cx)) {
        cx = NextClearBit(bits, cx, p.xr + 1);
        continue;
      }
      // Left of cx inside the range was another colour or already found (and found runs are
      // whole), so only a run starting at the range's left end can reach further left.
      const auto [a, b] = run(row, p.y, cx, cx == p.xl);
      s.work.push_back({p.y + p.dy, a, b - 1, p.dy});
      if (a < p.xl) s.work.push_back({p.y - p.dy, a, p.xl - 1, -p.dy});
      if (b - 1 > p.xr) s.work.push_back({p.y - p.dy, p.xr + 1, b - 1, -p.dy});
      cx = b + 1;
    }
  }
  return box;
}

// Paints every span the mask holds inside `box`, row y's span [a, b) at rowFor(y, a, b).
template <typename RowFor>
void PaintArea(const AreaBounds& box, const SpanPainter& paint, FillScratch& s, RowFor&& rowFor) {
  const int end = box.right + 1;
  for (int y = box.top; y <= box.bottom; ++y) {
    const uint64_t* bits = s.MaskRow(y);
    for (int a = NextSetBit(bits, box.left, end); a < end;) {
      const int b = NextClearBit(bits, a, end);
      paint(rowFor(y, a, b), y, a, b);
      a = NextSetBit(bits, b, end);
    }
  }
}

// Leaves the mask all clear for the next fill.
void ClearMask(const AreaBounds& box, FillScratch& s) {
  const int w0 = box.left >> 6, w1 = box.right >> 6;
  for (int y = box.top; y <= box.bottom; ++y)
    std::memset(s.MaskRow(y) + w0, 0, sizeof(uint64_t) * static_cast<size_t>(w1 - w0 + 1));
}

}  // namespace

void FillRegion(PageBitmap& page, int x, int y, TColor color, TBrushStyle style) {
  page.Canvas().brushColor = color;
  page.Canvas().brushStyle = style;
  const TColor start = page.Pixels(x, y);  // before anything else; −1 outside the page
  PageWriter writer(page);
  const BitmapImage* img = writer.Image();
  const RealizedBrush brush = RealizeBrush(color, style);
  const bool inside = img && x >= 0 && y >= 0 && x < img->width && y < img->height;
  // A brush of the start colour repaints the area as it is; a hollow brush paints nothing.
  if (inside && brush.kind != BrushKind::Hollow && (brush.color & 0xFFFFFF) != start) {
    FillScratch& s = Scratch();
    s.Prepare(img->width, img->height);
    s.dirty = true;
    const SpanPainter paint(brush);
    const ColorMatch match(start), solid(brush.color);
    // Without a snapshot holding the old pixels nothing needs announcing, and a solid fill paints
    // as it searches; otherwise every span is announced as it is painted.
    BitmapImage* direct = writer.Unannounced();
    auto rowFor = [&](int py, int a, int b) { return direct ? direct->Row(py) : writer.Row(py, a, b); };
    AreaBounds box;
    try {
      if (direct && brush.kind == BrushKind::Solid)
        box = FillArea<true>(*direct, x, y, match, solid, s, paint);
      else
        box = FillArea<false>(*img, x, y, match, solid, s,
                              [&](int py, int a, int b) { paint(rowFor(py, a, b), py, a, b); });
    } catch (...) {
      // Out of memory part-way (for the snapshots' copy of the old pixels, or the work list). The
      // spans painted so far held nothing but the start colour, and their old bytes are kept:
      // painting them with it again gives the page back as it was.
      PaintArea({0, 0, img->width - 1, img->height - 1}, SpanPainter(RealizeBrush(start, bsSolid)), s, rowFor);
      throw;
    }
    ClearMask(box, s);
    s.dirty = false;
  }
  writer.Commit();
}

}  // namespace pintoola
