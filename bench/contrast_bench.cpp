// "Fix image" on a large page.
#include <benchmark/benchmark.h>

#include <random>

#include "engine/Contrast.h"
#include "engine/RegionFill.h"
#include "engine/UndoHistory.h"

namespace pintoola {
namespace {

// Content: 0 = every byte random (no two neighbours alike), 1 = line art (white with grey lines).
void Draw(PageBitmap& page, int w, int h, int64_t content) {
  page.SetSize(w, h);
  PageWriter writer(page);
  BitmapImage& img = writer.Area(Rect(0, 0, w, h));
  std::mt19937 rng(3);
  for (int y = 0; y < h; ++y) {
    uint8_t* r = img.Row(y);
    for (int i = 0; i < 3 * w; ++i)
      r[i] = content == 0 ? static_cast<uint8_t>(rng()) : (y % 16 == 0 || (i / 3) % 16 == 0) ? 90 : 255;
  }
  writer.Commit();
}

void BM_ContrastImage(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  PageBitmap page;
  Draw(page, w, h, state.range(2));
  for (auto _ : state) {
    ContrastImage(page, 100);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * int64_t{3} * w * h);
}
BENCHMARK(BM_ContrastImage)
    ->Args({4000, 3000, 0})
    ->Args({4000, 3000, 1})
    ->Args({1920, 1080, 0})
    ->Unit(benchmark::kMillisecond);

// "Fix image" right after a click, as in the program: the click's snapshot still holds the page's
// pixels, so the fix first keeps every tile's old bytes (one page of before-images).
void BM_ContrastImageAfterClick(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  auto page = std::make_unique<PageBitmap>();
  Draw(*page, w, h, state.range(2));
  TPictureArray history;
  for (auto _ : state) {
    state.PauseTiming();
    history.PushUndo(*page);
    FillRegion(*page, 0, 0, clRed, bsSolid);
    state.ResumeTiming();
    ContrastImage(*page, 100);
    state.PauseTiming();
    page = history.UndoLast();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * int64_t{3} * w * h);
}
BENCHMARK(BM_ContrastImageAfterClick)->Args({4000, 3000, 0})->Args({4000, 3000, 1})->Unit(benchmark::kMillisecond);

void BM_ContrastTable(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ContrastTable(100));
}
BENCHMARK(BM_ContrastTable);

}  // namespace
}  // namespace pintoola

BENCHMARK_MAIN();
