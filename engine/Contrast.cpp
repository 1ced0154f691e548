#include "engine/Contrast.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "core/Errors.h"

namespace pintoola {

std::array<uint8_t, 256> ContrastTable(int aContrast) {
  const double q = (aContrast + 100) / 100.0;
  const double f = q * q;
  std::array<uint8_t, 256> table{};
  // Each step is one rounded double operation, in this order. Do not fold them into 4v − 382.5 or
  // a fused multiply-add: at strength 100 every exact result is a half, and the rounding errors of
  // these steps decide the direction of 24 of the values.
  for (int v = 0; v < 256; ++v) {
    double t = v / 255.0;
    t = t - 0.5;
    t = t * f;
    t = t + 0.5;
    t = t * 255.0;
    if (!(t >= 0)) t = 0;
    if (t > 255) t = 255;
    table[static_cast<size_t>(v)] = static_cast<uint8_t>(std::nearbyint(t));  // ties to even
  }
  return table;
}

namespace {

// Two bytes at a time through a 64 K table of byte pairs: half the lookups of the byte table, and
// the table stays in the second-level cache.
void MapRows(PageBitmap& page, const std::array<uint8_t, 256>& table) {
  const int w = page.Width(), h = page.Height();
  const size_t rowBytes = 3 * static_cast<size_t>(w);
  std::vector<uint16_t> pairs;
  if (rowBytes * static_cast<size_t>(h) >= (size_t{1} << 20)) {
    pairs.resize(65536);
    for (unsigned hi = 0; hi < 256; ++hi)
      for (unsigned lo = 0; lo < 256; ++lo)
        pairs[hi << 8 | lo] = static_cast<uint16_t>(table[lo] | table[hi] << 8);
  }
  for (int y = 0; y < h; ++y) {
    uint8_t* row = page.ScanLine(y);
    size_t i = 0;
    if (!pairs.empty()) {
      for (; i + 8 <= rowBytes; i += 8) {
        uint64_t v;
        std::memcpy(&v, row + i, 8);
        const uint64_t out = uint64_t{pairs[v & 0xFFFF]} | uint64_t{pairs[(v >> 16) & 0xFFFF]} << 16 |
                             uint64_t{pairs[(v >> 32) & 0xFFFF]} << 32 | uint64_t{pairs[v >> 48]} << 48;
        std::memcpy(row + i, &out, 8);
      }
    }
    for (; i < rowBytes; ++i) row[i] = table[row[i]];
  }
}

}  // namespace

void ContrastImage(PageBitmap& page, int aContrast) {
  if (aContrast < -100 || aContrast > 100) return;
  const std::array<uint8_t, 256> table = ContrastTable(aContrast);
  // Rows 1 and 0 must both exist before anything is touched: a one-row page stays shared and as
  // it was.
  if (page.Height() < 2) throw EPintoolaError("Error");
  if (page.Depth() != 24) page.BeginDraw();
  try {
    page.ScanLine(1);
    page.ScanLine(0);
  } catch (const EPintoolaError&) {
    throw EPintoolaError("Error");
  }
  MapRows(page, table);
  page.Changed();
}

}  // namespace pintoola
