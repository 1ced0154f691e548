// A colouring session as a child has it: a page of closed cells (each about 0.7 % of an A4 scan at
// 300 dpi), fill clicks in every style with their undo snapshots, a "Fix image" and a reload of the
// page half-way, then every click undone. Reports the click and undo times (median and 90th
// percentile) and the resident memory each fill click keeps, as a share of one page.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/Resident.h"
#include "engine/Contrast.h"
#include "engine/RegionFill.h"
#include "engine/UndoHistory.h"

namespace pintoola {
namespace {

constexpr int kCell = 250, kLine = 3;

// White cells of kCell pixels between black lines kLine wide, written to a BMP file.
std::string WriteCellPage(int w, int h) {
  PageBitmap page;
  page.SetSize(w, h, clWhite);
  PageWriter writer(page);
  BitmapImage& img = writer.Area(Rect(0, 0, w, h));
  for (int y = 0; y < h; ++y) {
    uint8_t* row = img.Row(y);
    const bool lineRow = y % kCell < kLine;
    for (int x = 0; x < w; ++x)
      if (lineRow || x % kCell < kLine) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = 0;
  }
  writer.Commit();
  char name[] = "/tmp/pintoola-session-XXXXXX";
  const int fd = mkstemp(name);
  if (fd >= 0) close(fd);
  page.SaveToFile(name);
  return name;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}
double Percentile90(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() * 9 / 10];
}

// The main window's way of holding its page: one owned object, replaced by an undo.
struct Session {
  std::unique_ptr<PageBitmap> page = std::make_unique<PageBitmap>();
  TPictureArray history;
  std::vector<double> clickMs, undoMs;
  int clicks = 0;

  void Click(int w, int h) {
    static constexpr TBrushStyle kStyles[] = {bsSolid, bsHorizontal, bsVertical, bsFDiagonal,
                                              bsBDiagonal, bsCross, bsDiagCross};
    static constexpr TColor kColors[] = {clRed, clBlue, clLime, clYellow, 0x0080FF, 0x800080, clAqua, 0x808000};
    const int cols = w / kCell, rows = h / kCell;
    const int cell = (clicks * 7919) % (cols * rows);
    const int x = (cell % cols) * kCell + kCell / 2, y = (cell / cols) * kCell + kCell / 2;
    const auto t0 = std::chrono::steady_clock::now();
    history.PushUndo(*page);
    FillRegion(*page, x, y, kColors[clicks % 8], kStyles[clicks % 7]);
    clickMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    ++clicks;
  }
  void UndoAll() {
    for (;;) {
      const auto t0 = std::chrono::steady_clock::now();
      auto restored = history.UndoLast();
      if (!restored) break;
      page = std::move(restored);
      undoMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
  }
};

// Args: page width, height, fill clicks before and after the middle (each half).
void BM_ColouringSession(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const int half = static_cast<int>(state.range(2));
  const std::string file = WriteCellPage(w, h);
  const double pageBytes = static_cast<double>(BitmapImage::StrideFor(w, 24)) * h;
  for (auto _ : state) {
    Session s;
    s.page->LoadFromFile(file);
    const double start = ResidentBytes();
    for (int i = 0; i < half; ++i) s.Click(w, h);
    const double afterFirst = ResidentBytes();
    const double keptFirst = static_cast<double>(s.page->KeptBytes());
    ContrastImage(*s.page, 100);
    s.page->LoadFromFile(file);  // "Reset coloring page"
    const double afterMiddle = ResidentBytes();
    for (int i = 0; i < half; ++i) s.Click(w, h);
    const double end = ResidentBytes();
    s.UndoAll();
    PageBitmap original;
    original.LoadFromFile(file);
    const BitmapImage &a = *s.page->Image(), &b = *original.Image();
    if (a.pixels.size() != b.pixels.size() || std::memcmp(a.pixels.data(), b.pixels.data(), a.pixels.size()) != 0)
      state.SkipWithError("the undos did not give back the page as it was loaded");
    state.counters["click_median_ms"] = Median(s.clickMs);
    state.counters["click_p90_ms"] = Percentile90(s.clickMs);
    state.counters["undo_median_ms"] = Median(s.undoMs);
    state.counters["undo_p90_ms"] = Percentile90(s.undoMs);
    const double perClick = (afterFirst - start + end - afterMiddle) / (2.0 * half);
    state.counters["kept_per_click_pct_of_page"] = 100.0 * perClick / pageBytes;
    state.counters["journal_per_click_pct_of_page"] = 100.0 * keptFirst / half / pageBytes;
    state.counters["middle_kept_pages"] = (afterMiddle - afterFirst) / pageBytes;
    state.counters["rss_end_MiB"] = end / (1 << 20);
  }
  std::remove(file.c_str());
}
BENCHMARK(BM_ColouringSession)
    ->Args({2480, 3508, 60})
    ->Args({2480, 3508, 500})  // a thousand clicks
    ->Args({1920, 1080, 60})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pintoola

BENCHMARK_MAIN();
