// Opening the pages library over 200 pages of 1600 x 1200 (5.8 MB each): the time from the show
// request to the first painted dialog, split into reading, reducing and laying out the tiles, and
// the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/PicLibFrm.h"
#include "engine/PageBitmap.h"
#include "platform/Files.h"
#include "thumbs/JvThumbImage.h"
#include "thumbs/JvThumbnails.h"

namespace {

using namespace pintoola;

constexpr int kPages = 200, kWidth = 1600, kHeight = 1200;

// An executable folder with images/ holding kPages distinct copies of one page, and tiny/ holding
// as many 4 x 3 pages (scans of those cost layout and tiles, hardly any pixels).
struct Library {
  std::filesystem::path dir;
  std::string page;
  Library() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "pintoola-library-XXXXXX").string();
    dir = ::mkdtemp(tmpl.data());
    std::filesystem::create_directories(dir / "images");
    std::filesystem::create_directories(dir / "tiny" / "images");
    PageBitmap p;
    p.SetSize(kWidth, kHeight);
    PageWriter writer(p);
    for (int y = 0; y < kHeight; ++y) {
      uint8_t* row = writer.ScanLine(y);
      for (int x = 0; x < kWidth * 3; ++x) row[x] = static_cast<uint8_t>((x / 3 + y) % 7 == 0 ? 0 : 255);
    }
    writer.Commit();
    page = (dir / "page.bmp").string();
    p.SaveToFile(page);
    PageBitmap small;
    small.SetSize(4, 3);
    for (int i = 0; i < kPages; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "page%03d.bmp", i);
      std::filesystem::copy_file(page, dir / "images" / name);
      small.SaveToFile((dir / "tiny" / "images" / name).string());
    }
  }
  ~Library() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

Library& TheLibrary() {
  static Library library;
  return library;
}

double PeakRssMB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_maxrss) / 1024.0;
}

// Shows the dialog and waits until its view has painted; returns the milliseconds it took.
double ShowUntilPainted(TForm2& dialog) {
  QElapsedTimer t;
  t.start();
  dialog.show();
  while (!dialog.jvthmbvw1->Painted()) QApplication::processEvents(QEventLoop::AllEvents, 5);
  QApplication::processEvents();
  const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
  dialog.hide();
  return ms;
}

// The first opening scans twice (on show and on the first paint); the dialog is made beforehand,
// as at start-up, and that scan is not timed.
void BM_FirstOpening(benchmark::State& state, const char* folder) {
  SetExeFolderForTesting((TheLibrary().dir / folder).string() + "/");
  QWidget owner;
  owner.resize(900, 700);
  owner.show();
  for (auto _ : state) {
    state.PauseTiming();
    auto dialog = std::make_unique<TForm2>(&owner);
    state.ResumeTiming();
    const double ms = ShowUntilPainted(*dialog);
    benchmark::DoNotOptimize(ms);
    state.PauseTiming();
    dialog.reset();
    state.ResumeTiming();
  }
  state.counters["peak_rss_MB"] = PeakRssMB();
  SetExeFolderForTesting("");
}

// A later opening: one scan on show.
void BM_LaterOpening(benchmark::State& state, const char* folder) {
  SetExeFolderForTesting((TheLibrary().dir / folder).string() + "/");
  QWidget owner;
  owner.resize(900, 700);
  owner.show();
  TForm2 dialog(&owner);
  ShowUntilPainted(dialog);
  for (auto _ : state) benchmark::DoNotOptimize(ShowUntilPainted(dialog));
  state.counters["peak_rss_MB"] = PeakRssMB();
  SetExeFolderForTesting("");
}

// One tile's picture: read and reduced to 160 x 120 in one pass.
void BM_ReadThumbPicture(benchmark::State& state) {
  const std::string& page = TheLibrary().page;
  for (auto _ : state) {
    ThumbPicture p = ReadThumbPicture(page, [](int, int) { return QSize(160, 120); });
    benchmark::DoNotOptimize(p.reduced.constBits());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(page)));
}

// Only the reading of the same bytes through the same reused buffer, for the split.
void BM_ReadFileOnly(benchmark::State& state) {
  const std::string& page = TheLibrary().page;
  std::vector<char> buffer(1 << 20);
  for (auto _ : state) {
    std::FILE* f = std::fopen(page.c_str(), "rb");
    while (std::fread(buffer.data(), 1, buffer.size(), f) == buffer.size()) {
    }
    std::fclose(f);
    benchmark::DoNotOptimize(buffer.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(page)));
}

// The full page through the page reader, as a tile would hold it without the reduction.
void BM_LoadFullPage(benchmark::State& state) {
  const std::string& page = TheLibrary().page;
  for (auto _ : state) {
    PageBitmap p;
    p.LoadFromFile(page);
    benchmark::DoNotOptimize(p.Image());
  }
}

BENCHMARK_CAPTURE(BM_FirstOpening, pages200, ".")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_LaterOpening, pages200, ".")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_FirstOpening, tiny200, "tiny")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_LaterOpening, tiny200, "tiny")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReadThumbPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFileOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFullPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
