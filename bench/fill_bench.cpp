// Region fill on page-sized areas: a whole white page, an outlined region, a network of one-pixel
// lines, a maze.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "engine/RegionFill.h"

namespace pintoola {
namespace {

void Put(BitmapImage& img, int x, int y, TColor c) {
  uint8_t* p = img.Row(y) + 3 * x;
  p[0] = GetBValue(c);
  p[1] = GetGValue(c);
  p[2] = GetRValue(c);
}

// A page and a pristine copy of its bytes to restore between hatched fills.
struct Fixture {
  PageBitmap page;
  std::vector<uint8_t> pristine;
  void Keep() {
    const BitmapImage& img = *page.Image();
    pristine.assign(img.pixels.data(), img.pixels.data() + img.pixels.size());
  }
  void Restore() {
    PageWriter writer(page);
    std::memcpy(writer.Area(Rect(0, 0, page.Width(), page.Height())).pixels.data(), pristine.data(), pristine.size());
    writer.Commit();
  }
};

// Solid fills alternate between two colours so every iteration covers the same area again; a
// hatched fill restores the page first, outside the timing.
void RunFill(benchmark::State& state, Fixture& f, int x, int y, TColor a, TColor b, TBrushStyle style,
             int64_t areaPixels) {
  f.Keep();
  bool flip = false;
  for (auto _ : state) {
    if (style != bsSolid) {
      state.PauseTiming();
      f.Restore();
      state.ResumeTiming();
    }
    FillRegion(f.page, x, y, flip ? b : a, style);
    if (style == bsSolid) flip = !flip;
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * areaPixels);
  state.counters["area_px"] = static_cast<double>(areaPixels);
}

void BM_WhitePage(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const auto style = static_cast<TBrushStyle>(state.range(2));
  Fixture f;
  f.page.SetSize(w, h);
  // Solid: white → red → white … ; hatch: always onto the restored white page.
  RunFill(state, f, w / 2, h / 2, clRed, clWhite, style, int64_t{w} * h);
}
BENCHMARK(BM_WhitePage)
    ->Args({1920, 1080, bsSolid})
    ->Args({1920, 1080, bsDiagCross})
    ->Args({4000, 3000, bsSolid})
    ->Args({4000, 3000, bsDiagCross})
    ->Unit(benchmark::kMillisecond);

// The large region inside a closed black outline of a 4000 × 3000 page.
void BM_OutlinedRegion(benchmark::State& state) {
  Fixture f;
  f.page.SetSize(4000, 3000);
  PageWriter writer(f.page);
  BitmapImage& img = writer.Area(Rect(0, 0, f.page.Width(), f.page.Height()));
  for (int x = 100; x < 3900; ++x) Put(img, x, 100, clBlack), Put(img, x, 2899, clBlack);
  for (int y = 100; y < 2900; ++y) Put(img, 100, y, clBlack), Put(img, 3899, y, clBlack);
  writer.Commit();
  RunFill(state, f, 2000, 1500, clRed, clWhite, bsSolid, int64_t{3798} * 2798);
}
BENCHMARK(BM_OutlinedRegion)->Unit(benchmark::kMillisecond);

// One-pixel black lines every 8 pixels both ways; the fill starts on a line, so the area is the
// whole network of lines (a quarter of the page, in spans of one and eight pixels).
void BM_LineNetwork(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const auto style = static_cast<TBrushStyle>(state.range(2));
  Fixture f;
  f.page.SetSize(w, h);
  PageWriter writer(f.page);
  BitmapImage& img = writer.Area(Rect(0, 0, f.page.Width(), f.page.Height()));
  int64_t area = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (x % 8 == 0 || y % 8 == 0) Put(img, x, y, clBlack), ++area;
  writer.Commit();
  RunFill(state, f, 0, 0, clBlue, clBlack, style, area);
}
BENCHMARK(BM_LineNetwork)
    ->Args({1920, 1080, bsSolid})
    ->Args({1920, 1080, bsHorizontal})
    ->Args({4000, 3000, bsSolid})
    ->Args({4000, 3000, bsHorizontal})
    ->Unit(benchmark::kMillisecond);

// The cells between the lines of the network above: a fill of one of them is tiny; the gaps are the
// interesting part of a line-art page. Here: a perfect maze of one-pixel corridors, the worst shape
// for a span fill (short spans, constant turning).
void BM_Maze(benchmark::State& state) {
  const int cw = static_cast<int>(state.range(0)), ch = static_cast<int>(state.range(1));
  const int w = 2 * cw + 1, h = 2 * ch + 1;
  Fixture f;
  f.page.SetSize(w, h, clBlack);
  PageWriter writer(f.page);
  BitmapImage& img = writer.Area(Rect(0, 0, f.page.Width(), f.page.Height()));
  std::vector<char> seen(static_cast<size_t>(cw) * ch, 0);
  std::vector<std::pair<int, int>> stack = {{0, 0}};
  seen[0] = 1;
  Put(img, 1, 1, clWhite);
  std::mt19937 rng(1);
  int64_t area = 1;
  while (!stack.empty()) {
    auto [cx, cy] = stack.back();
    int dirs[4] = {0, 1, 2, 3}, n = 0, opts[4];
    for (int d : dirs) {
      const int nx = cx + (d == 0) - (d == 1), ny = cy + (d == 2) - (d == 3);
      if (nx >= 0 && ny >= 0 && nx < cw && ny < ch && !seen[static_cast<size_t>(ny) * cw + nx]) opts[n++] = d;
    }
    if (!n) {
      stack.pop_back();
      continue;
    }
    const int d = opts[rng() % static_cast<unsigned>(n)];
    const int nx = cx + (d == 0) - (d == 1), ny = cy + (d == 2) - (d == 3);
    seen[static_cast<size_t>(ny) * cw + nx] = 1;
    Put(img, cx + nx + 1, cy + ny + 1, clWhite);  // the wall between the two cells
    Put(img, 2 * nx + 1, 2 * ny + 1, clWhite);
    area += 2;
    stack.push_back({nx, ny});
  }
  writer.Commit();
  RunFill(state, f, 1, 1, clRed, clWhite, bsSolid, area);
}
BENCHMARK(BM_Maze)->Args({960, 540})->Args({2000, 1500})->Unit(benchmark::kMillisecond);

// Reference: one read and one write of the same page bytes with memcpy (warm buffers), the memory
// speed a whole-page fill is up against.
void BM_PageCopyReference(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0)) * static_cast<size_t>(state.range(1)) * 3;
  std::vector<uint8_t> a(n, 1), b(n, 2);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), n);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_PageCopyReference)->Args({1920, 1080})->Args({4000, 3000})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pintoola

BENCHMARK_MAIN();
