#pragma once
// Tiny picture files for the thumbnail tests, written byte by byte: 24 bits, bottom-up rows.
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace pintoola::testing {

// colour(x, y) gives 0x00BBGGRR for the pixel at column x of top-based row y.
inline void WriteBmp24(const std::string& path, int w, int h, const std::function<uint32_t(int, int)>& colour,
                       bool topDown = false) {
  const int stride = ((w * 3 + 3) / 4) * 4;
  const uint32_t size = 54 + static_cast<uint32_t>(stride * h);
  std::vector<uint8_t> b(size, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(topDown ? -h : h));
  b[26] = 1;
  b[28] = 24;
  put32(34, static_cast<uint32_t>(stride * h));
  for (int y = 0; y < h; ++y) {
    const int fileRow = topDown ? y : h - 1 - y;
    for (int x = 0; x < w; ++x) {
      const uint32_t c = colour(x, y);
      const size_t at =
          54 + static_cast<size_t>(fileRow) * static_cast<size_t>(stride) + static_cast<size_t>(x) * 3;
      b[at] = static_cast<uint8_t>(c >> 16);     // blue
      b[at + 1] = static_cast<uint8_t>(c >> 8);  // green
      b[at + 2] = static_cast<uint8_t>(c);       // red
    }
  }
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// An 8-bit picture with a two-colour table; pixel (x, y) uses entry index(x, y).
inline void WriteBmp8(const std::string& path, int w, int h, uint32_t colour0, uint32_t colour1,
                      const std::function<int(int, int)>& index) {
  const int stride = ((w + 3) / 4) * 4;
  const uint32_t offset = 54 + 2 * 4;
  const uint32_t size = offset + static_cast<uint32_t>(stride * h);
  std::vector<uint8_t> b(size, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, size);
  put32(10, offset);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  b[26] = 1;
  b[28] = 8;
  put32(46, 2);
  for (int i = 0; i < 2; ++i) {
    const uint32_t c = i == 0 ? colour0 : colour1;
    b[54 + 4 * i] = static_cast<uint8_t>(c >> 16);
    b[54 + 4 * i + 1] = static_cast<uint8_t>(c >> 8);
    b[54 + 4 * i + 2] = static_cast<uint8_t>(c);
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b[offset + static_cast<size_t>(h - 1 - y) * static_cast<size_t>(stride) + static_cast<size_t>(x)] =
          static_cast<uint8_t>(index(x, y));
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

inline void WriteSolidBmp(const std::string& path, int w, int h, uint32_t colour) {
  WriteBmp24(path, w, h, [colour](int, int) { return colour; });
}

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace pintoola::testing
