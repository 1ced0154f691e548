#include "core/Colors.h"

#include <gtest/gtest.h>

namespace pintoola {
namespace {

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  struct Case {
    int a, b, c, expected;
  } cases[] = {
      {10, 1, 4, 3},    {-10, 1, 4, -3}, {10, -1, 4, -3}, {9, 1, 4, 2},    {11, 1, 4, 3},
      {7, 1, 2, 4},     {-7, 1, 2, -4},  {6, 1, 4, 2},    {5, 1, 2, 3},    {-5, 1, -2, 3},
      {2000000000, 3, 4, 1500000000},    {255, 90, 100, 230}, {1, 1, 3, 0},
  };
  for (const Case& k : cases) EXPECT_EQ(MulDiv(k.a, k.b, k.c), k.expected) << k.a << "*" << k.b << "/" << k.c;
}

TEST(MulDiv, DivisionByZeroGivesMinusOne) { EXPECT_EQ(MulDiv(5, 5, 0), -1); }

TEST(SystemColors, ResolveThroughTheTableByLowByte) {
  EXPECT_EQ(clBtnShadow, static_cast<TColor>(0xFF000010));
  // The colours the program names, as the table gives them; the brush and the fill resolve through
  // this, so their own tests keep only a few cases.
  const struct {
    TColor in, out;
  } cases[] = {
      {clBtnFace, 0xF0F0F0},
      {clBtnHighlight, clWhite},
      {clBtnShadow, 0xA0A0A0},
      {clWindow, clWhite},
      {clWindowText, clBlack},
      {clGrayText, 0x6D6D6D},
      {clHighlight, 0xD77800},  // red 0, green 120, blue 215
      {clHighlightText, clWhite},
      {static_cast<TColor>(0x80000000u | 0x1200 | COLOR_BTNSHADOW), 0xA0A0A0},  // only the low byte counts
      // Plain colours pass unchanged; an index the table lacks (255 from −1, 25, 200) is black.
      {clRed, clRed},
      {clOrange, 33023},
      {-1, clBlack},
      {SystemColor(25), clBlack},
      {SystemColor(200), clBlack},
  };
  for (const auto& c : cases) EXPECT_EQ(ColorToRGB(c.in), c.out) << std::hex << c.in;
  EXPECT_EQ(GetSysColor(25), clBlack);
}

TEST(Colors, ChannelsOfTColor) {
  EXPECT_EQ(GetRValue(clOrange), 255);
  EXPECT_EQ(GetGValue(clOrange), 128);
  EXPECT_EQ(GetBValue(clOrange), 0);
  EXPECT_EQ(RGB(255, 128, 0), clOrange);
}

}  // namespace
}  // namespace pintoola
