// libFuzzer target: any byte string read as a page file must either load or fail with the error
// type, never crash, hang, leak or allocate beyond the reader's limits; a page that loads must
// come back from its own saved file with the same size and pixels.
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/Errors.h"
#include "engine/PageBitmap.h"

namespace {
int MemoryFile() {
  static const int fd = memfd_create("bmp-fuzz", 0);
  return fd;
}

// Saving replaces a file through a temporary beside it, so it needs a real folder.
std::string SaveFolder() {
  // Plain arrays, so the clean-up at exit does not depend on destruction order.
  static char folder[] = "/tmp/bmp-fuzz-XXXXXX";
  static char file[sizeof folder + 9];
  static const bool made = [] {
    if (!::mkdtemp(folder)) return false;
    std::snprintf(file, sizeof file, "%s/page.bmp", folder);
    std::atexit([] {
      ::unlink(file);
      ::rmdir(folder);
    });
    return true;
  }();
  return made ? std::string(folder) : std::string();
}

void CheckRoundTrip(const pintoola::PageBitmap& page) {
  const std::string folder = SaveFolder();
  if (folder.empty()) return;
  const std::string file = folder + "/page.bmp";
  page.SaveToFile(file);
  pintoola::PageBitmap again;
  again.LoadFromFile(file);
  if (again.Width() != page.Width() || again.Height() != page.Height()) __builtin_trap();
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x)
      if (again.Pixels(x, y) != page.Pixels(x, y)) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const int fd = MemoryFile();
  if (fd < 0) return 0;
  if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) return 0;
  const std::string path = "/proc/self/fd/" + std::to_string(fd);
  pintoola::PageBitmap page;
  try {
    page.LoadFromFile(path);
  } catch (const pintoola::EPintoolaError&) {
    return 0;
  }
  // A page that loaded must be readable everywhere and drawable.
  if (!page.Empty() && page.Image()) {
    volatile pintoola::TColor sink = 0;
    const int64_t w = page.Width(), h = page.Height();
    // Large pixel storage is mapped from the kernel, out of sight of -malloc_limit_mb: the reader's
    // own limit of 1 GiB, also for the 24-bit form drawing turns a page into, is checked here.
    constexpr int64_t kLimit = int64_t{1} << 30;
    if (static_cast<int64_t>(page.Image()->pixels.size()) > kLimit ||
        static_cast<int64_t>(pintoola::BitmapImage::StrideFor(page.Width(), 24)) * h > kLimit)
      __builtin_trap();
    for (int64_t y = 0; y < h; y += 1 + h / 16)
      for (int64_t x = 0; x < w; x += 1 + w / 16)
        sink = sink ^ page.Pixels(static_cast<int>(x), static_cast<int>(y));
    sink = sink ^ page.Pixels(static_cast<int>(w - 1), static_cast<int>(h - 1));
    (void)sink;
    // The conversion for drawing is one linear pass; on the largest pages the reader allows it only
    // costs time, so it is exercised where it stays quick.
    if (w * h <= (int64_t{1} << 16)) CheckRoundTrip(page);
    if (w * h <= (int64_t{1} << 22)) pintoola::PageWriter(page).Commit();
  }
  return 0;
}
