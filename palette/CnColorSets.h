#pragma once
// The colour sets of the palette grid: the stored ColorTable, the HSBTable filled at start, the
// reading of custom colour strings, and the rule that gives a cell index its colour.
#include <array>
#include <string>
#include <vector>

#include "core/Colors.h"

namespace pintoola {

enum TColorSet : int {
  csSafeColors = 0,
  cs16Colors = 1,
  csGrayColors = 2,
  csRedGreenColors = 3,
  csHSBColors = 4,
  csCustomColors = 5,
};

enum TCustomColorType : int { ccDec = 0, ccHex = 1, ccHtml = 2 };

enum TAutoSizeBy : int { asRowCol = 0, asSameWidth = 1, asSameHeight = 2 };

constexpr int kColorTableSize = 728;
constexpr int kHSBRows = 18;
constexpr int kHSBCols = 13;
constexpr int kHSBTableSize = kHSBRows * kHSBCols;

// The four fixed sets one after another: safe colours, 16 colours, grey levels, red-green hues.
const std::array<TColor, kColorTableSize>& ColorTable();
// Entry r * 13 + c: hue r / 18, saturation 1, lightness c / 12.
const std::array<TColor, kHSBTableSize>& HSBTable();

// The colour of hue h, saturation s, lightness l (each 0 … 1), channels rounded ties to even.
TColor HSLToColor(long double h, long double s, long double l);

// First ColorTable entry of a fixed set; -1 for the HSB and custom sets.
int ColorTableStart(TColorSet set);

struct TColorSetShape {
  int Rows = 0, Cols = 0;
};
// The built-in shape of a set; the custom set's shape is the grid's CustomRowCount × CustomColCount.
TColorSetShape BuiltInShape(TColorSet set);

// Reads one custom colour string. ccDec: the whole string in decimal. ccHex / ccHtml: characters
// 2-3, 4-5, 6-7 are red, green, blue in hexadecimal, the first character skipped. A string that
// does not hold a valid number raises EPintoolaError with the conversion message.
TColor ParseCustomColor(const std::string& text, TCustomColorType type);

// The colour of cell `index` in `set`. Fixed sets run on into the sets stored after them; past the
// last entry of what a set can read, clWindow.
TColor ColorSetCellColor(TColorSet set, int index, const std::vector<std::string>& customColors,
                         TCustomColorType customType);

}  // namespace pintoola
