#pragma once
// Small bitmaps for the clean-up steps, drawn in the test.
#include <string>
#include <vector>

#include "pageprep/PagePrep.h"

namespace pintoola::pageprep::test {

// '#' ink, anything else paper.
inline InkMask Mask(const std::vector<std::string>& rows) {
  InkMask m{static_cast<int>(rows.empty() ? 0 : rows[0].size()), static_cast<int>(rows.size()), {}};
  for (const std::string& r : rows)
    for (char c : r) m.ink.push_back(c == '#');
  return m;
}

inline InkMask Blank(int w, int h) { return {w, h, std::vector<std::uint8_t>(static_cast<size_t>(w) * h, 0)}; }

inline std::uint8_t& At(InkMask& m, int x, int y) { return m.ink[static_cast<size_t>(y) * m.width + x]; }
inline int At(const InkMask& m, int x, int y) { return m.ink[static_cast<size_t>(y) * m.width + x]; }

// Ink over [x0, x1) x [y0, y1).
inline void Fill(InkMask& m, int x0, int y0, int x1, int y1, std::uint8_t ink = 1) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) At(m, x, y) = ink;
}
// The outline of [x0, x1) x [y0, y1), `t` pixels thick.
inline void Frame(InkMask& m, int x0, int y0, int x1, int y1, int t) {
  Fill(m, x0, y0, x1, y0 + t);
  Fill(m, x0, y1 - t, x1, y1);
  Fill(m, x0, y0, x0 + t, y1);
  Fill(m, x1 - t, y0, x1, y1);
}

inline int InkCount(const InkMask& m) {
  int n = 0;
  for (auto v : m.ink) n += v;
  return n;
}

}  // namespace pintoola::pageprep::test
