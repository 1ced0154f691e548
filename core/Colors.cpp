#include "core/Colors.h"

#include <array>
#include <cstdlib>

namespace pintoola {

namespace {
constexpr std::array<TColor, 31> kSysColors = {
    RGB(200, 200, 200),  // scroll bar
    RGB(0, 0, 0),        // desktop
    RGB(153, 180, 209),  // active caption
    RGB(191, 205, 219),  // inactive caption
    RGB(240, 240, 240),  // menu
    RGB(255, 255, 255),  // window
    RGB(100, 100, 100),  // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(0, 0, 0),        // caption text
    RGB(180, 180, 180),  // active border
    RGB(244, 247, 252),  // inactive border
    RGB(171, 171, 171),  // application workspace
    RGB(0, 120, 215),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(240, 240, 240),  // button face
    RGB(160, 160, 160),  // button shadow
    RGB(109, 109, 109),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(0, 0, 0),        // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(105, 105, 105),  // 3D dark shadow
    RGB(227, 227, 227),  // 3D light
    RGB(0, 0, 0),        // info text
    RGB(255, 255, 225),  // info background
    RGB(0, 0, 0),        // (unused index 25)
    RGB(0, 102, 204),    // hot light
    RGB(185, 209, 234),  // gradient active caption
    RGB(215, 228, 242),  // gradient inactive caption
    RGB(51, 153, 255),   // menu highlight
    RGB(240, 240, 240),  // menu bar
};
}  // namespace

TColor GetSysColor(int index) {
  if (index < 0 || index >= static_cast<int>(kSysColors.size())) return clBlack;
  return kSysColors[static_cast<size_t>(index)];
}

TColor ColorToRGB(TColor color) {
  if (color < 0) return GetSysColor(color & 0xFF);
  return color;
}

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const long long num = static_cast<long long>(a) * b;
  long long q = num / c;
  const long long r = num % c;
  // Round half away from zero: compare twice the remainder against the divisor.
  if (std::llabs(r) * 2 >= std::llabs(static_cast<long long>(c))) q += ((num < 0) != (c < 0)) ? -1 : 1;
  return static_cast<int>(q);
}

}  // namespace pintoola
