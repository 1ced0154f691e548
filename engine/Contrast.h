#pragma once
// The contrast curve behind "Fix image".
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/PageBitmap.h"

namespace pintoola {

// Output byte for every input byte at strength aContrast (−100…100), computed with the exact
// sequence of double-precision steps the curve is defined by; see Contrast.cpp.
std::array<uint8_t, 256> ContrastTable(int aContrast);

// Applies a byte table to runs of bytes. The wide path needs AVX-512 VBMI (a whole 256-byte table
// lookup is two permutes and a blend per 64 bytes); without it byte pairs go through a 64 K table.
class ContrastMapper {
 public:
  enum Path { Bytes, Pairs, Wide, Best };
  explicit ContrastMapper(const std::array<uint8_t, 256>& table, Path path = Best);
  // Maps bytes [0, n) of `bytes`; nothing outside them is read or written.
  void Map(uint8_t* bytes, size_t n) const;
  Path UsedPath() const { return path_; }
  static bool WideAvailable();

 private:
  std::array<uint8_t, 256> table_;
  std::vector<uint16_t> pairs_;
  Path path_;
};

// Maps every channel byte of every pixel through ContrastTable(aContrast), in place; row padding
// is not touched. A strength outside −100…100 changes nothing. A page of fewer than two rows
// raises EPintoolaError("Error") and stays as it was (its pixels are not even unshared). A page of
// another depth is first converted to 24 bits, as any drawing does. Signals the page's change, so
// the view repaints; `PageCanvas` is untouched.
void ContrastImage(PageBitmap& page, int aContrast);

}  // namespace pintoola
