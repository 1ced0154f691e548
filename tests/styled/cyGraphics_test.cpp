#include "styled/cyGraphics.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "StyledTestUtil.h"

namespace pintoola {
namespace {

using testing::kAquaToBlueGreen;
using testing::Paint;
using testing::Pixel;

// ---- colours ----------------------------------------------------------------------------------

TEST(ShiftBrightness, AddsScaledPercentToEveryChannelClamped) {
  const struct {
    TColor color;
    int percent;
    TColor expected;
  } cases[] = {
      {clYellow, 40, 0x66FFFF},   // blue 0 + 102
      {clOrange, -20, 0x004DCC},  // 255-51, 128-51, 0 clamped
      {clYellow, -20, 0x00CCCC}, {0x004DCC, -20, 0x001A99}, {clYellow, 30, 0x4DFFFF},  // +77
      {clOrange, 30, 0x4DCDFF},  {clBlue, -20, 0xCC0000},   {clAqua, 40, 0xFFFF66},
      {0x00CCCC, 40, 0x66FFFF},   // red 204 + 102 clamps at 255
      {clBtnFace, 20, 0xFFFFFF},  // a system colour is resolved first (0xF0 + 51 clamps)
      {clBlack, -40, clBlack},   {0x808080, 0, 0x808080},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShiftBrightness(c.color, c.percent), c.expected)
        << std::hex << c.color << " " << std::dec << c.percent;
}

TEST(HalfwayColor, TruncatedChannelMeanOrTheSameValue) {
  const struct {
    TColor a, b, expected;
  } cases[] = {
      {clYellow, clOrange, 0x00BFFF},  // green (255 + 128) div 2 = 191
      {0x66FFFF, 0x00BFFF, 0x33DFFF}, {0x66FFFF, 0x33DFFF, 0x4CEFFF},
      {0x00BFFF, 0x33DFFF, 0x19CFFF}, {clAqua, clBlue, 0xFF7F00},
      {0xCCCC00, 0xCC0000, 0xCC6600}, {clBtnFace, clBtnFace, clBtnFace},  // stays a system colour
      {clBtnFace, clBlack, 0x787878},                                     // resolved when the two differ
  };
  for (const auto& c : cases) EXPECT_EQ(HalfwayColor(c.a, c.b), c.expected) << std::hex << c.a << " " << c.b;
}

// ---- linear bands -----------------------------------------------------------------------------

TEST(LinearBands, FiftyFivePixelPanelHasOneRowPerBand) {
  const TGradientPlan plan = LinearBands(Rect(0, 0, 1120, 55), clAqua, clBlue, 255, baTopToBottom);
  ASSERT_EQ(plan.size(), 55u);
  for (int r = 0; r < 55; ++r) {
    const TGradientStep& band = plan[static_cast<size_t>(r)];
    EXPECT_EQ(band.rect, Rect(0, r, 1120, r + 1));
    EXPECT_EQ(band.color, RGB(0, kAquaToBlueGreen[r], 255)) << r;
  }
  EXPECT_EQ(GetGValue(plan.front().color), 250);
  EXPECT_EQ(plan.back().color, clBlue);
}

TEST(LinearBands, MoreRowsThanBandsSpreadsThemByMulDiv) {
  const TGradientPlan plan = LinearBands(Rect(0, 0, 10, 300), clBlack, clWhite, 255, baTopToBottom);
  ASSERT_EQ(plan.size(), 255u);
  // Band k ends at row 300 × k ÷ 255 = 20k ÷ 17 rounded: 17 bands take 20 rows, then the same again.
  const int firstSeventeen[17] = {1, 2, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 18, 19, 20};
  int one = 0, two = 0;
  for (int k = 1; k <= 255; ++k) {
    const TRect& r = plan[static_cast<size_t>(k - 1)].rect;
    EXPECT_EQ(r.Bottom, firstSeventeen[(k - 1) % 17] + 20 * ((k - 1) / 17)) << k;
    if (r.Height() == 1) ++one;
    if (r.Height() == 2) ++two;
  }
  EXPECT_EQ(one, 210);
  EXPECT_EQ(two, 45);
  EXPECT_EQ(plan.back().rect.Bottom, 300);
  EXPECT_EQ(plan.back().color, clWhite);
}

TEST(LinearBands, AxesStartEdgesAndEmptyExtents) {
  const struct {
    TRect rect;
    int count;
    TBandAxis axis;
    size_t bands;
    TRect first, last;
  } cases[] = {
      {Rect(10, 20, 14, 30), 255, baLeftToRight, 4, Rect(10, 20, 11, 30), Rect(13, 20, 14, 30)},
      {Rect(10, 20, 14, 30), 255, baTopToBottom, 10, Rect(10, 20, 14, 21), Rect(10, 29, 14, 30)},
      {Rect(0, 0, 100, 10), 2, baLeftToRight, 2, Rect(0, 0, 50, 10), Rect(50, 0, 100, 10)},
      {Rect(0, 0, 100, 0), 255, baTopToBottom, 0, {}, {}},
      {Rect(0, 0, 0, 100), 255, baLeftToRight, 0, {}, {}},
      {Rect(0, 0, 10, 10), 0, baTopToBottom, 0, {}, {}},
  };
  for (const auto& c : cases) {
    const TGradientPlan plan = LinearBands(c.rect, clRed, clBlue, c.count, c.axis);
    ASSERT_EQ(plan.size(), c.bands);
    if (c.bands == 0) continue;
    EXPECT_EQ(plan.front().rect, c.first);
    EXPECT_EQ(plan.back().rect, c.last);
    EXPECT_EQ(plan.back().color, clBlue);
  }
}

TEST(LinearBands, EqualColoursGiveBandsOfThatColour) {
  for (const TGradientStep& s : LinearBands(Rect(0, 0, 5, 40), clNavy, clNavy, 255, baTopToBottom))
    EXPECT_EQ(s.color, clNavy);
}

// ---- the whole gradient -----------------------------------------------------------------------

TColor ColorAtRow(const TGradientPlan& plan, int y) {
  TColor c = clNone;
  for (const TGradientStep& s : plan)
    if (y >= s.rect.Top && y < s.rect.Bottom) c = s.color;
  return c;
}

TEST(GradientSteps, ToolbarButtonSplitsWithAStepInTheMiddle) {
  const TGradientPlan plan =
      GradientSteps(Rect(0, 0, 75, 47), clYellow, clOrange, dgdVertical, 50, bmNormal, 255, 90);
  ASSERT_EQ(plan.size(), 47u);                // 24 + 23 one-row bands
  EXPECT_EQ(ColorAtRow(plan, 23), 0x00CCFF);  // M1, end of part 1
  EXPECT_EQ(ColorAtRow(plan, 24), 0x00B1FF);  // one step past M2 (0x00B3FF)
  EXPECT_EQ(ColorAtRow(plan, 46), clOrange);
  EXPECT_EQ(ColorAtRow(plan, 0), RGB(255, 253, 0));  // 255 − 51 ÷ 24
}

TEST(GradientSteps, BalanceModesColourTheTwoParts) {
  // Two-row rectangle, two bands: each part is one row whose colour is that part's end colour.
  // With speed 90: M1 = 0x00CCFF, M2 = 0x00B3FF for yellow → orange.
  const struct {
    TDgradBalanceMode mode;
    TColor part1End, part2End;
  } cases[] = {
      {bmNormal, 0x00CCFF, clOrange},        {bmMirror, clOrange, clYellow},
      {bmReverse, 0x00CCFF, 0x00B3FF},       {bmReverseFromColor, 0x00CCFF, clYellow},
      {bmInvertReverse, clOrange, clYellow}, {bmInvertReverseFromColor, clOrange, clYellow},
  };
  for (const auto& c : cases) {
    const TGradientPlan plan =
        GradientSteps(Rect(0, 0, 4, 2), clYellow, clOrange, dgdVertical, 50, c.mode, 2, 90);
    ASSERT_EQ(plan.size(), 2u) << int(c.mode);
    EXPECT_EQ(plan[0].color, c.part1End) << int(c.mode);
    EXPECT_EQ(plan[1].color, c.part2End) << int(c.mode);
  }
  // The start colours show with more rows: part 2 of bmReverse starts one step from ToColor.
  const TGradientPlan reverse =
      GradientSteps(Rect(0, 0, 1, 200), clYellow, clOrange, dgdVertical, 50, bmReverse, 255, 90);
  EXPECT_EQ(ColorAtRow(reverse, 100), RGB(255, 129, 0));  // 128 + 51 ÷ 100
  const TGradientPlan invert =
      GradientSteps(Rect(0, 0, 1, 200), clYellow, clOrange, dgdVertical, 50, bmInvertReverse, 255, 90);
  EXPECT_EQ(ColorAtRow(invert, 0), RGB(255, 178, 0));  // 179 − 51 ÷ 100
}

TEST(GradientSteps, HotFaceEndsInTheFromColour) {
  const TGradientPlan plan =
      GradientSteps(Rect(0, 0, 75, 47), clYellow, clOrange, dgdVertical, 50, bmReverseFromColor, 255, 90);
  EXPECT_EQ(ColorAtRow(plan, 24), RGB(255, 134, 0));  // 128 + 127 ÷ 23
  EXPECT_EQ(ColorAtRow(plan, 46), clYellow);
}

TEST(GradientSteps, SpeedPercentMovesTheMiddleColours) {
  const struct {
    int speed;
    TColor m1, m2;
  } cases[] = {
      {100, RGB(255, 191, 0), RGB(255, 192, 0)},  // both at the midpoint, to within one
      {50, clYellow, clOrange},                   // the end colours
      {0, RGB(255, (255 + 64) & 0xFF, 0), RGB(255, (128 - 64) & 0xFF, 0)},  // past the ends, wrapped
  };
  for (const auto& c : cases) {
    // Balance 49 forces the split pass also at speed 100; a two-row rectangle shows M1 on row 0 and
    // the last band of part 2 (the end colour) on row 1, so M2 is read from a bmReverse plan.
    const TGradientPlan normal =
        GradientSteps(Rect(0, 0, 1, 2), clYellow, clOrange, dgdVertical, 49, bmNormal, 2, c.speed);
    const TGradientPlan reverse =
        GradientSteps(Rect(0, 0, 1, 2), clYellow, clOrange, dgdVertical, 49, bmReverse, 2, c.speed);
    EXPECT_EQ(ColorAtRow(normal, 0), c.m1) << c.speed;
    EXPECT_EQ(ColorAtRow(reverse, 1), c.m2) << c.speed;
  }
}

TEST(GradientSteps, BalanceZeroGivesEverythingToPartTwo) {
  const TGradientPlan plan =
      GradientSteps(Rect(0, 0, 3, 10), clBlack, clWhite, dgdVertical, 0, bmNormal, 255, 100);
  ASSERT_EQ(plan.size(), 10u);
  EXPECT_EQ(plan.front().rect, Rect(0, 0, 3, 1));
  EXPECT_EQ(plan.back().color, clWhite);
}

TEST(GradientSteps, AngleIsPaintedLikeVerticalAndHorizontalRunsAcross) {
  const TRect r = Rect(0, 0, 30, 20);
  EXPECT_EQ(GradientSteps(r, clRed, clBlue, dgdAngle, 50, bmNormal, 255, 100),
            GradientSteps(r, clRed, clBlue, dgdVertical, 50, bmNormal, 255, 100));
  EXPECT_EQ(GradientSteps(r, clRed, clBlue, dgdAngle, 30, bmMirror, 255, 70),
            GradientSteps(r, clRed, clBlue, dgdVertical, 30, bmMirror, 255, 70));
  const TGradientPlan across = GradientSteps(r, clRed, clBlue, dgdHorizontal, 50, bmNormal, 255, 100);
  ASSERT_EQ(across.size(), 30u);
  EXPECT_EQ(across.back().rect, Rect(29, 0, 30, 20));
  const TGradientPlan split = GradientSteps(r, clRed, clBlue, dgdHorizontal, 20, bmNormal, 255, 100);
  EXPECT_EQ(split[5].rect, Rect(5, 0, 6, 20));  // part 1 is columns 0…5, 20 % of 30
  EXPECT_EQ(split[5].color, RGB(127, 0, 128));  // M1 at speed 100
  EXPECT_EQ(split[6].rect.Left, 6);
}

TEST(GradientSteps, ConcentricFormsFillThenShrinkToTheCentre) {
  const TRect r = Rect(0, 0, 21, 11);
  // Radial: the rectangle first, then ellipses from a square around the centre to the 1 × 1 centre.
  const TGradientPlan radial = GradientSteps(r, clWhite, clBlack, dgdRadial, 50, bmNormal, 255, 100);
  ASSERT_GE(radial.size(), 3u);
  EXPECT_EQ(radial[0], (TGradientStep{r, clWhite, false}));
  EXPECT_EQ(radial[1], (TGradientStep{Rect(0, -5, 21, 16), clWhite, true}));
  EXPECT_EQ(radial.back(), (TGradientStep{Rect(10, 5, 11, 6), clBlack, false}));  // one pixel: a rectangle
  EXPECT_EQ(radial.size(), 1u + 11u);                                             // steps = max(10, 10) + 1
  // Rectangle: the same from the rectangle itself.
  const TGradientPlan rect = GradientSteps(r, clWhite, clBlack, dgdRectangle, 50, bmNormal, 255, 100);
  EXPECT_EQ(rect[1], (TGradientStep{r, clWhite, false}));
  EXPECT_EQ(rect[2].rect, Rect(1, 0, 20, 11));  // one of 11 steps in: 10 ÷ 11 and 5 ÷ 11 rounded
  EXPECT_EQ(rect.back().rect, Rect(10, 5, 11, 6));
}

TEST(GradientSteps, ConcentricSplitMeetsAtTheBalanceShape) {
  // O = (0,0,20,20), C = (10,10,10,10); balance 25 puts G 2.5 → 2 (halves to even) pixels in.
  // Part 1 ends on G in M1, part 2 starts on G in ToColor.
  const TGradientPlan plan =
      GradientSteps(Rect(0, 0, 20, 20), clWhite, clBlack, dgdRectangle, 25, bmReverseFromColor, 255, 100);
  auto has = [&](const TGradientStep& step) {
    return std::find(plan.begin(), plan.end(), step) != plan.end();
  };
  EXPECT_TRUE(has({Rect(2, 2, 18, 18), 0x7F7F7F, false}));
  EXPECT_TRUE(has({Rect(2, 2, 18, 18), clBlack, false}));
  EXPECT_EQ(plan.back(), (TGradientStep{Rect(10, 10, 10, 10), clWhite, false}));
}

TEST(GradientSteps, MeetingShapeRoundsTheWholeEdgeHalvesToEven) {
  // Each edge of G is O + balance% of the way to C, the sum rounded: from an odd edge a half step
  // lands on the even neighbour, not wherever rounding the inset alone would put it.
  const struct {
    TDgradOrientation orientation;
    TRect rect;
    int balance;
    TRect meeting;
  } cases[] = {
      {dgdRectangle, Rect(0, 0, 20, 20), 25, Rect(2, 2, 18, 18)},  // even edges: 2.5 → 2, 17.5 → 18
      {dgdRectangle, Rect(1, 1, 22, 22), 25, Rect(4, 4, 20, 20)},  // 3.5 → 4, 19.5 → 20
      {dgdRectangle, Rect(1, 1, 22, 22), 75, Rect(8, 8, 14, 14)},  // 8.5 → 8, 14.5 → 14
      // O = (0, -5, 21, 16) around C = (10, 5, 11, 6): -2.5 → -2, 18.5 → 18, 13.5 → 14.
      {dgdRadial, Rect(0, 0, 21, 11), 25, Rect(2, -2, 18, 14)},
  };
  for (const auto& c : cases) {
    const TGradientPlan plan =
        GradientSteps(c.rect, clWhite, clBlack, c.orientation, c.balance, bmReverseFromColor, 255, 100);
    // Part 2 starts on G in ToColor; no other step is black.
    const auto start = std::find_if(plan.begin(), plan.end(),
                                    [](const TGradientStep& s) { return s.color == clBlack; });
    ASSERT_NE(start, plan.end()) << int(c.orientation) << " " << c.balance;
    EXPECT_EQ(start->rect, c.meeting) << int(c.orientation) << " " << c.balance;
    ASSERT_NE(start, plan.begin());
    EXPECT_EQ(std::prev(start)->rect, c.meeting) << "part 1 ends on G";
  }
}

TEST(ConcentricBands, StepsAndColours) {
  const TGradientPlan plan =
      ConcentricBands(Rect(0, 0, 10, 10), clBlack, shRectangle, Rect(4, 4, 6, 6), 255, clWhite);
  // dx = dy = 4: five steps.
  ASSERT_EQ(plan.size(), 5u);
  EXPECT_EQ(plan[0], (TGradientStep{Rect(0, 0, 10, 10), clBlack, false}));
  EXPECT_EQ(plan[1], (TGradientStep{Rect(1, 1, 9, 9), RGB(51, 51, 51), false}));
  EXPECT_EQ(plan[4], (TGradientStep{Rect(4, 4, 6, 6), clWhite, false}));
  EXPECT_EQ(ConcentricBands(Rect(0, 0, 10, 10), clBlack, shEllipse, Rect(4, 4, 6, 6), 2, clWhite).size(), 2u);
  EXPECT_TRUE(ConcentricBands(Rect(0, 0, 10, 10), clBlack, shEllipse, Rect(4, 4, 6, 6), 0, clWhite).empty());
  EXPECT_TRUE(
      ConcentricBands(Rect(0, 0, 10, 10), clBlack, shEllipse, Rect(4, 4, 6, 6), 255, clWhite)[1].ellipse);
}

TEST(PaintGradient, PaintsThePlanOntoTheSurface) {
  const QImage image = Paint(6, 55, [](DrawSurface& s) {
    PaintGradient(s, Rect(0, 0, 6, 55), clAqua, clBlue, dgdVertical, 50, bmNormal, 255, 100);
  });
  for (int r : {0, 27, 54}) EXPECT_EQ(Pixel(image, 3, r), RGB(0, kAquaToBlueGreen[r], 255));
}

// ---- rings ------------------------------------------------------------------------------------

TEST(BevelFrame, RaisedRingColoursAndCutCorners) {
  TRect r = Rect(0, 0, 8, 6);
  const QImage plain = Paint(8, 6, [&](DrawSurface& s) {
    PaintBevelFrame(s, r, clWhite, clBlack, 1, true, true, true, true, false);
  });
  EXPECT_EQ(r, Rect(1, 1, 7, 5));
  EXPECT_EQ(Pixel(plain, 0, 0), clWhite);
  EXPECT_EQ(Pixel(plain, 7, 0), clBlack);
  EXPECT_EQ(Pixel(plain, 0, 5), clBlack);
  EXPECT_EQ(Pixel(plain, 7, 5), clBlack);
  EXPECT_EQ(Pixel(plain, 3, 0), clWhite);
  EXPECT_EQ(Pixel(plain, 0, 3), clWhite);
  EXPECT_EQ(Pixel(plain, 7, 3), clBlack);
  EXPECT_EQ(Pixel(plain, 3, 5), clBlack);
  EXPECT_EQ(Pixel(plain, 3, 3), testing::kSentinel);

  TRect two = Rect(0, 0, 8, 6);
  const QImage cut = Paint(8, 6, [&](DrawSurface& s) {
    PaintBevelFrame(s, two, clWhite, clBlack, 2, true, true, true, true, true);
  });
  EXPECT_EQ(two, Rect(2, 2, 6, 4));
  for (auto [x, y] : {std::pair{0, 0}, {7, 0}, {0, 5}, {7, 5}})
    EXPECT_EQ(Pixel(cut, x, y), testing::kSentinel);
  // Only the outermost frame cuts: the second one keeps its corners.
  EXPECT_EQ(Pixel(cut, 1, 1), clWhite);
  EXPECT_EQ(Pixel(cut, 6, 1), clBlack);
  EXPECT_EQ(Pixel(cut, 1, 4), clBlack);
}

TEST(BevelFrame, SidesCanBeLeftOut) {
  TRect r = Rect(0, 0, 5, 5);
  const QImage image = Paint(5, 5, [&](DrawSurface& s) {
    PaintBevelFrame(s, r, clWhite, clBlack, 1, false, true, false, false, false);
  });
  EXPECT_EQ(Pixel(image, 0, 2), testing::kSentinel);
  EXPECT_EQ(Pixel(image, 4, 2), testing::kSentinel);
  EXPECT_EQ(Pixel(image, 2, 4), testing::kSentinel);
  EXPECT_EQ(Pixel(image, 2, 0), clWhite);
  EXPECT_EQ(r, Rect(1, 1, 4, 4));  // shrinks whatever was drawn
}

TEST(ButtonFrame, RingWithoutCorners) {
  const TLinePlan lines = ButtonFrameLines(Rect(0, 0, 75, 47), 1, 2);
  const TLinePlan expected = {
      {{0, 45}, {0, 0}, 1}, {{1, 0}, {74, 0}, 1}, {{74, 1}, {74, 46}, 2}, {{73, 46}, {0, 46}, 2}};
  EXPECT_EQ(lines, expected);
  TRect r = Rect(0, 0, 6, 6);
  const QImage image = Paint(6, 6, [&](DrawSurface& s) { PaintButtonFrame(s, r, clWhite, clBlack); });
  EXPECT_EQ(r, Rect(1, 1, 5, 5));
  for (auto [x, y] : {std::pair{0, 0}, {5, 0}, {0, 5}, {5, 5}})
    EXPECT_EQ(Pixel(image, x, y), testing::kSentinel);
  EXPECT_EQ(Pixel(image, 0, 1), clWhite);
  EXPECT_EQ(Pixel(image, 4, 0), clWhite);
  EXPECT_EQ(Pixel(image, 5, 1), clBlack);
  EXPECT_EQ(Pixel(image, 1, 5), clBlack);
}

TEST(GlossFrame, SidesRunThroughFiveBands) {
  // The toolbar button's inner ring: (1, 1, 74, 46), h = 45: cuts at rows 8, 16, 31, 39.
  TRect r = Rect(1, 1, 74, 46);
  const QImage image = Paint(75, 47, [&](DrawSurface& s) { PaintGlossFrame(s, r, 0x66FFFF, 0x00BFFF); });
  EXPECT_EQ(r, Rect(2, 2, 73, 45));
  const TColor l = 0x66FFFF, m = 0x00BFFF, c1 = 0x33DFFF, c2 = 0x4CEFFF, c3 = 0x19CFFF;
  const struct {
    int x, y;
    TColor expected;
  } cases[] = {
      {1, 1, l},
      {40, 1, l},
      {73, 1, l},
      {1, 8, l},
      {1, 9, c2},
      {1, 16, c2},
      {1, 17, c1},
      {1, 31, c1},
      {1, 32, c3},
      {1, 39, c3},
      {1, 40, m},
      {1, 45, m},
      {40, 45, m},
      {73, 45, m},
      {73, 7, l},
      {73, 8, c2},
      {73, 15, c2},
      {73, 16, c1},
      {73, 30, c1},
      {73, 31, c3},
      {73, 38, c3},
      {73, 39, m},
      {40, 20, testing::kSentinel},
  };
  for (const auto& c : cases) EXPECT_EQ(Pixel(image, c.x, c.y), c.expected) << c.x << "," << c.y;
}

// ---- text -------------------------------------------------------------------------------------

TEST(ComposeTextFormat, AlignmentLayoutAndWrap) {
  const struct {
    TAlignment a;
    TTextLayout l;
    bool wrap;
    unsigned expected;
  } cases[] = {
      {taLeftJustify, tlTop, false, 0x20},   {taRightJustify, tlTop, false, 0x22},
      {taCenter, tlCenter, false, 0x25},     {taCenter, tlBottom, true, 0x19},
      {taLeftJustify, tlCenter, true, 0x14},
  };
  for (const auto& c : cases) EXPECT_EQ(ComposeTextFormat(c.a, c.l, c.wrap), c.expected);
}

TEST(DrawCaptionText, WrappedTextIsCentredByMeasuring) {
  QImage image(200, 100, QImage::Format_RGB32);
  QPainter painter(&image);
  DrawSurface s(painter);
  const QString text = QStringLiteral("one two");
  TRect measured = Rect(0, 0, 200, 40);
  s.DrawText(text, measured, DT_WORDBREAK | DT_CALCRECT);
  const int h = measured.Height();
  const struct {
    unsigned flags;
    int expectedTop;
  } cases[] = {
      {DT_WORDBREAK | DT_VCENTER | DT_CALCRECT, (40 - h) / 2},
      {DT_WORDBREAK | DT_BOTTOM | DT_CALCRECT, 40 - h},
      {DT_WORDBREAK | DT_TOP | DT_CALCRECT, 0},
  };
  for (const auto& c : cases) {
    TRect r = Rect(0, 0, 200, 40);
    DrawCaptionText(s, text, r, c.flags);
    EXPECT_EQ(r.Top, c.expectedTop) << c.flags;
    EXPECT_EQ(r.Height(), h);
  }
}

TEST(CreateRotatedFont, EscapementPerOrientation) {
  const TFontSpec font;
  const std::pair<TCaptionOrientation, int> cases[] = {
      {coHorizontal, 0}, {coHorizontalReversed, 1800}, {coVertical, 900}, {coVerticalReversed, 2700}};
  for (auto [o, e] : cases) {
    const TFontSpec turned = CreateRotatedFont(font, o);
    EXPECT_EQ(turned.escapement, e);
    EXPECT_EQ(turned.name, font.name);
    EXPECT_EQ(turned.height, font.height);
  }
}

TEST(RotatedTextOrigin, TablePerOrientation) {
  const TRect r = Rect(10, 20, 110, 80);  // width 100, height 60, centre (60, 50)
  const int w = 30, h = 12;
  const struct {
    TCaptionOrientation o;
    TAlignment a;
    TTextLayout l;
    TPoint expected;
  } cases[] = {
      {coHorizontalReversed, taLeftJustify, tlTop, {40, 32}},
      {coHorizontalReversed, taRightJustify, tlCenter, {110, 56}},
      {coHorizontalReversed, taCenter, tlBottom, {75, 80}},
      {coVertical, taLeftJustify, tlTop, {10, 50}},
      {coVertical, taRightJustify, tlCenter, {98, 65}},
      {coVertical, taCenter, tlBottom, {54, 80}},
      {coVerticalReversed, taLeftJustify, tlTop, {22, 20}},
      {coVerticalReversed, taRightJustify, tlCenter, {110, 35}},
      {coVerticalReversed, taCenter, tlBottom, {66, 50}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RotatedTextOrigin(r, w, h, c.l, c.a, c.o), c.expected)
        << int(c.o) << " " << int(c.a) << " " << int(c.l);
}

// ---- background picture -----------------------------------------------------------------------

TEST(BackgroundPicturePlan, MosaicCoversTheRectangle) {
  const TBgPicturePlan plan =
      BackgroundPicturePlan(Rect(0, 0, 75, 16), 16, 16, bgMosaic, bgTopLeft, 0, 0, 2, 0, 1, 1);
  ASSERT_EQ(plan.copies.size(), 5u);  // ceiling(77 / 18)
  EXPECT_FALSE(plan.stretch);
  EXPECT_EQ(plan.copies[4], Bounds(72, 0, 16, 16));
}

TEST(BackgroundPicturePlan, NormalBlockAnchoredByPosition) {
  const TRect r = Rect(0, 0, 100, 50);  // centre (50, 25); block 2 × 1 copies of 10 × 8 with gap 4: 24 × 8
  const struct {
    TBgPosition p;
    TPoint first;
  } cases[] = {
      {bgCentered, {38, 21}},     {bgTopLeft, {3, 2}},       {bgTopCenter, {38, 2}},
      {bgTopRight, {73, 2}},      {bgCenterRight, {73, 21}}, {bgBottomRight, {73, 40}},
      {bgBottomCenter, {38, 40}}, {bgBottomLeft, {3, 40}},   {bgCenterLeft, {3, 21}},
  };
  for (const auto& c : cases) {
    const TBgPicturePlan plan = BackgroundPicturePlan(r, 10, 8, bgNormal, c.p, 3, 2, 4, 0, 2, 1);
    ASSERT_EQ(plan.copies.size(), 2u);
    EXPECT_EQ((TPoint{plan.copies[0].Left, plan.copies[0].Top}), c.first) << int(c.p);
    EXPECT_EQ(plan.copies[1].Left, plan.copies[0].Left + 14);
  }
  EXPECT_TRUE(BackgroundPicturePlan(r, 10, 8, bgNormal, bgTopLeft, 0, 0, 0, 0, 0, 1).copies.empty());
}

TEST(BackgroundPicturePlan, StretchProportionalKeepsTheAspect) {
  const struct {
    TBgPosition p;
    TRect expected;
  } cases[] = {
      {bgTopLeft, Rect(5, 0, 110, 52)},  // a 2:1 picture in 105 × 80 after the indent: full width, 52 high
      {bgBottomLeft, Rect(5, 28, 110, 80)},
      {bgCenterLeft, Rect(5, 14, 110, 66)},
      {bgCentered, Rect(0, 12, 110, 67)},  // no indents: 110 × 80, height 55
  };
  for (const auto& c : cases) {
    const TBgPicturePlan plan =
        BackgroundPicturePlan(Rect(0, 0, 110, 80), 40, 20, bgStretchProportional, c.p, 5, 0, 0, 0, 1, 1);
    ASSERT_EQ(plan.copies.size(), 1u);
    EXPECT_TRUE(plan.stretch);
    EXPECT_EQ(plan.copies[0], c.expected) << int(c.p);
  }
  // A tall picture takes the full height and sits at the right for the right positions.
  const TBgPicturePlan tall =
      BackgroundPicturePlan(Rect(0, 0, 100, 50), 10, 50, bgStretchProportional, bgTopRight, 0, 0, 0, 0, 1, 1);
  EXPECT_EQ(tall.copies[0], Rect(90, 0, 100, 50));
}

TEST(BackgroundPicturePlan, NothingToDraw) {
  EXPECT_TRUE(
      BackgroundPicturePlan(Rect(0, 0, 10, 10), 4, 4, bgNone, bgTopLeft, 0, 0, 0, 0, 1, 1).copies.empty());
  EXPECT_TRUE(
      BackgroundPicturePlan(Rect(0, 0, 10, 10), 0, 0, bgMosaic, bgTopLeft, 0, 0, 0, 0, 1, 1).copies.empty());
  EXPECT_TRUE(
      BackgroundPicturePlan(Rect(0, 0, 0, 10), 4, 4, bgStretch, bgTopLeft, 0, 0, 0, 0, 1, 1).copies.empty());
  // A negative interval as wide as the picture would never advance.
  EXPECT_TRUE(
      BackgroundPicturePlan(Rect(0, 0, 10, 10), 4, 4, bgMosaic, bgTopLeft, 0, 0, -4, 0, 1, 1).copies.empty());
}

TEST(PaintBackgroundPicture, TransparentLeavesTheKeyColourOut) {
  QImage tile(2, 2, QImage::Format_RGB32);
  tile.fill(ToQColor(clOlive));
  tile.setPixelColor(0, 0, ToQColor(clRed));
  for (bool transparent : {false, true}) {
    const QImage image = Paint(4, 4, [&](DrawSurface& s) {
      PaintBackgroundPicture(s, Rect(0, 0, 4, 4), tile, transparent, bgMosaic, bgTopLeft, 0, 0, 0, 0, 1, 1);
    });
    EXPECT_EQ(Pixel(image, 2, 2), clRed);
    EXPECT_EQ(Pixel(image, 3, 3), transparent ? testing::kSentinel : clOlive);
  }
}

}  // namespace
}  // namespace pintoola
