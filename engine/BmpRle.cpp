#include "engine/BmpRle.h"

#include <algorithm>
#include <array>

namespace pintoola {

namespace {

struct Bgr {
  uint8_t b = 0, g = 0, r = 0;
};

class RleWriter {
 public:
  RleWriter(const std::vector<RGBQuad>& table, BitmapImage& out) : out_(out) {
    const size_t n = std::min<size_t>(table.size(), colors_.size());
    for (size_t i = 0; i < n; ++i) colors_[i] = {table[i].blue, table[i].green, table[i].red};
  }

  bool Done() const { return y_ >= out_.height; }

  // One pixel at the cursor; pixels past the row end are dropped.
  void Put(unsigned index) {
    if (x_ < out_.width) {
      uint8_t* p = out_.pixels.data() + static_cast<size_t>(y_) * static_cast<size_t>(out_.stride) +
                   static_cast<size_t>(x_) * 3;
      const Bgr& c = colors_[index & 0xFF];
      p[0] = c.b;
      p[1] = c.g;
      p[2] = c.r;
      ++x_;
    }
  }

  void EndOfLine() {
    x_ = 0;
    ++y_;
  }

  // The cursor is clamped to the row end and the last row + 1, so no sequence of deltas overflows.
  void Move(unsigned dx, unsigned dy) {
    x_ = std::min(x_ + static_cast<int>(dx), out_.width);
    y_ = std::min(y_ + static_cast<int>(dy), out_.height);
  }

 private:
  BitmapImage& out_;
  std::array<Bgr, 256> colors_{};  // indices past the table are black
  int x_ = 0;
  int y_ = 0;
};

}  // namespace

void DecodeRle(const uint8_t* data, size_t size, int kind, const std::vector<RGBQuad>& table,
               BitmapImage& out) {
  const bool nibbles = kind == 2;
  RleWriter w(table, out);
  size_t i = 0;
  while (i + 2 <= size && !w.Done()) {
    const unsigned count = data[i], value = data[i + 1];
    i += 2;
    if (count > 0) {
      // Encoded run: one index, or two alternating nibbles.
      for (unsigned k = 0; k < count; ++k) w.Put(nibbles ? ((k & 1) ? (value & 0x0F) : (value >> 4)) : value);
      continue;
    }
    switch (value) {
      case 0:
        w.EndOfLine();
        break;
      case 1:
        return;
      case 2:
        if (i + 2 > size) return;
        w.Move(data[i], data[i + 1]);
        i += 2;
        break;
      default: {
        // Absolute run of `value` pixels, padded to a 16-bit boundary.
        const size_t bytes = nibbles ? (value + 1) / 2 : value;
        const size_t avail = std::min(bytes, size - i);
        const unsigned pixels = nibbles ? std::min<unsigned>(value, static_cast<unsigned>(avail * 2)) : static_cast<unsigned>(avail);
        for (unsigned k = 0; k < pixels; ++k) {
          const uint8_t b = data[i + (nibbles ? k / 2 : k)];
          w.Put(nibbles ? ((k & 1) ? (b & 0x0F) : (b >> 4)) : b);
        }
        if (avail < bytes) return;
        i += bytes + (bytes & 1);
        break;
      }
    }
  }
}

}  // namespace pintoola
