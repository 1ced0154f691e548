#include "palette/CnColorSets.h"

#include <gtest/gtest.h>

#include <set>

#include "core/Errors.h"

namespace pintoola {
namespace {

TEST(ColorTable, SafeColorsAreTheWholeCubeInStoredOrder) {
  const auto& t = ColorTable();
  std::set<TColor> seen;
  for (int i = 0; i < 216; ++i) {
    const TColor c = t[static_cast<size_t>(i)];
    for (int channel : {GetRValue(c), GetGValue(c), GetBValue(c)}) EXPECT_EQ(channel % 0x33, 0) << i;
    seen.insert(c);
  }
  EXPECT_EQ(seen.size(), 216u);
  // Blue fastest; the seventh entry starts the run with green one step up; the 13th has red.
  EXPECT_EQ(t[1], 0x330000);
  EXPECT_EQ(t[6], 0x003300);
  EXPECT_EQ(t[12], 0x000033);
  EXPECT_EQ(t[72], 0x006600);
  EXPECT_EQ(t[215], 0xFFFFFF);
}

TEST(ColorTable, SixteenColorsAndGreyLevels) {
  const auto& t = ColorTable();
  const TColor sixteen[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                            0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(t[216 + static_cast<size_t>(i)], sixteen[i]) << i;
  EXPECT_EQ(t[232], 0x000000);
  EXPECT_EQ(t[233], 0x010101);
  EXPECT_EQ(t[232 + 0x80], 0x808080);
  EXPECT_EQ(t[487], 0xFFFFFF);
}

TEST(ColorTable, RedGreenRunsStartOnTheirHuesAndEndNearlyBlue) {
  const auto& t = ColorTable();
  EXPECT_EQ(t[488], 0x0000FF);
  EXPECT_EQ(t[548], 0x00FFFF);
  EXPECT_EQ(t[608], 0x00FF00);
  EXPECT_EQ(t[668], 0xFFFF00);
  EXPECT_EQ(t[727], 0xFF0400);
  // Within each run exactly one channel moves, always the same way.
  struct Run {
    int start;
    int shift;  // bit position of the moving channel
    int direction;
  } runs[] = {{488, 8, +1}, {548, 0, -1}, {608, 16, +1}, {668, 8, -1}};
  for (const Run& run : runs)
    for (int k = 1; k < 60; ++k) {
      const TColor a = t[static_cast<size_t>(run.start + k - 1)], b = t[static_cast<size_t>(run.start + k)];
      const int moved = ((b >> run.shift) & 0xFF) - ((a >> run.shift) & 0xFF);
      EXPECT_GT(moved * run.direction, 0) << run.start + k;
      EXPECT_EQ(a & ~(0xFF << run.shift), b & ~(0xFF << run.shift)) << run.start + k;
    }
}

TEST(HSBTable, EntriesFollowHueAndLightness) {
  const auto& t = HSBTable();
  auto at = [&](int r, int c) { return t[static_cast<size_t>(r * 13 + c)]; };
  for (int r = 0; r < 18; ++r) {
    EXPECT_EQ(at(r, 0), 0x000000) << r;
    EXPECT_EQ(at(r, 12), 0xFFFFFF) << r;
    // Full colours at lightness one half: one channel 255, one 0.
    const TColor c = at(r, 6);
    const int channels[] = {GetRValue(c), GetGValue(c), GetBValue(c)};
    EXPECT_EQ(*std::max_element(channels, channels + 3), 255) << r;
    EXPECT_EQ(*std::min_element(channels, channels + 3), 0) << r;
  }
  struct Case {
    int r, c;
    TColor expected;
  } cases[] = {
      {0, 6, 0x0000FF},   // red
      {1, 6, 0x0055FF},   // a twelfth of the way to yellow: green 255 / 3
      {3, 6, 0x00FFFF},   // yellow
      {6, 6, 0x00FF00},   // green
      {9, 6, 0xFFFF00},   // aqua
      {12, 6, 0xFF0000},  // blue
      {0, 3, 0x000080},   // 127.5 rounds to the even 128
      {0, 9, 0x8080FF},
  };
  for (const Case& k : cases) EXPECT_EQ(at(k.r, k.c), k.expected) << k.r << "," << k.c;
  EXPECT_EQ(HSLToColor(0.3L, 0.0L, 0.5L), 0x808080);  // no saturation: a grey of L × 255
}

TEST(CustomColors, ParsesTheThreeNotations) {
  struct Case {
    const char* text;
    TCustomColorType type;
    TColor expected;
  } cases[] = {
      {"#FF8000", ccHex, 0x0080FF},   {"#ff8000", ccHtml, 0x0080FF}, {"$0000FF", ccHex, 0xFF0000},
      {"#123456xy", ccHex, 0x563412}, {"33023", ccDec, 33023},       {"-16777211", ccDec, clWindow},
      {"+255", ccDec, 255},
  };
  for (const Case& k : cases) EXPECT_EQ(ParseCustomColor(k.text, k.type), k.expected) << k.text;
}

TEST(CustomColors, InvalidStringsRaiseTheConversionError) {
  struct Case {
    const char* text;
    TCustomColorType type;
  } cases[] = {{"#FF80", ccHex}, {"#GG8000", ccHex},     {"", ccHtml}, {"#FF 000", ccHex},   {"12a", ccDec},
               {"", ccDec},      {"99999999999", ccDec}, {"-", ccDec}, {"2147483648", ccDec}};
  for (const Case& k : cases) EXPECT_THROW(ParseCustomColor(k.text, k.type), EPintoolaError) << k.text;
  try {
    ParseCustomColor("12a", ccDec);
  } catch (const EPintoolaError& e) {
    EXPECT_STREQ(e.what(), "'12a' is not a valid integer value");
  }
}

TEST(CellColorRule, FixedSetsRunOnIntoLaterSetsThenGiveWindowColour) {
  const std::vector<std::string> none;
  struct Case {
    TColorSet set;
    int index;
    TColor expected;
  } cases[] = {
      {csSafeColors, 216, 0x000000},     {csSafeColors, 237, 0x050505},     {csSafeColors, 727, 0xFF0400},
      {csSafeColors, 728, clWindow},     {cs16Colors, 15, 0xFFFFFF},        {cs16Colors, 16, 0x000000},
      {cs16Colors, 511, 0xFF0400},       {cs16Colors, 512, clWindow},       {csGrayColors, 256, 0x0000FF},
      {csRedGreenColors, 239, 0xFF0400}, {csRedGreenColors, 240, clWindow}, {csHSBColors, 233, 0xFFFFFF},
      {csHSBColors, 234, clWindow},      {csSafeColors, -1, clWindow},      {csCustomColors, 0, clWindow},
  };
  for (const Case& k : cases)
    EXPECT_EQ(ColorSetCellColor(k.set, k.index, none, ccHex), k.expected) << k.set << ":" << k.index;

  const std::vector<std::string> custom = {"#FF8000", "bad"};
  EXPECT_EQ(ColorSetCellColor(csCustomColors, 0, custom, ccHex), 0x0080FF);
  EXPECT_THROW(ColorSetCellColor(csCustomColors, 1, custom, ccHex), EPintoolaError);
  EXPECT_EQ(ColorSetCellColor(csCustomColors, 2, custom, ccHex), clWindow);
  EXPECT_EQ(ColorSetCellColor(csCustomColors, 0, {"255"}, ccDec), 0x0000FF);
}

}  // namespace
}  // namespace pintoola
