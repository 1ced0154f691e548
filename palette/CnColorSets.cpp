#include "palette/CnColorSets.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "core/Errors.h"

namespace pintoola {

namespace {

constexpr int kSafeStart = 0, kSafeCount = 216;
constexpr int k16Start = 216, k16Count = 16;
constexpr int kGrayStart = 232, kGrayCount = 256;
constexpr int kRedGreenStart = 488, kRedGreenRun = 60;

// Conventions of the program: conversions to integers round to nearest, ties to even.
int RoundEven(long double v) { return static_cast<int>(std::nearbyintl(v)); }

std::array<TColor, kColorTableSize> MakeColorTable() {
  std::array<TColor, kColorTableSize> t{};
  // Blue changes fastest; in the set's own 12-column rows the second half has green one step up.
  for (int i = 0; i < kSafeCount; ++i) {
    const int blue = 0x33 * (i % 6);
    const int green = 0x33 * (2 * (i / 72) + (i / 6) % 2);
    const int red = 0x33 * ((i / 12) % 6);
    t[kSafeStart + i] = RGB(red, green, blue);
  }
  constexpr TColor k16[k16Count] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                    0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                    0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  for (int i = 0; i < k16Count; ++i) t[k16Start + i] = k16[i];
  for (int k = 0; k < kGrayCount; ++k) t[kGrayStart + k] = k * 0x010101;
  // Four runs of 60 hues, each starting on its named colour and stopping one step short of the
  // next: red → yellow → green → aqua → (nearly) blue.
  for (int k = 0; k < kRedGreenRun; ++k) {
    const int v = RoundEven(255.0L * k / kRedGreenRun);
    t[kRedGreenStart + k] = RGB(255, v, 0);
    t[kRedGreenStart + kRedGreenRun + k] = RGB(255 - v, 255, 0);
    t[kRedGreenStart + 2 * kRedGreenRun + k] = RGB(0, 255, v);
    t[kRedGreenStart + 3 * kRedGreenRun + k] = RGB(0, 255 - v, 255);
  }
  return t;
}

long double HueChannel(long double m1, long double m2, long double h) {
  if (h < 0) h += 1;
  if (h > 1) h -= 1;
  if (6 * h < 1) return m1 + (m2 - m1) * 6 * h;
  if (2 * h < 1) return m2;
  if (3 * h < 2) return m1 + (m2 - m1) * (2.0L / 3.0L - h) * 6;
  return m1;
}

std::array<TColor, kHSBTableSize> MakeHSBTable() {
  std::array<TColor, kHSBTableSize> t{};
  for (int r = 0; r < kHSBRows; ++r)
    for (int c = 0; c < kHSBCols; ++c) t[r * kHSBCols + c] = HSLToColor(r / 18.0L, 1.0L, c / 12.0L);
  return t;
}

[[noreturn]] void ConversionError(const std::string& text) {
  throw EPintoolaError("'" + text + "' is not a valid integer value");
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// Two hexadecimal digits starting at `pos`; a short string or a non-digit is a conversion error.
int HexPair(const std::string& text, size_t pos) {
  const std::string pair = pos < text.size() ? text.substr(pos, 2) : std::string();
  if (pair.size() != 2 || HexDigit(pair[0]) < 0 || HexDigit(pair[1]) < 0) ConversionError("$" + pair);
  return HexDigit(pair[0]) * 16 + HexDigit(pair[1]);
}

TColor ParseDecimal(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i >= text.size()) ConversionError(text);
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) ConversionError(text);
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(std::numeric_limits<int32_t>::max()) + 1) ConversionError(text);
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min())
    ConversionError(text);
  return static_cast<TColor>(value);
}

}  // namespace

const std::array<TColor, kColorTableSize>& ColorTable() {
  static const std::array<TColor, kColorTableSize> table = MakeColorTable();
  return table;
}

const std::array<TColor, kHSBTableSize>& HSBTable() {
  static const std::array<TColor, kHSBTableSize> table = MakeHSBTable();
  return table;
}

TColor HSLToColor(long double h, long double s, long double l) {
  h = std::clamp(h, 0.0L, 1.0L);
  s = std::clamp(s, 0.0L, 1.0L);
  l = std::clamp(l, 0.0L, 1.0L);
  if (s == 0) {
    const int v = RoundEven(l * 255);
    return RGB(v, v, v);
  }
  const long double m2 = l <= 0.5L ? l * (1 + s) : l + s - l * s;
  const long double m1 = 2 * l - m2;
  const int red = RoundEven(HueChannel(m1, m2, h + 1.0L / 3.0L) * 255);
  const int green = RoundEven(HueChannel(m1, m2, h) * 255);
  const int blue = RoundEven(HueChannel(m1, m2, h - 1.0L / 3.0L) * 255);
  return blue * 0x10000 + green * 0x100 + red;
}

int ColorTableStart(TColorSet set) {
  switch (set) {
    case csSafeColors: return kSafeStart;
    case cs16Colors: return k16Start;
    case csGrayColors: return kGrayStart;
    case csRedGreenColors: return kRedGreenStart;
    default: return -1;
  }
}

TColorSetShape BuiltInShape(TColorSet set) {
  switch (set) {
    case csSafeColors: return {18, 12};
    case cs16Colors: return {2, 8};
    case csGrayColors: return {16, 16};
    case csRedGreenColors: return {10, 14};
    case csHSBColors: return {kHSBRows, kHSBCols};
    default: return {};
  }
}

TColor ParseCustomColor(const std::string& text, TCustomColorType type) {
  if (type == ccDec) return ParseDecimal(text);
  const int red = HexPair(text, 1), green = HexPair(text, 3), blue = HexPair(text, 5);
  return RGB(red, green, blue);
}

TColor ColorSetCellColor(TColorSet set, int index, const std::vector<std::string>& customColors,
                         TCustomColorType customType) {
  if (index < 0) return clWindow;
  switch (set) {
    case csHSBColors: return index < kHSBTableSize ? HSBTable()[static_cast<size_t>(index)] : clWindow;
    case csCustomColors:
      if (static_cast<size_t>(index) >= customColors.size()) return clWindow;
      return ParseCustomColor(customColors[static_cast<size_t>(index)], customType);
    default: {
      const int start = ColorTableStart(set);
      if (start < 0 || index >= kColorTableSize - start) return clWindow;
      return ColorTable()[static_cast<size_t>(start + index)];
    }
  }
}

}  // namespace pintoola
