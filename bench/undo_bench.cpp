// The click cycle: snapshot, then the fill that gives the page its own copy. Every snapshot stays
// alive in the history, as in the program, so each click's copy lands in memory never used before.
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

// A click: push, then a fill of the whole (uniform) page, which also makes the page's own copy.
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

// The same with the window's idle step between clicks (untimed): the next copy's memory is ready.
void BM_ClickCycleWithIdlePreparation(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  PageBitmap page;
  page.SetSize(w, h);
  TPictureArray history;
  bool flip = false;
  for (auto _ : state) {
    state.PauseTiming();
    PrepareNextCopy(page);
    state.ResumeTiming();
    history.PushUndo(page);
    FillRegion(page, 10, 10, flip ? clRed : clBlue, bsSolid);
    flip = !flip;
  }
}
BENCHMARK(BM_ClickCycleWithIdlePreparation)->Args({1920, 1080})->Iterations(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickCycleWithIdlePreparation)->Args({4000, 3000})->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_UndoLast(benchmark::State& state) {
  PageBitmap page;
  page.SetSize(1920, 1080);
  TPictureArray history;
  for (auto _ : state) {
    state.PauseTiming();
    history.PushUndo(page);
    state.ResumeTiming();
    benchmark::DoNotOptimize(history.UndoLast());
  }
}
BENCHMARK(BM_UndoLast)->Iterations(10000);

}  // namespace
}  // namespace pintoola

BENCHMARK_MAIN();
