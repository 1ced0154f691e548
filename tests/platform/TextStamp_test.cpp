#include "platform/TextStamp.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

namespace pintoola {
namespace {

// Stamps text at (x, y) = (40, 10) on a grey page with a white opaque box and black ink, and sorts
// the changed pixels by where they lie against the text's box (advance × line height).
struct StampedText {
  int advance = 0, lineHeight = 0;
  int inkLeftOfBox = 0, inkRightOfBox = 0, whiteOutsideBox = 0;
};

StampedText Stamp(const char* name, int pixelHeight, bool italic, const std::u32string& text) {
  constexpr int x = 40, y = 10;
  PageBitmap page;
  page.SetSize(200, 80, clGray);
  PageFont& font = page.Canvas().font;
  font.name = name;
  font.size = pixelHeight;  // at 72 dpi a point is a pixel
  font.italic = italic;
  font.color = clBlack;
  page.Canvas().brushColor = clWhite;
  StampText(page, x, y, text, 72);

  QFont f(name);
  f.setPixelSize(pixelHeight);
  f.setItalic(italic);
  const QFontMetrics fm(f);
  StampedText r;
  r.advance = fm.horizontalAdvance(QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())));
  r.lineHeight = fm.height();
  for (int py = 0; py < page.Height(); ++py)
    for (int px = 0; px < page.Width(); ++px) {
      const TColor c = page.Pixels(px, py);
      const bool inBox = px >= x && px < x + r.advance && py >= y && py < y + r.lineHeight;
      if (c == clWhite && !inBox) ++r.whiteOutsideBox;
      if (c == clGray || c == clWhite) continue;
      r.inkLeftOfBox += px < x;
      r.inkRightOfBox += px >= x + r.advance;
    }
  return r;
}

TEST(StampText, GlyphsReachingPastTheAdvanceBoxAreDrawnWhole) {
  const StampedText italic = Stamp("Tahoma", 27, true, U"Jeff");
  EXPECT_GT(italic.inkLeftOfBox, 0) << "the J's tail left of the click point";
  EXPECT_GT(italic.inkRightOfBox, 0) << "the last f's overhang";
  EXPECT_EQ(italic.whiteOutsideBox, 0) << "the background box is the text's advance × line";
  const StampedText small = Stamp("Tahoma", 11, false, U"J");
  EXPECT_GT(small.inkLeftOfBox, 0) << "the default font's J";
  EXPECT_EQ(small.whiteOutsideBox, 0);
}

}  // namespace
}  // namespace pintoola
