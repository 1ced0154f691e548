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
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0);
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  EXPECT_EQ(ColorToRGB(clBtnHighlight), clWhite);
  EXPECT_EQ(clBtnShadow, static_cast<TColor>(0xFF000010));
  // Plain colours pass unchanged; an index the table lacks (255 from −1) is black.
  EXPECT_EQ(ColorToRGB(clOrange), 33023);
  EXPECT_EQ(ColorToRGB(-1), clBlack);
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
