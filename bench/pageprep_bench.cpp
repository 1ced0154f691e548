// The importer's clean-up on a synthetic A4 scan at 300 dots to the inch (light falling off
// across it, the shadow of a fold, scanner noise) and on a 1000-pixel picture: time and the
// process's peak resident memory.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include "bench/Resident.h"
#include "pageprep/PagePrep.h"
#include "pageprep/Steps.h"

namespace {

using namespace pintoola::pageprep;
using pintoola::PeakResidentBytes;

// Rings and boxes drawn with `line`-pixel strokes on paper whose brightness falls from 245 to 150
// across the page with a darker fold down the middle; ink at a third of the paper, light noise.
GreyImage Scan(int w, int h, double line) {
  GreyImage g{w, h, std::vector<std::uint8_t>(static_cast<size_t>(w) * h)};
  unsigned noise = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double paper = 245.0 - 95.0 * x / w - 60.0 * std::exp(-std::pow((x - w / 2.0) / (w / 20.0), 2));
      bool ink = false;
      for (int k = 0; k < 12 && !ink; ++k) {
        const double cx = w * (0.2 + 0.6 * ((k * 37) % 11) / 10.0), cy = h * (0.1 + 0.8 * ((k * 53) % 13) / 12.0);
        const double r = std::min(w, h) * (0.05 + 0.01 * (k % 5));
        ink = std::abs(std::hypot(x - cx, y - cy) - r) < line / 2;
      }
      ink = ink || (x % (w / 6) < line && y > h / 10 && y < h * 9 / 10) || (y % (h / 8) < line && x > w / 10 && x < w * 9 / 10);
      noise = noise * 1103515245u + 12345u;
      const double v = (ink ? paper / 3 : paper) + static_cast<double>((noise >> 16) % 17) - 8;
      g.pixels[static_cast<size_t>(y) * w + x] = static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
    }
  return g;
}

const GreyImage& A4() {
  static const GreyImage scan = Scan(2480, 3508, 9);
  return scan;
}
const GreyImage& Picture1000() {
  static const GreyImage picture = Scan(1000, 750, 3);
  return picture;
}

void Report(benchmark::State& state, const PrepReport& report) {
  state.counters["areas"] = report.areas;
  state.counters["gaps"] = report.gapsClosed;
  state.counters["peak_MB"] = PeakResidentBytes() / (1024.0 * 1024.0);
}

void BM_PreparePageA4Scan(benchmark::State& state) {
  const GreyImage& scan = A4();
  PrepReport report;
  for (auto _ : state) benchmark::DoNotOptimize(PreparePage(scan, report));
  Report(state, report);
}
BENCHMARK(BM_PreparePageA4Scan)->Unit(benchmark::kMillisecond);

void BM_PreparePage1000px(benchmark::State& state) {
  const GreyImage& picture = Picture1000();
  PrepReport report;
  for (auto _ : state) benchmark::DoNotOptimize(PreparePage(picture, report));
  Report(state, report);
}
BENCHMARK(BM_PreparePage1000px)->Unit(benchmark::kMillisecond);

// The steps at the source size, on the scan.
void BM_A4Binarise(benchmark::State& state) {
  const GreyImage& scan = A4();
  for (auto _ : state) benchmark::DoNotOptimize(Binarise(scan));
}
BENCHMARK(BM_A4Binarise)->Unit(benchmark::kMillisecond);

void BM_A4LineWidth(benchmark::State& state) {
  const InkMask ink = Binarise(A4());
  for (auto _ : state) benchmark::DoNotOptimize(TypicalLineWidth(ink));
}
BENCHMARK(BM_A4LineWidth)->Unit(benchmark::kMillisecond);

void BM_A4ReduceArea(benchmark::State& state) {
  const InkMask ink = Binarise(A4());
  const Size size = FitSize(ink.width, ink.height, {});
  for (auto _ : state) benchmark::DoNotOptimize(ReduceArea(ink, size, 0.4));
}
BENCHMARK(BM_A4ReduceArea)->Unit(benchmark::kMillisecond);

// One closing-and-seams pass at the page size.
void BM_PageCloseGaps(benchmark::State& state) {
  const InkMask ink = Binarise(A4());
  const InkMask page = ReduceArea(ink, FitSize(ink.width, ink.height, {}), 0.4);
  int seams = 0;
  for (auto _ : state) benchmark::DoNotOptimize(CloseGaps(page, static_cast<double>(state.range(0)), seams));
}
BENCHMARK(BM_PageCloseGaps)->Arg(3)->Arg(9)->Unit(benchmark::kMillisecond);

// Line-end linking at the page size: thinning, the ends' walks, the segments.
void BM_PageLinkLineEnds(benchmark::State& state) {
  const InkMask ink = Binarise(A4());
  const InkMask page = ReduceArea(ink, FitSize(ink.width, ink.height, {}), 0.4);
  const double line = std::max(2.0, TypicalLineWidth(page));
  int links = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(LinkLineEnds(page, {.lineWidth = line, .maxGap = 2.5 * line + 2, .minStroke = 3 * line}, links));
  state.counters["links"] = links;
}
BENCHMARK(BM_PageLinkLineEnds)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
