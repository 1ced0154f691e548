#pragma once
// Small BMP files made in memory, and a scratch folder to put them in.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/PageBitmap.h"

namespace pintoola::test {

struct BmpLayout {
  uint32_t headerSize = 40;  // 12 for a core header; above 40 the extra bytes hold the masks then zeros
  int32_t width = 5;
  int32_t height = 4;  // negative: top-down
  uint16_t planes = 1;
  uint16_t depth = 24;
  uint32_t compression = 0;
  int64_t imageSize = -1;  // -1: the number of pixel bytes given
  int32_t xPels = 2835, yPels = 2834;
  uint32_t colorsUsed = 0;
  uint32_t colorsImportant = 0;
  std::vector<uint32_t> masks;   // red, green, blue
  std::vector<RGBQuad> table;    // 3-byte entries for a core header
  std::vector<uint8_t> pixels;   // empty: a byte pattern filling every row, padding included
  bool noPixels = false;
};

inline int RowBytes(int width, int depth) { return ((width * depth + 31) / 32) * 4; }

inline void Put(std::vector<uint8_t>& out, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline std::vector<uint8_t> PatternBytes(size_t n, unsigned seed = 11) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 37 + seed);
  return v;
}

inline std::vector<uint8_t> MakeBmp(const BmpLayout& s) {
  std::vector<uint8_t> pixels = s.pixels;
  if (pixels.empty() && !s.noPixels) {
    const int rows = s.height < 0 ? -s.height : s.height;
    pixels = PatternBytes(static_cast<size_t>(RowBytes(s.width, s.depth)) * rows);
  }
  const bool core = s.headerSize == 12;
  const bool maskInside = s.headerSize >= 52;
  const size_t entry = core ? 3 : 4;
  const size_t offset = 14 + s.headerSize + (maskInside ? 0 : 4 * s.masks.size()) + entry * s.table.size();
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put(out, offset + pixels.size(), 4);
  Put(out, 0, 4);
  Put(out, offset, 4);
  Put(out, s.headerSize, 4);
  if (core) {
    Put(out, static_cast<uint16_t>(s.width), 2);
    Put(out, static_cast<uint16_t>(s.height), 2);
    Put(out, s.planes, 2);
    Put(out, s.depth, 2);
  } else {
    Put(out, static_cast<uint32_t>(s.width), 4);
    Put(out, static_cast<uint32_t>(s.height), 4);
    Put(out, s.planes, 2);
    Put(out, s.depth, 2);
    Put(out, s.compression, 4);
    Put(out, s.imageSize < 0 ? pixels.size() : static_cast<uint64_t>(s.imageSize), 4);
    Put(out, static_cast<uint32_t>(s.xPels), 4);
    Put(out, static_cast<uint32_t>(s.yPels), 4);
    Put(out, s.colorsUsed, 4);
    Put(out, s.colorsImportant, 4);
    size_t extra = s.headerSize - 40;
    if (maskInside) {
      for (size_t i = 0; i < 3; ++i, extra -= 4) Put(out, i < s.masks.size() ? s.masks[i] : 0, 4);
    }
    out.insert(out.end(), extra, 0);
  }
  if (!maskInside)
    for (uint32_t m : s.masks) Put(out, m, 4);
  for (const RGBQuad& q : s.table) {
    out.push_back(q.blue);
    out.push_back(q.green);
    out.push_back(q.red);
    if (!core) out.push_back(q.reserved);
  }
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

// Entry i has a colour unlike every other entry.
inline std::vector<RGBQuad> MakeTable(size_t n) {
  std::vector<RGBQuad> t(n);
  for (size_t i = 0; i < n; ++i)
    t[i] = {static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 3), static_cast<uint8_t>(i * 7 + 1), 0};
  return t;
}

inline TColor TableColor(const std::vector<RGBQuad>& t, size_t i) { return RGB(t[i].red, t[i].green, t[i].blue); }

class ScratchDir {
 public:
  ScratchDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "pintoola-bmp-XXXXXX").string();
    path_ = ::mkdtemp(tmpl.data());
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_)) names.push_back(e.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace pintoola::test
