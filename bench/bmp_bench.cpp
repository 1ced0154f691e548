// Reading and writing a 4000 x 3000 24-bit page (36 MB), next to a plain copy of the same file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/PageBitmap.h"

namespace {

using pintoola::PageBitmap;

constexpr int kWidth = 4000, kHeight = 3000;

struct Files {
  std::filesystem::path dir;
  std::string source, target;
  Files() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "pintoola-bench-XXXXXX").string();
    dir = ::mkdtemp(tmpl.data());
    source = (dir / "page.bmp").string();
    target = (dir / "copy.bmp").string();
    PageBitmap page;
    page.SetSize(kWidth, kHeight);
    PageWriter writer(page);
    for (int y = 0; y < kHeight; ++y) {
      uint8_t* row = writer.ScanLine(y);
      for (int x = 0; x < kWidth * 3; ++x) row[x] = static_cast<uint8_t>(x * 7 + y);
    }
    writer.Commit();
    page.SaveToFile(source);
  }
  ~Files() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

Files& TheFiles() {
  static Files files;
  return files;
}

void BM_LoadPage(benchmark::State& state) {
  const Files& f = TheFiles();
  PageBitmap page;
  for (auto _ : state) {
    page.LoadFromFile(f.source);
    benchmark::DoNotOptimize(page.Image());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(f.source)));
}

// Saving a project writes a new file.
void BM_SavePageNewFile(benchmark::State& state) {
  const Files& f = TheFiles();
  PageBitmap page;
  page.LoadFromFile(f.source);
  for (auto _ : state) {
    page.SaveToFile(f.target);
    state.PauseTiming();
    ::unlink(f.target.c_str());
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(f.source)));
}

void BM_SavePageReplacing(benchmark::State& state) {
  const Files& f = TheFiles();
  PageBitmap page;
  page.LoadFromFile(f.source);
  for (auto _ : state) page.SaveToFile(f.target);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(f.source)));
}

// What `cp` does on this system: an in-kernel copy into a new file.
void BM_CopyFileRange(benchmark::State& state) {
  const Files& f = TheFiles();
  const size_t size = std::filesystem::file_size(f.source);
  for (auto _ : state) {
    const int in = ::open(f.source.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(f.target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    size_t done = 0;
    while (done < size) {
      const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size - done, 0);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    ::close(in);
    ::close(out);
    state.PauseTiming();
    ::unlink(f.target.c_str());
    state.ResumeTiming();
    if (done != size) state.SkipWithError("copy_file_range failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
}

// A user-space copy through one reused buffer.
void BM_CopyReadWrite(benchmark::State& state) {
  const Files& f = TheFiles();
  std::vector<char> buffer(1 << 20);
  const size_t size = std::filesystem::file_size(f.source);
  for (auto _ : state) {
    const int in = ::open(f.source.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(f.target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ssize_t n;
    while ((n = ::read(in, buffer.data(), buffer.size())) > 0)
      if (::write(out, buffer.data(), static_cast<size_t>(n)) != n) break;
    ::close(in);
    ::close(out);
    state.PauseTiming();
    ::unlink(f.target.c_str());
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
}

BENCHMARK(BM_LoadPage)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SavePageNewFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SavePageReplacing)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyFileRange)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyReadWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
