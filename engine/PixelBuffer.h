#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

namespace pintoola {

// Raw pixel storage. Large buffers are kernel mappings, 2 MiB aligned and advised for transparent
// huge pages: touching fresh 4 KiB pages costs more than the page work itself on big pictures.
class PixelBuffer {
 public:
  PixelBuffer() : data_(nullptr, Free{0}) {}
  // Throws std::bad_alloc when the memory cannot be had. Contents are zero when zeroed is true,
  // unspecified otherwise.
  PixelBuffer(size_t size, bool zeroed);

  uint8_t* data() { return data_.get(); }
  const uint8_t* data() const { return data_.get(); }
  size_t size() const { return size_; }

 private:
  struct Free {
    size_t mapped;  // size of a kernel mapping; 0 for heap memory
    void operator()(uint8_t* p) const;
  };
  std::unique_ptr<uint8_t, Free> data_;
  size_t size_ = 0;
};

}  // namespace pintoola
