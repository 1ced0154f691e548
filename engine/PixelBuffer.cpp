#include "engine/PixelBuffer.h"

#include <sys/mman.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace pintoola {

namespace {
constexpr size_t kHugePage = size_t{2} << 20;
}

PixelBuffer::PixelBuffer(size_t size, bool zeroed) : size_(size) {
  if (size == 0) return;
  void* p = nullptr;
  if (size >= kHugePage) {
    const size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    p = std::aligned_alloc(kHugePage, rounded);
    if (p) madvise(p, rounded, MADV_HUGEPAGE);
  } else {
    p = std::malloc(size);
  }
  if (!p) throw std::bad_alloc();
  if (zeroed) std::memset(p, 0, size);
  data_.reset(static_cast<uint8_t*>(p));
}

void PixelBuffer::Free::operator()(uint8_t* p) const { std::free(p); }

}  // namespace pintoola
