#include "engine/Contrast.h"

#include <immintrin.h>

#include <cmath>
#include <cstring>

#include "core/Errors.h"

namespace pintoola {

std::array<uint8_t, 256> ContrastTable(int aContrast) {
  const double q = (aContrast + 100) / 100.0;
  const double f = q * q;
  std::array<uint8_t, 256> table{};
  // Each step is one rounded double operation, in this order. Do not fold them into 4v − 382.5 or
  // a fused multiply-add: at strength 100 every exact result is a half, and the rounding errors of
  // these steps decide the direction of 24 of the values.
  for (int v = 0; v < 256; ++v) {
    double t = v / 255.0;
    t = t - 0.5;
    t = t * f;
    t = t + 0.5;
    t = t * 255.0;
    if (!(t >= 0)) t = 0;
    if (t > 255) t = 255;
    table[static_cast<size_t>(v)] = static_cast<uint8_t>(std::nearbyint(t));  // ties to even
  }
  return table;
}

namespace {

__attribute__((target("avx512f,avx512bw,avx512vbmi"))) inline __m512i MapWord(__m512i v, __m512i t0, __m512i t1, __m512i t2, __m512i t3) {
  const __m512i low = _mm512_permutex2var_epi8(t0, v, t1);  // index bits 0…6
  const __m512i high = _mm512_permutex2var_epi8(t2, v, t3);
  return _mm512_mask_blend_epi8(_mm512_movepi8_mask(v), low, high);  // bit 7 picks the half
}

__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void MapWide(uint8_t* p, size_t n, const uint8_t* t) {
  const __m512i t0 = _mm512_loadu_si512(t), t1 = _mm512_loadu_si512(t + 64);
  const __m512i t2 = _mm512_loadu_si512(t + 128), t3 = _mm512_loadu_si512(t + 192);
  size_t i = 0;
  for (; i + 64 <= n; i += 64) _mm512_storeu_si512(p + i, MapWord(_mm512_loadu_si512(p + i), t0, t1, t2, t3));
  if (i < n) {
    const __mmask64 k = (uint64_t{1} << (n - i)) - 1;  // masked: bytes past n stay untouched
    _mm512_mask_storeu_epi8(p + i, k, MapWord(_mm512_maskz_loadu_epi8(k, p + i), t0, t1, t2, t3));
  }
}

}  // namespace

bool ContrastMapper::WideAvailable() {
  static const bool available = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                                __builtin_cpu_supports("avx512vbmi");
  return available;
}

ContrastMapper::ContrastMapper(const std::array<uint8_t, 256>& table, Path path) : table_(table), path_(path) {
  if (path_ == Best) path_ = WideAvailable() ? Wide : Pairs;
  if (path_ == Wide && !WideAvailable()) path_ = Pairs;
  if (path_ == Pairs) {
    // Two bytes at a time: half the lookups of the byte table, and the table fits the L2 cache.
    pairs_.resize(65536);
    for (unsigned hi = 0; hi < 256; ++hi)
      for (unsigned lo = 0; lo < 256; ++lo) pairs_[hi << 8 | lo] = static_cast<uint16_t>(table_[lo] | table_[hi] << 8);
  }
}

void ContrastMapper::Map(uint8_t* bytes, size_t n) const {
  size_t i = 0;
  if (path_ == Wide) {
    MapWide(bytes, n, table_.data());
    return;
  }
  if (path_ == Pairs) {
    for (; i + 8 <= n; i += 8) {
      uint64_t v;
      std::memcpy(&v, bytes + i, 8);
      const uint64_t out = uint64_t{pairs_[v & 0xFFFF]} | uint64_t{pairs_[(v >> 16) & 0xFFFF]} << 16 |
                           uint64_t{pairs_[(v >> 32) & 0xFFFF]} << 32 | uint64_t{pairs_[v >> 48]} << 48;
      std::memcpy(bytes + i, &out, 8);
    }
  }
  for (; i < n; ++i) bytes[i] = table_[bytes[i]];
}

void ContrastImage(PageBitmap& page, int aContrast) {
  if (aContrast < -100 || aContrast > 100) return;
  const std::array<uint8_t, 256> table = ContrastTable(aContrast);
  // Rows 1 and 0 must both exist before anything is touched: a one-row page stays shared and as
  // it was.
  if (page.Height() < 2) throw EPintoolaError("Error");
  // Small pages are not worth the pair table.
  const size_t rowBytes = 3 * static_cast<size_t>(page.Width());
  const bool small = rowBytes * static_cast<size_t>(page.Height()) < (size_t{1} << 20);
  const ContrastMapper mapper(table, small && !ContrastMapper::WideAvailable() ? ContrastMapper::Bytes
                                                                                 : ContrastMapper::Best);
  // Everything that can fail for lack of memory comes before the first changed byte.
  PageWriter writer(page);  // a page of another depth becomes 24 bits
  BitmapImage& img = writer.Area(Rect(0, 0, page.Width(), page.Height()));
  for (int y = 0; y < img.height; ++y) mapper.Map(img.Row(y), rowBytes);
  writer.Commit();
}

}  // namespace pintoola
