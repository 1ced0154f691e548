// What the page view pays after each change: the page turned into the image it paints.
#include <benchmark/benchmark.h>

#include <QImage>
#include <algorithm>

#include "engine/PageBitmap.h"
#include "platform/PageImage.h"

namespace pintoola {
namespace {

void BM_PageToDisplayImage(benchmark::State& state) {
  PageBitmap page;
  page.SetSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), clWhite);
  // The view keeps its image between refreshes and shows at most the 1128 × 703 it has on a
  // 1366 × 768 screen.
  QImage shown;
  for (auto _ : state) {
    ToQImage(*page.Image(), QSize(1128, 703), shown);
    benchmark::DoNotOptimize(shown.constBits());
  }
  state.SetItemsProcessed(state.iterations() * std::min<int64_t>(state.range(0), 1128) * std::min<int64_t>(state.range(1), 703));
}
BENCHMARK(BM_PageToDisplayImage)->Args({960, 680})->Args({1920, 1080})->Args({4000, 3000})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pintoola

BENCHMARK_MAIN();
