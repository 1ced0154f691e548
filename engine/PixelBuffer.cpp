#include "engine/PixelBuffer.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace pintoola {

namespace {
constexpr size_t kHugePage = size_t{2} << 20;

constexpr size_t kPage = 4096;

// A mapping ends at the next small page: the tail after the last whole huge page stays in small
// pages instead of costing up to 2 MiB more per buffer (every page the undo history still reaches
// keeps one).
size_t MappedSpan(size_t size) { return (size + kPage - 1) / kPage * kPage; }

// Large buffers come straight from the kernel: already zero, 2 MiB aligned so that transparent
// huge pages can back them, and returned to the system when freed.
uint8_t* MapAligned(size_t size) {
  const size_t rounded = MappedSpan(size);
  const size_t span = rounded + kHugePage;
  void* raw = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<uintptr_t>(raw);
  const uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
  if (aligned > start) munmap(raw, aligned - start);
  const uintptr_t end = start + span, used = aligned + rounded;
  if (end > used) munmap(reinterpret_cast<void*>(used), end - used);
  madvise(reinterpret_cast<void*>(aligned), rounded, MADV_HUGEPAGE);
  return reinterpret_cast<uint8_t*>(aligned);
}

}  // namespace

PixelBuffer::PixelBuffer(size_t size, bool zeroed) : data_(nullptr, Free{0}), size_(size) {
  if (size == 0) return;
  if (size >= kHugePage) {
    data_ = std::unique_ptr<uint8_t, Free>(MapAligned(size), Free{size});
    return;
  }
  data_ = std::unique_ptr<uint8_t, Free>(zeroed ? new uint8_t[size]() : new uint8_t[size], Free{0});
}

void PixelBuffer::Free::operator()(uint8_t* p) const {
  if (mapped == 0) {
    delete[] p;
  } else {
    munmap(p, MappedSpan(mapped));
  }
}

}  // namespace pintoola
