#include "pageprep/Steps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/pageprep/Fixtures.h"

namespace pintoola::pageprep {
namespace {

using test::At;
using test::Blank;
using test::Fill;
using test::Frame;
using test::InkCount;
using test::Mask;

// ---- Threshold ------------------------------------------------------------------------------------

// A page of `paper(x, y)` brightness with a grid of 2-px lines at `inkShare` of the paper there.
struct Lighting {
  const char* name;
  std::function<double(int, int)> paper;
  double inkShare;
};

GreyImage Page(const Lighting& l, int w, int h, InkMask& lines) {
  GreyImage g{w, h, std::vector<std::uint8_t>(static_cast<size_t>(w) * h)};
  lines = Blank(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool ink = x % 20 < 2 || y % 25 < 2;
      At(lines, x, y) = ink;
      const double p = l.paper(x, y);
      g.pixels[static_cast<size_t>(y) * w + x] = static_cast<std::uint8_t>(std::lround(ink ? p * l.inkShare : p));
    }
  return g;
}

class Threshold : public ::testing::TestWithParam<Lighting> {};

TEST_P(Threshold, FindsExactlyTheLines) {
  InkMask lines;
  const GreyImage g = Page(GetParam(), 300, 240, lines);
  const InkMask found = Binarise(g);
  ASSERT_EQ(found.width, 300);
  ASSERT_EQ(found.height, 240);
  int wrong = 0;
  for (size_t i = 0; i < found.ink.size(); ++i) wrong += found.ink[i] != lines.ink[i];
  EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lightings, Threshold,
    ::testing::Values(Lighting{"Even", [](int, int) { return 235.0; }, 0.2},
                      Lighting{"GreyPaperPaleInk", [](int, int) { return 200.0; }, 0.6},
                      // Light falling off across a scan, from white to a third of it.
                      Lighting{"Gradient", [](int x, int) { return 250.0 - 170.0 * x / 300; }, 0.4},
                      // The shadow of a book's fold: a dark band down the middle.
                      Lighting{"FoldShadow", [](int x, int) { return 245.0 - 150.0 * std::exp(-std::pow((x - 150) / 45.0, 2)); }, 0.4},
                      Lighting{"Vignette",
                               [](int x, int y) { return 250.0 - 0.004 * ((x - 150) * (x - 150) + (y - 120) * (y - 120)); },
                               0.45}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Threshold, OneGlobalLevelCannotSplitUnevenPaper) {
  // Why the local threshold exists: the dark side's paper is darker than the bright side's ink.
  InkMask lines;
  const GreyImage g = Page({"Gradient", [](int x, int) { return 250.0 - 170.0 * x / 300; }, 0.4}, 300, 240, lines);
  std::vector<std::uint64_t> histogram(256);
  for (auto v : g.pixels) ++histogram[v];
  const InkMask global = ThresholdGlobal(g, OtsuThreshold(histogram));
  int wrong = 0;
  for (size_t i = 0; i < global.ink.size(); ++i) wrong += global.ink[i] != lines.ink[i];
  EXPECT_GT(wrong, 1000);
  EXPECT_GT(EstimatePaper(g, 16).Spread(), BinariseParams{}.unevenSpread);
}

TEST(Threshold, PaperWithoutMarksHasNoInk) {
  for (int level : {255, 180, 40}) {
    GreyImage g{64, 48, std::vector<std::uint8_t>(64 * 48)};
    for (size_t i = 0; i < g.pixels.size(); ++i) g.pixels[i] = static_cast<std::uint8_t>(level - static_cast<int>(i * 7919 % 13));
    EXPECT_EQ(InkCount(Binarise(g)), 0) << level;
  }
}

TEST(Threshold, SolidBlackShapeStaysInk) {
  // A shape covering whole tiles must not be taken for paper in shadow.
  GreyImage g{200, 200, std::vector<std::uint8_t>(200 * 200, 240)};
  for (int y = 40; y < 160; ++y)
    for (int x = 40; x < 160; ++x) g.pixels[static_cast<size_t>(y) * 200 + x] = 15;
  const InkMask m = Binarise(g, {.tile = 16});
  EXPECT_EQ(InkCount(m), 120 * 120);
}

// ---- Line width and size ------------------------------------------------------------------------

TEST(LineWidth, MeasuresStrokesOfEachWidth) {
  for (int t : {1, 2, 3, 5, 8}) {
    InkMask m = Blank(200, 200);
    Frame(m, 10, 10, 190, 190, t);
    Frame(m, 50, 50, 120, 150, t);
    Fill(m, 80, 50, 80 + t, 150);
    EXPECT_NEAR(TypicalLineWidth(m), t, 0.5) << t;
  }
  EXPECT_EQ(TypicalLineWidth(Blank(10, 10)), 0);
}

TEST(FitSize, OneSideAtItsLimitAspectKept) {
  struct Case {
    int w, h, W, H;
  } cases[] = {{2480, 3508, 495, 700}, {1000, 500, 736, 368}, {736, 700, 736, 700}, {100, 100, 700, 700},
               {5000, 1, 736, 1},      {1, 5000, 1, 700},     {0, 10, 0, 0}};
  for (const Case& c : cases) {
    const Size s = FitSize(c.w, c.h, {});
    EXPECT_EQ(s.width, c.W) << c.w << "x" << c.h;
    EXPECT_EQ(s.height, c.H) << c.w << "x" << c.h;
  }
}

// Every row (or column) of the band [from, to) holds ink: the line is unbroken.
bool Unbroken(const InkMask& m, bool rows, int from, int to) {
  const int length = rows ? m.height : m.width;
  for (int a = 0; a < length; ++a) {
    bool any = false;
    for (int b = from; b < to; ++b) any = any || (rows ? At(m, b, a) : At(m, a, b));
    if (!any) return false;
  }
  return true;
}

TEST(ReduceArea, KeepsOnePixelLinesDropsSpecks) {
  for (int offset = 0; offset < 5; ++offset) {
    InkMask m = Blank(500, 400);
    Fill(m, 203 + offset, 0, 204 + offset, 400);  // vertical, 1 px
    Fill(m, 0, 101 + offset, 500, 102 + offset);  // horizontal, 1 px
    for (int i = 0; i < 400; ++i) At(m, 50 + i, i) = 1;  // diagonal, 1 px
    Fill(m, 400, 300, 402, 301);  // a speck below the share of a block
    const InkMask page = ReduceArea(m, {100, 80}, 0.45 * 1 / 5.0);
    EXPECT_TRUE(Unbroken(page, true, 40, 43)) << offset;
    EXPECT_TRUE(Unbroken(page, false, 20, 22)) << offset;
    EXPECT_EQ(At(page, 80, 60), 0);
  }
}

TEST(ReduceArea, MajorityKeepsThickShapes) {
  InkMask m = Blank(400, 400);
  Fill(m, 100, 100, 300, 300);
  const InkMask page = ReduceArea(m, {100, 100}, 0.5);
  EXPECT_EQ(InkCount(page), 50 * 50);
  EXPECT_EQ(At(page, 25, 25), 1);
  EXPECT_EQ(At(page, 24, 24), 0);
}

TEST(EnlargeSmooth, DiagonalStaysAWallWithoutSteps) {
  InkMask m = Blank(40, 40);
  for (int i = 0; i < 40; ++i) At(m, i, i) = 1;  // 8-connected: a wall for a 4-connected fill
  const InkMask big = EnlargeSmooth(m, {160, 160});
  EXPECT_EQ(CountAreas(big), 2);
  // Enlarged steps would leave 4-pixel stairs; a smooth edge moves by about one pixel a row.
  int previous = -1;
  for (int y = 4; y < 156; ++y) {
    int first = 0;
    while (!At(big, first, y)) ++first;
    if (previous >= 0) {
      EXPECT_LE(std::abs(first - previous), 2) << y;
    }
    previous = first;
  }
}

TEST(EnlargeSmooth, ScalesLineWidth) {
  InkMask m = Blank(30, 30);
  Fill(m, 10, 0, 12, 30);
  const InkMask big = EnlargeSmooth(m, {90, 90});
  EXPECT_NEAR(TypicalLineWidth(big), 6, 1);
}

// ---- Clean-up at the page size ---------------------------------------------------------------------

TEST(Specks, RemovesSmallBlobsKeepsLines) {
  const InkMask m = Mask({
      "..........",
      ".#.....##.",
      "........#.",
      "..##......",
      "..##.....#",
      "##########",
  });
  const InkMask cleaned = RemoveSpecks(m, 3);
  EXPECT_EQ(cleaned.ink, Mask({
                             "..........",
                             "..........",
                             "..........",
                             "..##......",
                             "..##.....#",
                             "##########",
                         })
                             .ink);
}

TEST(Pinholes, FillsHolesInLinesKeepsAreas) {
  const InkMask m = Mask({
      "############",
      "#.##########",
      "######.#####",
      "#####..#####",
      "############",
      "#..........#",
      "############",
  });
  const InkMask filled = FillPinholes(m, 4);
  EXPECT_EQ(filled.ink, Mask({
                            "############",
                            "############",
                            "############",
                            "############",
                            "############",
                            "#..........#",
                            "############",
                        })
                            .ink);
}

TEST(Thicken, EveryLineAtLeastTwoPixels) {
  InkMask m = Blank(40, 40);
  Fill(m, 5, 2, 35, 3);    // horizontal, 1 px
  Fill(m, 3, 5, 4, 35);    // vertical, 1 px
  for (int i = 0; i < 20; ++i) At(m, 10 + i, 10 + i) = 1;  // diagonal, 1 px
  Fill(m, 20, 30, 38, 33);  // already 3 px
  const InkMask t = ThickenThinLines(m);
  for (int x = 5; x < 35; ++x) EXPECT_TRUE(At(t, x, 2) && At(t, x, 3)) << x;
  for (int y = 5; y < 35; ++y) EXPECT_TRUE(At(t, 3, y) && At(t, 4, y)) << y;
  for (int i = 0; i < 20; ++i) EXPECT_TRUE(At(t, 11 + i, 10 + i) && At(t, 10 + i, 11 + i)) << i;
  EXPECT_EQ(At(t, 20, 33), 0);
  EXPECT_EQ(At(t, 20, 29), 0);
  // Lines at the picture's edge grow inwards.
  const InkMask edge = ThickenThinLines(Mask({"....#", "....#", "....#"}));
  EXPECT_EQ(edge.ink, Mask({"...##", "...##", "...##"}).ink);
}

// A box split by a wall into two rooms; the wall has a break of `gap` pixels at mid-height.
InkMask Rooms(int line, int gap) {
  InkMask m = Blank(120, 90);
  Frame(m, 10, 10, 110, 80, line);
  Fill(m, 60, 10, 60 + line, 80);
  const int mid = 45 - gap / 2;
  Fill(m, 60, mid, 60 + line, mid + gap, 0);
  return m;
}

LinkParams Linking(int line) { return {.lineWidth = static_cast<double>(line), .maxGap = 2.0 * line + 2, .minStroke = 3.0 * line}; }

// Breaks a closing cannot see: between rooms, at a corner, and into a strip no wider than the break.
struct Break {
  const char* name;
  InkMask (*make)(int line, int gap);
};

class LinkEnds : public ::testing::TestWithParam<Break> {};

TEST_P(LinkEnds, BridgesBreaksUpToTwiceTheLineWidth) {
  for (int line : {2, 3, 4, 6}) {
    for (int gap = 1; gap <= 2 * line; ++gap) {
      const InkMask m = GetParam().make(line, gap);
      const int whole = CountAreas(GetParam().make(line, 0));
      ASSERT_EQ(CountAreas(m), whole - 1) << "line " << line << " gap " << gap;
      int links = 0;
      const InkMask linked = LinkLineEnds(m, Linking(line), links);
      EXPECT_EQ(CountAreas(linked), whole) << "line " << line << " gap " << gap;
      EXPECT_GE(links, 1);
      // Only the break's neighbourhood changed, and only from paper to ink.
      for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
          if (At(linked, x, y) != At(m, x, y)) {
            ASSERT_EQ(At(m, x, y), 0);
            EXPECT_TRUE(std::abs(x - 60) <= 2 * line + gap + 3 && std::abs(y - 45) <= 2 * line + gap + 3) << x << "," << y;
          }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, LinkEnds,
    ::testing::Values(Break{"Straight", [](int line, int gap) { return Rooms(line, gap); }},
                      // A wall that turns down, its corner cut away by half the break along each arm.
                      Break{"Corner",
                            [](int line, int gap) {
                              InkMask m = Blank(120, 90);
                              Frame(m, 10, 10, 110, 80, line);
                              Fill(m, 10, 38, 60 + line, 38 + line);
                              Fill(m, 60, 38, 60 + line, 80);
                              const int cut = (gap + 1) / 2;
                              Fill(m, 60 - cut, 38, 60 + line, 38 + line + cut, 0);
                              return m;
                            }},
                      // A strip four pixels wide along a wall, its side broken: to a closing it is a
                      // bay of the room beside it.
                      Break{"IntoAStrip",
                            [](int line, int gap) {
                              InkMask m = Blank(120, 90);
                              Frame(m, 10, 45 - 4 - line, 110, 80, line);
                              Fill(m, 10, 45, 110, 45 + line);
                              Fill(m, 60 - gap / 2, 45, 60 - gap / 2 + gap, 45 + line, 0);
                              return m;
                            }},
                      // A short bar between two long ones (a window's), broken to stubs a little
                      // longer than the line is wide.
                      Break{"BetweenStubs", [](int line, int gap) {
                              InkMask m = Blank(120, 90);
                              Frame(m, 10, 10, 110, 80, line);
                              const int stub = line + 2, top = 45 - gap / 2 - stub - line, bottom = 45 + (gap - gap / 2) + stub;
                              Fill(m, 10, top, 110, top + line);
                              Fill(m, 10, bottom, 110, bottom + line);
                              Fill(m, 60, top, 60 + line, bottom + line);
                              Fill(m, 60, 45 - gap / 2, 60 + line, 45 - gap / 2 + gap, 0);
                              return m;
                            }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LinkEnds, LeavesApartWhatStandsApart) {
  const int line = 3;
  const LinkParams params = Linking(line);
  struct Case {
    const char* name;
    std::function<void(InkMask&)> draw;
  } cases[] = {
      // Ends side by side, a break's width apart: a line's side is not where it continues.
      {"ParallelEnds", [](InkMask& m) { Fill(m, 10, 30, 60, 33), Fill(m, 10, 37, 60, 40); }},
      {"ParallelEndsStaggered", [](InkMask& m) { Fill(m, 10, 30, 60, 33), Fill(m, 50, 37, 100, 40); }},
      // A line ending just beyond the reach from another shape's side.
      {"BeyondReach", [](InkMask& m) { Fill(m, 10, 30, 60, 33), Fill(m, 60 + 2 * 3 + 4, 10, 60 + 2 * 3 + 7, 60); }},
      {"DottedLine",
       [](InkMask& m) {
         for (int x = 10; x < 100; x += 6) Fill(m, x, 30, x + 3, 33);
       }},
      {"ShortDashes",
       [](InkMask& m) {
         for (int x = 10; x < 100; x += 11) Fill(m, x, 30, x + 6, 33);
       }},
  };
  for (const Case& c : cases) {
    InkMask m = Blank(110, 80);
    c.draw(m);
    int links = 0;
    const InkMask linked = LinkLineEnds(m, params, links);
    EXPECT_EQ(links, 0) << c.name;
    EXPECT_EQ(linked.ink, m.ink) << c.name;
  }
  // The same line within reach is joined, with ink at least two pixels thick all the way.
  InkMask m = Blank(110, 80);
  Fill(m, 10, 30, 60, 33);
  Fill(m, 60 + 2 * line, 10, 60 + 2 * line + 3, 60);
  int links = 0;
  const InkMask linked = LinkLineEnds(m, params, links);
  EXPECT_EQ(links, 1);
  for (int x = 60; x < 60 + 2 * line; ++x) EXPECT_TRUE(At(linked, x, 30 + 1) && (At(linked, x, 30) || At(linked, x, 32))) << x;
}

TEST(CloseGaps, BridgesBreaksUpToTwiceTheLineWidth) {
  for (int line : {2, 3, 4, 6}) {
    for (int gap = 1; gap <= 2 * line; ++gap) {
      const InkMask m = Rooms(line, gap);
      ASSERT_EQ(CountAreas(m), 2);
      int seams = 0;
      const InkMask closed = CloseGaps(m, 1.5 * line + 1, seams);
      EXPECT_EQ(CountAreas(closed), 3) << "line " << line << " gap " << gap;
      EXPECT_EQ(seams, 1) << "line " << line << " gap " << gap;
      // The bridge lies in the break: nothing else changed.
      const int mid = 45 - gap / 2;
      for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
          if (At(closed, x, y) != At(m, x, y)) {
            EXPECT_TRUE(x >= 60 && x < 60 + line && y >= mid && y < mid + gap) << x << "," << y;
          }
    }
  }
}

TEST(CloseGaps, KeepsApartShapesApartAndCorridorsOpen) {
  // Two boxes a few pixels apart, a dead-end corridor between close walls and a concave corner.
  InkMask m = Blank(120, 90);
  Frame(m, 10, 10, 40, 40, 3);
  Frame(m, 44, 10, 74, 40, 3);
  Fill(m, 10, 55, 100, 58);
  Fill(m, 10, 62, 100, 65);
  Fill(m, 97, 55, 100, 65);
  Fill(m, 80, 10, 83, 45);
  Fill(m, 80, 42, 110, 45);
  int seams = 0;
  const InkMask closed = CloseGaps(m, 1.5 * 3 + 1, seams);
  EXPECT_EQ(seams, 0);
  EXPECT_EQ(closed.ink, m.ink);
  EXPECT_EQ(CountAreas(closed), 3);
}

TEST(MergeSmallAreas, TooSmallOrTooNarrowBecomesInk) {
  InkMask m = Blank(100, 60);
  Frame(m, 0, 0, 100, 60, 2);
  Frame(m, 5, 5, 11, 11, 1);    // a 4 x 4 room: 16 pixels
  Frame(m, 20, 5, 30, 15, 1);   // an 8 x 8 room: kept
  Frame(m, 40, 5, 90, 9, 1);    // a 48 x 2 sliver: no 3 x 3 square
  Frame(m, 40, 20, 90, 25, 1);  // a 48 x 3 strip: kept
  const InkMask merged = MergeSmallAreas(m, 36, 3);
  EXPECT_EQ(At(merged, 7, 7), 1);
  EXPECT_EQ(At(merged, 25, 10), 0);
  EXPECT_EQ(At(merged, 60, 6), 1);
  EXPECT_EQ(At(merged, 60, 22), 0);
  EXPECT_EQ(CountAreas(merged), 3);
  EXPECT_EQ(CountAreas(m), 5);
}

TEST(CountAreas, FourConnectedAsTheFillSpreads) {
  struct Case {
    std::vector<std::string> rows;
    int areas;
  } cases[] = {
      {{"...", "...", "..."}, 1},
      {{"#..", ".#.", "..#"}, 2},  // a diagonal line is a wall
      {{".#.", "#.#", ".#."}, 5},
      {{"###", "###"}, 0},
      {{}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(CountAreas(Mask(c.rows)), c.areas);
}

// ---- The whole ---------------------------------------------------------------------------------------

TEST(PreparePage, EmptyOrMalformedPictureGivesEmptyMask) {
  PrepReport report;
  report.areas = 9;
  EXPECT_TRUE(PreparePage({}, report).ink.empty());
  EXPECT_EQ(report.areas, 0);
  EXPECT_TRUE(PreparePage({10, 10, std::vector<std::uint8_t>(50)}, report).ink.empty());
  EXPECT_TRUE(PreparePage({-3, 10, {}}, report).ink.empty());
}

TEST(PreparePage, TinyAndExtremePictures) {
  struct Case {
    int w, h, W, H;
  } cases[] = {{1, 1, 700, 700}, {3000, 2, 736, 1}, {2, 3000, 1, 700}};
  for (const Case& c : cases) {
    PrepReport report;
    const InkMask page = PreparePage({c.w, c.h, std::vector<std::uint8_t>(static_cast<size_t>(c.w) * c.h, 0)}, report);
    EXPECT_EQ(page.width, c.W);
    EXPECT_EQ(page.height, c.H);
    EXPECT_EQ(page.ink.size(), static_cast<size_t>(c.W) * c.H);
  }
}

TEST(PreparePage, LargeThinLinedDrawingKeepsItsAreas) {
  // 2 x 2 rooms drawn with 1-pixel lines at five times the page size, one wall broken.
  GreyImage g{3680, 2000, std::vector<std::uint8_t>(3680u * 2000u, 250)};
  auto ink = [&](int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) g.pixels[static_cast<size_t>(y) * 3680 + x] = 20;
  };
  ink(500, 300, 3200, 301);
  ink(500, 1700, 3200, 1701);
  ink(500, 1000, 3200, 1001);
  ink(500, 300, 501, 1701);
  ink(3199, 300, 3200, 1701);
  ink(1800, 300, 1801, 1701);
  for (int y = 1200; y < 1203; ++y) g.pixels[static_cast<size_t>(y) * 3680 + 1800] = 250;
  PrepReport report;
  const InkMask page = PreparePage(g, report);
  EXPECT_EQ(page.width, 736);
  EXPECT_EQ(page.height, 400);
  EXPECT_EQ(report.areas, 5);
  EXPECT_EQ(CountAreas(page), 5);
  EXPECT_GE(report.lineWidth, 2);
  for (auto v : page.ink) ASSERT_LE(v, 1);
}

}  // namespace
}  // namespace pintoola::pageprep
