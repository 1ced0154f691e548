#include <gtest/gtest.h>

#include <queue>
#include <random>

#include "engine/Brush.h"
#include "engine/RegionFill.h"
#include "engine/UndoHistory.h"
#include "tests/engine/PixelPages.h"

namespace pintoola {
namespace {

using testing::AllPixels;
using testing::Draw;
using testing::PalettedImage;
using testing::RawRows;
using testing::SetPixel;

// ---- brush realisation ----

TEST(BrushTest, RealisationFollowsTheStyleTable) {
  struct Case {
    TBrushStyle style;
    BrushKind kind;
    int hatch;
    int bkMode;
  };
  const Case cases[] = {
      {bsSolid, BrushKind::Solid, 0, BK_OPAQUE},           {bsClear, BrushKind::Hollow, 0, BK_TRANSPARENT},
      {bsHorizontal, BrushKind::Hatched, 0, BK_TRANSPARENT}, {bsVertical, BrushKind::Hatched, 1, BK_TRANSPARENT},
      {bsFDiagonal, BrushKind::Hatched, 2, BK_TRANSPARENT},  {bsBDiagonal, BrushKind::Hatched, 3, BK_TRANSPARENT},
      {bsCross, BrushKind::Hatched, 4, BK_TRANSPARENT},      {bsDiagCross, BrushKind::Hatched, 5, BK_TRANSPARENT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style));
    const RealizedBrush b = RealizeBrush(0x123456, c.style);
    EXPECT_EQ(b.color, 0x123456);
    EXPECT_EQ(b.kind, c.kind);
    if (c.kind == BrushKind::Hatched) {
      EXPECT_EQ(b.hatch, c.hatch);
    }
    EXPECT_EQ(b.bkMode, c.bkMode);
    EXPECT_EQ(static_cast<uint32_t>(b.bkColor), c.style == bsSolid ? 0x123456u : 0xFFEDCBA9u);
  }
}

TEST(BrushTest, SystemColoursResolveByTheirLowByte) {
  const struct {
    TColor in, out;
  } cases[] = {
      // The full table is the colour resolution's own (Colors_test).
      {clRed, clRed},
      {clBtnFace, 0xF0F0F0},
      {-1, clBlack},  // index 255: unknown to the table
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RealizeBrush(c.in, bsSolid).color, c.out) << std::hex << c.in;
    EXPECT_EQ(RealizeBrush(c.in, bsCross).color, c.out) << std::hex << c.in;
  }
}

// The 8 × 8 tiles as they must look, anchored at the page origin ('#' = line pixel).
const std::vector<std::string>& Tile(int hatch) {
  static const std::vector<std::string> tiles[6] = {
      {"........", "........", "........", "........", "........", "........", "........", "########"},
      {".......#", ".......#", ".......#", ".......#", ".......#", ".......#", ".......#", ".......#"},
      {"#.......", ".#......", "..#.....", "...#....", "....#...", ".....#..", "......#.", ".......#"},
      {".......#", "......#.", ".....#..", "....#...", "...#....", "..#.....", ".#......", "#......."},
      {".......#", ".......#", ".......#", ".......#", ".......#", ".......#", ".......#", "########"},
      {"#......#", ".#....#.", "..#..#..", "...##...", "...##...", "..#..#..", ".#....#.", "#......#"},
  };
  return tiles[hatch];
}

TEST(BrushTest, HatchTilesRepeatFromTheOrigin) {
  for (int h = 0; h < 6; ++h) {
    SCOPED_TRACE(h);
    for (int y = -16; y < 24; ++y)
      for (int x = -16; x < 24; ++x)
        ASSERT_EQ(OnHatchLine(h, x, y), Tile(h)[static_cast<size_t>(y & 7)][static_cast<size_t>(x & 7)] == '#')
            << x << "," << y;
  }
}

TEST(BrushTest, FillRectPaintsSolidEverywhereHatchOnLinesClearNothing) {
  for (int style = bsSolid; style <= bsDiagCross; ++style) {
    SCOPED_TRACE(style);
    PageBitmap swatch;
    swatch.SetSize(96, 33);
    PageWriter writer(swatch);
    FillRect(writer.Area(Rect(0, 0, 96, 33)), Rect(0, 0, 96, 33), RealizeBrush(clRed, static_cast<TBrushStyle>(style)));
    writer.Commit();
    for (int y = 0; y < 33; ++y)
      for (int x = 0; x < 96; ++x) {
        const bool painted = style == bsSolid || (style >= bsHorizontal && OnHatchLine(style - 2, x, y));
        ASSERT_EQ(swatch.Pixels(x, y), painted ? clRed : clWhite) << x << "," << y;
      }
  }
}

TEST(BrushTest, FillRectExcludesRightAndBottomAndClipsToTheImage) {
  PageBitmap page;
  page.SetSize(6, 5);
  PageWriter writer(page);
  BitmapImage& img = writer.Area(Rect(0, 0, 6, 5));
  FillRect(img, Rect(-3, 1, 4, 3), RealizeBrush(clBlue, bsSolid));
  FillRect(img, Rect(5, 4, 50, 50), RealizeBrush(clLime, bsSolid));
  FillRect(img, Rect(3, 0, 3, 5), RealizeBrush(clRed, bsSolid));  // empty
  writer.Commit();
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) {
      const TColor want = (x < 4 && y >= 1 && y < 3) ? clBlue : (x == 5 && y == 4) ? clLime : clWhite;
      EXPECT_EQ(page.Pixels(x, y), want) << x << "," << y;
    }
}

TEST(BrushTest, HatchedSelectionsPileUpOnTheSwatch) {
  PageBitmap swatch;
  swatch.SetSize(96, 33);
  PageWriter writer(swatch);
  BitmapImage& img = writer.Area(Rect(0, 0, 96, 33));
  FillRect(img, Rect(0, 0, 96, 33), RealizeBrush(clRed, bsHorizontal));
  FillRect(img, Rect(0, 0, 96, 33), RealizeBrush(clBlue, bsVertical));
  writer.Commit();
  EXPECT_EQ(swatch.Pixels(0, 7), clRed);
  EXPECT_EQ(swatch.Pixels(7, 0), clBlue);
  EXPECT_EQ(swatch.Pixels(7, 7), clBlue);
  EXPECT_EQ(swatch.Pixels(0, 0), clWhite);
  PageWriter again(swatch);
  FillRect(again.Area(Rect(0, 0, 96, 33)), Rect(0, 0, 96, 33), RealizeBrush(clLime, bsSolid));
  again.Commit();
  EXPECT_EQ(AllPixels(swatch), std::vector<TColor>(96 * 33, clLime));
}

// ---- the fill ----

// An independent reference: breadth-first search over the four edge neighbours, then the brush.
std::vector<TColor> ReferenceFill(const PageBitmap& page, int x0, int y0, TColor color, TBrushStyle style) {
  std::vector<TColor> px = AllPixels(page);
  const int w = page.Width(), h = page.Height();
  if (x0 < 0 || y0 < 0 || x0 >= w || y0 >= h || style == bsClear) return px;
  const TColor start = px[static_cast<size_t>(y0 * w + x0)];
  std::vector<char> in(px.size(), 0);
  std::queue<std::pair<int, int>> q;
  q.push({x0, y0});
  in[static_cast<size_t>(y0 * w + x0)] = 1;
  while (!q.empty()) {
    auto [x, y] = q.front();
    q.pop();
    const int nx[4] = {x - 1, x + 1, x, x}, ny[4] = {y, y, y - 1, y + 1};
    for (int k = 0; k < 4; ++k) {
      if (nx[k] < 0 || ny[k] < 0 || nx[k] >= w || ny[k] >= h) continue;
      const size_t i = static_cast<size_t>(ny[k] * w + nx[k]);
      if (!in[i] && px[i] == start) {
        in[i] = 1;
        q.push({nx[k], ny[k]});
      }
    }
  }
  const TColor c = ColorToRGB(color) & 0xFFFFFF;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const size_t i = static_cast<size_t>(y * w + x);
      if (in[i] && (style == bsSolid || Tile(style - 2)[static_cast<size_t>(y & 7)][static_cast<size_t>(x & 7)] == '#'))
        px[i] = c;
    }
  return px;
}

TEST(FillRegionTest, SetsTheBrushAndSignalsOneChange) {
  PageBitmap page;
  page.SetSize(5, 4);
  int changes = 0;
  page.SetOnChange([&] { ++changes; });
  FillRegion(page, 2, 1, clNavy, bsDiagCross);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(page.Canvas().brushColor, clNavy);
  EXPECT_EQ(page.Canvas().brushStyle, bsDiagCross);
  FillRegion(page, 0, 0, clBtnFace, bsSolid);  // kept unresolved in the drawing state
  EXPECT_EQ(page.Canvas().brushColor, clBtnFace);
  EXPECT_EQ(page.Canvas().brushStyle, bsSolid);
  EXPECT_EQ(changes, 2);
}

TEST(FillRegionTest, EveryStyleOnAWhitePageFromTwoPointsGivesTheAnchoredPattern) {
  for (int style = bsSolid; style <= bsDiagCross; ++style) {
    SCOPED_TRACE(style);
    PageBitmap a, b;
    a.SetSize(16, 16);
    b.SetSize(16, 16);
    const auto want = ReferenceFill(a, 3, 2, clRed, static_cast<TBrushStyle>(style));
    FillRegion(a, 3, 2, clRed, static_cast<TBrushStyle>(style));
    FillRegion(b, 12, 13, clRed, static_cast<TBrushStyle>(style));
    EXPECT_EQ(AllPixels(a), want);
    EXPECT_EQ(AllPixels(a), AllPixels(b));
    if (style >= bsHorizontal) {
      EXPECT_EQ(a.Pixels(0, 1), clWhite);  // a gap: keeps the start colour
    }
  }
}

TEST(FillRegionTest, ColoursOneUnitOffBoundTheArea) {
  // A wall of near-white colours, each off by one in one channel, and a near-white pixel inside.
  const std::vector<std::string> rows = {
      "..r..", "..g..", "..b..", "..r..", "....n"};
  PageBitmap page;
  Draw(page, rows, {{'r', 0xFFFFFE}, {'g', 0xFFFEFF}, {'b', 0xFEFFFF}, {'n', 0xFFFFFE}});
  const auto before = AllPixels(page);
  FillRegion(page, 0, 0, clBlack, bsSolid);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) {
      const size_t i = static_cast<size_t>(y * 5 + x);
      const bool leftSide = x < 2 || (y == 4 && x < 4);  // row 4 connects both sides under the wall
      const bool area = before[i] == clWhite && (leftSide || y == 4 || x > 2);
      EXPECT_EQ(page.Pixels(x, y), area ? clBlack : before[i]) << x << "," << y;
    }
}

TEST(FillRegionTest, BlackOutlineFillKeepsGreyNeighbours) {
  const std::vector<std::string> rows = {
      ".......", ".#####.", ".#g..#.", ".#...#.", ".####g.", "......#"};
  PageBitmap page;
  Draw(page, rows, {{'#', clBlack}, {'g', 0x101010}});
  FillRegion(page, 1, 1, clRed, bsSolid);
  EXPECT_EQ(AllPixels(page), [&] {
    PageBitmap want;
    Draw(want, rows, {{'#', clRed}, {'g', 0x101010}});
    SetPixel(want, 6, 5, clBlack);  // touches the outline only diagonally
    return AllPixels(want);
  }());
}

TEST(FillRegionTest, FourConnectivityDoesNotLeakThroughDiagonalGaps) {
  const std::vector<std::string> rows = {"#.......", ".#......", "..#.....", "...#....",
                                         "....#...", ".....#..", "......#.", ".......#"};
  PageBitmap page;
  Draw(page, rows, {{'#', clBlack}});
  FillRegion(page, 5, 1, clRed, bsSolid);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(page.Pixels(x, y), x == y ? clBlack : x > y ? clRed : clWhite) << x << "," << y;
}

TEST(FillRegionTest, SecondFillWithTheSameHatchBetweenTheLinesChangesNothing) {
  for (int style = bsHorizontal; style <= bsDiagCross; ++style) {
    SCOPED_TRACE(style);
    PageBitmap page;
    page.SetSize(16, 16);
    FillRegion(page, 1, 1, clBlue, static_cast<TBrushStyle>(style));
    const auto once = RawRows(page);
    FillRegion(page, 2, 1, clBlue, static_cast<TBrushStyle>(style));
    EXPECT_EQ(RawRows(page), once);
  }
}

TEST(FillRegionTest, SolidFillBetweenHatchLinesReachesOnlyItsCell) {
  PageBitmap page;
  page.SetSize(16, 16);
  FillRegion(page, 0, 0, clBlue, bsCross);
  FillRegion(page, 9, 9, clRed, bsSolid);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool line = (x & 7) == 7 || (y & 7) == 7;
      const bool cell = x >= 8 && x < 15 && y >= 8 && y < 15;
      EXPECT_EQ(page.Pixels(x, y), line ? clBlue : cell ? clRed : clWhite) << x << "," << y;
    }
}

TEST(FillRegionTest, FillStartedOnAHatchLineReachesTheConnectedLinePixelsOnly) {
  const struct {
    TBrushStyle hatch;
    int x, y;
  } cases[] = {{bsHorizontal, 3, 7}, {bsVertical, 7, 3}, {bsCross, 7, 3}, {bsFDiagonal, 3, 3}, {bsDiagCross, 4, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.hatch));
    PageBitmap page;
    page.SetSize(16, 16);
    FillRegion(page, 0, 0, clBlue, c.hatch);
    const auto want = ReferenceFill(page, c.x, c.y, clLime, bsSolid);
    FillRegion(page, c.x, c.y, clLime, bsSolid);
    EXPECT_EQ(AllPixels(page), want);
    EXPECT_EQ(page.Pixels(c.x, c.y), clLime);
  }
}

TEST(FillRegionTest, PointsOutsideThePagePaintNothingButStillDraw) {
  const struct {
    int x, y;
  } points[] = {{-1, 0}, {0, -1}, {5, 0}, {0, 4}, {5, 4}, {1000, 1000}, {-2147483647, 3}};
  for (const auto& p : points) {
    PageBitmap page;
    page.SetSize(5, 4, clYellow);
    TPictureArray history;
    history.PushUndo(page);
    int changes = 0;
    page.SetOnChange([&] { ++changes; });
    FillRegion(page, p.x, p.y, clRed, bsSolid);
    EXPECT_EQ(AllPixels(page), std::vector<TColor>(20, clYellow)) << p.x << "," << p.y;
    EXPECT_FALSE(page.SharesImageWith(history.Snapshot(0)));  // a fill counts as drawing
    EXPECT_EQ(changes, 1);
  }
}

TEST(FillRegionTest, ClearBrushAndOwnColourChangeNoPixel) {
  const struct {
    TColor color;
    TBrushStyle style;
  } cases[] = {{clRed, bsClear}, {clYellow, bsSolid}, {clYellow, bsVertical}, {clBlack, bsClear}};
  for (const auto& c : cases) {
    PageBitmap page;
    page.SetSize(5, 4, clYellow);
    SetPixel(page, 2, 2, clBlack);
    const auto before = RawRows(page);
    TPictureArray history;
    history.PushUndo(page);
    FillRegion(page, 0, 0, c.color, c.style);
    EXPECT_EQ(RawRows(page), before);
    EXPECT_FALSE(page.SharesImageWith(history.Snapshot(0)));
    EXPECT_EQ(page.Canvas().brushStyle, c.style);
  }
}

TEST(FillRegionTest, SystemColoursPaintTheirTableColour) {
  const struct {
    TColor color, painted;
  } cases[] = {{clBtnFace, 0xF0F0F0}, {clHighlight, 0xD77800}, {-1, clBlack}};
  for (const auto& c : cases) {
    PageBitmap page;
    page.SetSize(5, 4);
    FillRegion(page, 4, 3, c.color, bsSolid);
    EXPECT_EQ(AllPixels(page), std::vector<TColor>(20, c.painted));
  }
}

TEST(FillRegionTest, SnapshotTakenBeforeTheFillIsUntouched) {
  PageBitmap page;
  page.SetSize(16, 16);
  TPictureArray history;
  history.PushUndo(page);
  const auto before = RawRows(page);
  FillRegion(page, 3, 3, clRed, bsSolid);
  EXPECT_EQ(RawRows(history.Snapshot(0)), before);
  EXPECT_EQ(page.Pixels(3, 3), clRed);
}

TEST(FillRegionTest, PalettedPageBecomes24BitsAndKeepsItsColours) {
  const std::vector<RGBQuad> table = {{0, 0, 0, 0}, {255, 255, 255, 0}, {10, 20, 30, 0}};
  const std::vector<std::vector<uint8_t>> idx = {{1, 1, 0, 2, 2}, {1, 0, 1, 1, 2}, {0, 1, 1, 1, 1}, {2, 2, 2, 0, 1}};
  PageBitmap page;
  page.SetImage(PalettedImage(5, 4, table, idx));
  const auto before = AllPixels(page);
  EXPECT_EQ(page.Depth(), 8);  // reading converts nothing
  EXPECT_EQ(page.Pixels(3, 0), RGB(30, 20, 10));
  EXPECT_EQ(page.Depth(), 8);
  PageBitmap copy;
  copy.SetImage(PalettedImage(5, 4, table, idx));
  const auto want = ReferenceFill(copy, 4, 1, clRed, bsSolid);
  FillRegion(page, 4, 1, clRed, bsSolid);
  EXPECT_EQ(page.Depth(), 24);
  EXPECT_EQ(AllPixels(page), want);
  EXPECT_EQ(before[3], RGB(30, 20, 10));
  EXPECT_EQ(page.Pixels(3, 0), clRed);
  EXPECT_EQ(page.Pixels(0, 3), RGB(30, 20, 10));  // another patch of the same colour, not connected
}

TEST(FillRegionTest, MatchesAReferenceOnRandomPages) {
  std::mt19937 rng(7);
  const TColor colours[] = {clWhite, clBlack, 0xFFFFFE, clRed};
  for (int round = 0; round < 300; ++round) {
    const int w = 1 + static_cast<int>(rng() % 70), h = 1 + static_cast<int>(rng() % 20);
    PageBitmap page;
    page.SetSize(w, h);
    const int mostly = static_cast<int>(rng() % 3);  // vary the density of walls
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (static_cast<int>(rng() % 4) > mostly) SetPixel(page, x, y, colours[rng() % 4]);
    const int x = static_cast<int>(rng() % static_cast<unsigned>(w + 2)) - 1;
    const int y = static_cast<int>(rng() % static_cast<unsigned>(h + 2)) - 1;
    const auto style = static_cast<TBrushStyle>(rng() % 8);
    const TColor brush = colours[rng() % 4] ^ static_cast<TColor>(rng() % 2);
    const auto want = ReferenceFill(page, x, y, brush, style);
    FillRegion(page, x, y, brush, style);
    ASSERT_EQ(AllPixels(page), want) << "round " << round << " " << w << "x" << h << " at " << x << "," << y
                                     << " style " << int(style);
  }
}

TEST(FillRegionTest, SerpentineCorridorIsFilledEndToEnd) {
  // Walls every other column, open alternately at the top and the bottom: one corridor that turns
  // at every wall, so the work list is exercised in both directions.
  const int w = 401, h = 300;
  PageBitmap page;
  page.SetSize(w, h);
  for (int x = 1; x < w; x += 2)
    for (int y = 0; y < h; ++y)
      if (((x / 2) % 2 == 0) ? y != h - 1 : y != 0) SetPixel(page, x, y, clBlack);
  FillRegion(page, 0, 0, clRed, bsSolid);
  EXPECT_EQ(page.Pixels(w - 1, h - 1), clRed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool wall = x % 2 == 1 && (((x / 2) % 2 == 0) ? y != h - 1 : y != 0);
      ASSERT_EQ(page.Pixels(x, y), wall ? clBlack : clRed) << x << "," << y;
    }
}

TEST(FillRegionTest, FullLargePageNeedsNoDeepStack) {
  PageBitmap page;
  page.SetSize(4000, 3000);
  FillRegion(page, 1234, 2345, clRed, bsSolid);
  FillRegion(page, 0, 0, clBlue, bsDiagCross);
  const BitmapImage& img = *page.Image();
  for (int y = 0; y < 3000; y += 7)
    for (int x = 0; x < 4000; x += 13)
      ASSERT_EQ(img.PixelAt(x, y), OnHatchLine(HS_DIAGCROSS, x, y) ? clBlue : clRed) << x << "," << y;
}

}  // namespace
}  // namespace pintoola
