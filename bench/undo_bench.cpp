// The click cycle at its worst: a snapshot, then a fill of the whole page, so the snapshot keeps
// every tile's old bytes. Every snapshot stays alive in the history, as in the program. (Fills of
// ordinary areas: session_bench.)
#include <benchmark/benchmark.h>

#include "engine/RegionFill.h"
#include "engine/UndoHistory.h"

namespace pintoola {
namespace {

void BM_PushUndo(benchmark::State& state) {
  PageBitmap page;
  page.SetSize(1920, 1080);
  TPictureArray history;
  for (auto _ : state) history.PushUndo(page);
}
BENCHMARK(BM_PushUndo)->Iterations(100000);

// A click: push, then a fill of the whole (uniform) page.
void BM_ClickCycle(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  PageBitmap page;
  page.SetSize(w, h);
  TPictureArray history;
  bool flip = false;
  for (auto _ : state) {
    history.PushUndo(page);
    FillRegion(page, 10, 10, flip ? clRed : clBlue, bsSolid);
    flip = !flip;
  }
  state.counters["snapshots"] = static_cast<double>(history.Count());
}
BENCHMARK(BM_ClickCycle)->Args({1920, 1080})->Iterations(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickCycle)->Args({4000, 3000})->Iterations(20)->Unit(benchmark::kMillisecond);

// An undo of a whole-page fill, as the window does it: the restored snapshot takes the page's
// place, and the page's pixels go back to the snapshot's, tile by tile.
void BM_UndoLast(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  auto page = std::make_unique<PageBitmap>();
  page->SetSize(w, h);
  TPictureArray history;
  for (auto _ : state) {
    state.PauseTiming();
    history.PushUndo(*page);
    FillRegion(*page, 10, 10, clRed, bsSolid);
    state.ResumeTiming();
    page = history.UndoLast();
  }
}
BENCHMARK(BM_UndoLast)->Args({1920, 1080})->Args({4000, 3000})->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pintoola

BENCHMARK_MAIN();
