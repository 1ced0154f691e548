// libFuzzer target: any byte string read as a page file must either load or fail with the error
// type, never crash, hang, leak or allocate beyond the reader's limits.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/Errors.h"
#include "engine/PageBitmap.h"

namespace {
int MemoryFile() {
  static const int fd = memfd_create("bmp-fuzz", 0);
  return fd;
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
    for (int64_t y = 0; y < h; y += 1 + h / 16)
      for (int64_t x = 0; x < w; x += 1 + w / 16)
        sink = sink ^ page.Pixels(static_cast<int>(x), static_cast<int>(y));
    sink = sink ^ page.Pixels(static_cast<int>(w - 1), static_cast<int>(h - 1));
    (void)sink;
    // The conversion for drawing is one linear pass; on the largest pages the reader allows it only
    // costs time, so it is exercised where it stays quick.
    if (w * h <= (int64_t{1} << 22)) page.BeginDraw();
  }
  return 0;
}
