// Memory of a long colouring session: 500 fill clicks on a 1920 × 1080 page, each with its undo
// snapshot, as the main window does them. Reports the peak resident size and the growth per click.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <fstream>
#include <string>

#include "engine/RegionFill.h"
#include "engine/UndoHistory.h"

namespace pintoola {
namespace {

// Current resident set in MiB, from the kernel's own accounting.
double ResidentMiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      double kb = 0;
      status >> kb;
      return kb / 1024.0;
    }
    status.ignore(1 << 16, '\n');
  }
  return 0;
}

double PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_FiveHundredClicksWithSnapshots(benchmark::State& state) {
  constexpr int kClicks = 500;
  for (auto _ : state) {
    state.PauseTiming();
    PageBitmap page;
    page.SetSize(1920, 1080, clWhite);
    TPictureArray history;
    const double before = ResidentMiB();
    state.ResumeTiming();
    for (int i = 0; i < kClicks; ++i) {
      history.PushUndo(page);
      FillRegion(page, (i * 37) % 1920, (i * 53) % 1080, RGB(i & 255, (i * 7) & 255, 128), bsSolid);
    }
    state.PauseTiming();
    const double after = ResidentMiB();
    state.counters["rss_start_MiB"] = before;
    state.counters["rss_end_MiB"] = after;
    state.counters["per_click_MiB"] = (after - before) / kClicks;
    state.counters["page_MiB"] = 1920.0 * 1080 * 3 / (1 << 20);
    state.counters["peak_MiB"] = PeakMiB();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FiveHundredClicksWithSnapshots)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pintoola

BENCHMARK_MAIN();
