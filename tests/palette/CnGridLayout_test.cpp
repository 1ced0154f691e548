#include "palette/CnGridLayout.h"

#include <gtest/gtest.h>

namespace pintoola {
namespace {

const TGridMetrics kPalette{7, 34, 15, 15, 1};

TEST(GridGeometry, CellRectanglesAndTheirLines) {
  EXPECT_EQ(CellRect(kPalette, 0, 0), Rect(0, 0, 15, 15));
  EXPECT_EQ(CellRect(kPalette, 6, 33), Rect(96, 528, 111, 543));
  EXPECT_EQ(GridWidth(kPalette), 115);
  EXPECT_EQ(GridHeight(kPalette), 547);
}

TEST(GridGeometry, HitTestingCountsTheTrailingLineAndStopsAfterTheLastCell) {
  struct Case {
    int pos, col, row;
  } cases[] = {{-1, -1, -1}, {0, 0, 0},    {14, 0, 0},    {15, 0, 0},   {16, 1, 1},
               {111, 6, 6},  {112, -1, 7}, {543, -1, 33}, {544, -1, -1}};
  for (const Case& k : cases) {
    EXPECT_EQ(ColumnAt(kPalette, k.pos), k.col) << k.pos;
    EXPECT_EQ(RowAt(kPalette, k.pos), k.row) << k.pos;
  }
}

TEST(GridGeometry, FullyVisibleCellsNeedOnlyTheirFill) {
  EXPECT_EQ(LastFullyVisibleCol(kPalette, 111), 6);
  EXPECT_EQ(LastFullyVisibleRow(kPalette, 543), 33);
  EXPECT_EQ(LastFullyVisibleCol(kPalette, 110), 5);
  EXPECT_EQ(LastFullyVisibleRow(kPalette, 100), 5);
  EXPECT_EQ(LastFullyVisibleRow(kPalette, 3), 0);
}

TEST(GridKeys, TargetsAreClampedToTheGrid) {
  using K = TGridKey;
  struct Case {
    TGridCoord from;
    K key;
    bool ctrl;
    TGridCoord to;
  } cases[] = {
      {{3, 5}, K::Left, false, {2, 5}},      {{0, 5}, K::Left, false, {0, 5}},
      {{3, 5}, K::Right, false, {4, 5}},     {{6, 5}, K::Right, false, {6, 5}},
      {{3, 5}, K::Up, false, {3, 4}},        {{3, 0}, K::Up, false, {3, 0}},
      {{3, 5}, K::Down, false, {3, 6}},      {{3, 33}, K::Down, false, {3, 33}},
      {{3, 0}, K::PageDown, false, {3, 33}}, {{3, 33}, K::PageUp, false, {3, 0}},
      {{3, 5}, K::PageDown, false, {3, 33}}, {{3, 5}, K::PageUp, false, {3, 0}},
      {{3, 5}, K::Home, false, {0, 5}},      {{3, 5}, K::End, false, {6, 5}},
      {{5, 5}, K::Left, true, {0, 5}},       {{6, 5}, K::Left, true, {0, 5}},
      {{0, 5}, K::Right, true, {6, 5}},      {{3, 5}, K::Up, true, {3, 5}},
      {{3, 5}, K::Down, true, {3, 5}},       {{3, 5}, K::PageUp, true, {3, 0}},
      {{3, 5}, K::PageDown, true, {3, 33}},  {{3, 5}, K::Home, true, {0, 0}},
      {{3, 5}, K::End, true, {6, 33}},
  };
  for (const Case& k : cases)
    EXPECT_EQ(KeyTarget(kPalette, k.from, k.key, k.ctrl, 6, 33), k.to)
        << k.from.Col << "," << k.from.Row << " key " << static_cast<int>(k.key) << " ctrl " << k.ctrl;

  // A view showing fewer rows pages by what it shows.
  EXPECT_EQ(KeyTarget(kPalette, {0, 2}, K::PageDown, false, 6, 9), (TGridCoord{0, 11}));
  EXPECT_EQ(KeyTarget(kPalette, {0, 2}, K::PageDown, true, 6, 9), (TGridCoord{0, 9}));
}

}  // namespace
}  // namespace pintoola
