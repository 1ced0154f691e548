#pragma once
// Small pages built in memory for the drawing tests: pixel access, whole-page comparison.
#include <cstring>
#include <string>
#include <vector>

#include "engine/PageBitmap.h"

namespace pintoola::testing {

inline void SetPixel(PageBitmap& page, int x, int y, TColor c) {
  PageWriter writer(page);
  uint8_t* p = writer.Row(y, x, x + 1) + 3 * x;
  p[0] = GetBValue(c);
  p[1] = GetGValue(c);
  p[2] = GetRValue(c);
  writer.Commit();
}

// Every pixel as read back, row by row.
inline std::vector<TColor> AllPixels(const PageBitmap& page) {
  std::vector<TColor> out;
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x) out.push_back(page.Pixels(x, y));
  return out;
}

// The raw bytes of every row including padding.
inline std::vector<uint8_t> RawRows(const PageBitmap& page) {
  std::vector<uint8_t> out;
  for (int y = 0; y < page.Height(); ++y) {
    const uint8_t* r = page.ConstScanLine(y);
    out.insert(out.end(), r, r + page.Stride());
  }
  return out;
}

// Everything of a page that a file or a later drawing could tell apart.
struct PageRecord {
  bool empty = true;
  int width = 0, height = 0, depth = 0, stride = 0;
  bool topDown = false;
  uint32_t colorsUsed = 0, colorsImportant = 0;
  std::vector<TColor> table;
  std::vector<uint8_t> rows;  // RawRows
  bool operator==(const PageRecord&) const = default;
};

inline PageRecord Capture(const PageBitmap& page) {
  PageRecord r;
  r.empty = page.Empty();
  const BitmapImage* img = page.Image();
  if (!img) return r;
  r.width = img->width;
  r.height = img->height;
  r.depth = img->depth;
  r.stride = img->stride;
  r.topDown = img->topDown;
  r.colorsUsed = img->colorsUsed;
  r.colorsImportant = img->colorsImportant;
  for (const RGBQuad& q : img->colorTable) r.table.push_back(RGB(q.red, q.green, q.blue));
  r.rows = RawRows(page);
  return r;
}

// A page drawn from text: one character per pixel, looked up in `legend`.
inline void Draw(PageBitmap& page, const std::vector<std::string>& rows,
                 const std::vector<std::pair<char, TColor>>& legend) {
  page.SetSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t x = 0; x < rows[y].size(); ++x)
      for (const auto& [ch, c] : legend)
        if (rows[y][x] == ch) SetPixel(page, static_cast<int>(x), static_cast<int>(y), c);
}

// An 8-bit page with a colour table, the way a file of that depth is kept.
inline std::shared_ptr<BitmapImage> PalettedImage(int w, int h, const std::vector<RGBQuad>& table,
                                                  const std::vector<std::vector<uint8_t>>& indices) {
  auto img = std::make_shared<BitmapImage>();
  img->width = w;
  img->height = h;
  img->depth = 8;
  img->colorTable = table;
  img->stride = BitmapImage::StrideFor(w, 8);
  img->pixels = PixelBuffer(static_cast<size_t>(img->stride) * h, true);
  for (int y = 0; y < h; ++y) std::memcpy(img->Row(y), indices[y].data(), w);
  return img;
}

}  // namespace pintoola::testing
