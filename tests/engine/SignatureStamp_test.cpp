#include "engine/SignatureStamp.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/RegionFill.h"

namespace pintoola {
namespace {

// Each character is a 3 × 4 cell whose middle column is ink; records what it was asked for.
class BlockRasterizer : public TextRasterizer {
 public:
  TextRaster Rasterize(const std::u32string& text, const PageFont& font, int pixelHeight) override {
    lastFont = font;
    lastHeight = pixelHeight;
    TextRaster r;
    r.width = r.inkWidth = 3 * static_cast<int>(text.size());
    r.height = r.inkHeight = 4;
    r.coverage.assign(static_cast<size_t>(r.width * r.height), 0);
    for (int y = 0; y < 4; ++y)
      for (size_t c = 0; c < text.size(); ++c) r.coverage[static_cast<size_t>(y * r.width) + 3 * c + 1] = 255;
    return r;
  }
  PageFont lastFont;
  int lastHeight = 0;
};

// A box of 3 pixels per character × 4 whose ink leans out of it: the ink rectangle starts 2 pixels
// left of the box and ends 1 right of it and 1 below; its outer columns and its bottom row are ink.
class LeaningRasterizer : public TextRasterizer {
 public:
  TextRaster Rasterize(const std::u32string& text, const PageFont&, int) override {
    TextRaster r;
    r.width = 3 * static_cast<int>(text.size());
    r.height = 4;
    r.inkLeft = -2;
    r.inkWidth = r.width + 3;
    r.inkHeight = 5;
    r.coverage.assign(static_cast<size_t>(r.inkWidth * r.inkHeight), 0);
    for (int y = 0; y < r.inkHeight; ++y)
      for (int x = 0; x < r.inkWidth; ++x)
        if (x == 0 || x == r.inkWidth - 1 || y == r.inkHeight - 1)
          r.coverage[static_cast<size_t>(y * r.inkWidth + x)] = 255;
    return r;
  }
};

// Every pixel, row by row: what "nothing drawn" compares.
std::vector<TColor> AllPixels(const PageBitmap& page) {
  std::vector<TColor> all;
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x) all.push_back(page.Pixels(x, y));
  return all;
}

class Stamp : public ::testing::Test {
 protected:
  void SetUp() override {
    page.SetSize(10, 6, clWhite);
    PageWriter writer(page);
    uint8_t* row = writer.ScanLine(2);
    for (int x = 0; x < 10; ++x) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = 0;  // black line at y = 2
    writer.Commit();
    page.Canvas().font.color = clRed;
  }
  PageBitmap page;
  BlockRasterizer raster;
};

TEST_F(Stamp, SolidBrushDrawsTextOnABoxOfTheBrushColour) {
  page.Canvas().brushColor = clWhite;
  page.Canvas().font.name = "DejaVu Serif";
  page.Canvas().font.size = 12;
  page.Canvas().font.italic = true;
  DrawPageText(page, 1, 1, U"ab", raster, 96);
  EXPECT_EQ(raster.lastFont.name, "DejaVu Serif");
  EXPECT_EQ(raster.lastFont.size, 12);
  EXPECT_TRUE(raster.lastFont.italic);
  EXPECT_FALSE(raster.lastFont.bold);
  EXPECT_EQ(raster.lastFont.color, clRed);
  EXPECT_EQ(raster.lastHeight, 16) << "12 points at 96 dots per inch";
  for (int x = 1; x < 7; ++x) {
    const bool ink = (x - 1) % 3 == 1;
    EXPECT_EQ(page.Pixels(x, 2), ink ? clRed : clWhite) << "the box covers the line at x = " << x;
  }
  EXPECT_EQ(page.Pixels(0, 2), clBlack);
  EXPECT_EQ(page.Pixels(7, 2), clBlack);
  EXPECT_EQ(page.Pixels(2, 5), clWhite);
}

TEST_F(Stamp, HatchedBrushDrawsOnlyTheGlyphs) {
  FillRegion(page, 0, 0, clBlue, bsCross);  // leaves the canvas hatched
  const TColor under = page.Pixels(3, 2);
  DrawPageText(page, 1, 1, U"ab", raster, 96);
  EXPECT_EQ(page.Pixels(2, 2), clRed);
  EXPECT_EQ(page.Pixels(3, 2), under) << "between the letters the page shows";
}

TEST_F(Stamp, TextBeyondThePageIsCutOff) {
  DrawPageText(page, 8, 4, U"abc", raster, 96);
  EXPECT_EQ(page.Pixels(9, 5), clRed);
  DrawPageText(page, -2, -3, U"a", raster, 96);
  EXPECT_EQ(page.Pixels(0, 0), clWhite);
  const std::vector<TColor> before = AllPixels(page);
  DrawPageText(page, 50, 50, U"a", raster, 96);  // wholly outside: nothing, no fault
  EXPECT_EQ(AllPixels(page), before);
}

TEST_F(Stamp, InkBeyondTheBoxIsDrawnAndTheBoxStaysTheTextsOwn) {
  // Page 10 × 6, black line at y = 2; "ab" at (3, 1): box x 3…8, y 1…4; ink rectangle x 1…9, y 1…5.
  LeaningRasterizer leaning;
  for (const bool opaque : {true, false}) {
    SetUp();  // a fresh page for each case
    page.Canvas().brushColor = clWhite;
    page.Canvas().brushStyle = opaque ? bsSolid : bsCross;
    DrawPageText(page, 3, 1, U"ab", leaning, 96);
    for (int y = 1; y <= 5; ++y) {
      EXPECT_EQ(page.Pixels(1, y), clRed) << "left of the box, y = " << y;
      EXPECT_EQ(page.Pixels(9, y), clRed) << "right of the box, y = " << y;
    }
    for (int x = 1; x <= 9; ++x) EXPECT_EQ(page.Pixels(x, 5), clRed) << "below the box, x = " << x;
    EXPECT_EQ(page.Pixels(2, 2), clBlack) << "inside the ink's rectangle but outside the box, no ink: untouched";
    EXPECT_EQ(page.Pixels(0, 2), clBlack);
    for (int x = 3; x <= 8; ++x) EXPECT_EQ(page.Pixels(x, 2), opaque ? clWhite : clBlack) << x;
  }
}

TEST_F(Stamp, InkIsCutOnlyByThePagesEdges) {
  LeaningRasterizer leaning;
  page.Canvas().brushColor = clWhite;
  // Box x 1…6, y 3…6; ink columns x = -1 and 7, ink row y = 7: the page ends at y = 5.
  DrawPageText(page, 1, 3, U"ab", leaning, 96);
  for (int x = 0; x <= 9; ++x) EXPECT_EQ(page.Pixels(x, 5), x == 7 ? clRed : clWhite) << x;
  EXPECT_EQ(page.Pixels(0, 2), clBlack);
  const std::vector<TColor> before = AllPixels(page);
  DrawPageText(page, 9, -20, U"abc", leaning, 96);  // wholly above the page: nothing, no fault
  EXPECT_EQ(AllPixels(page), before);
  DrawPageText(page, -12, 2, U"ab", leaning, 96);  // ink columns x = -14 and -6: nothing
  EXPECT_EQ(AllPixels(page), before);
}

TEST_F(Stamp, EmptyTextDrawsNothingButStillCountsAsDrawing) {
  PageBitmap snapshot;
  snapshot.Assign(&page);
  int changes = 0;
  page.SetOnChange([&] { ++changes; });
  const std::vector<TColor> before = AllPixels(page);
  DrawPageText(page, 1, 1, U"", raster, 96);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(page.SharesImageWith(snapshot));
  EXPECT_EQ(AllPixels(page), before);
}

TEST(FontPixelHeight, PointsBecomePixelsAtTheScreenResolutionHalvesToEven) {
  struct Case {
    int points, dpi, pixels;
  } cases[] = {{8, 96, 11},  {12, 96, 16}, {10, 120, 17}, {9, 72, 9},
               {11, 108, 16}, {13, 108, 20}, {1, 36, 0},  {3, 36, 2}};
  for (const Case& c : cases) EXPECT_EQ(FontPixelHeight(c.points, c.dpi), c.pixels) << c.points << " pt at " << c.dpi;
}

}  // namespace
}  // namespace pintoola
