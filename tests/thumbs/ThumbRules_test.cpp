// The pure rules of the thumbnail view and its tiles: masks, name order, cell sizes, grid slots,
// press targets and the placement of a picture inside its tile.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Collation.h"
#include "platform/FolderList.h"
#include "thumbs/JvThumbViews.h"
#include "thumbs/JvThumbnails.h"

namespace pintoola {
namespace {

TEST(FilterMasksTest, FieldsAlternateDescriptionAndMasks) {
  struct Case {
    std::string filter;
    std::vector<std::string> masks;
  } cases[] = {
      {"Bitmaps (*.bmp)|*.bmp", {"*.bmp"}},
      {"*.bmp", {"*.bmp"}},
      {"*.bmp;*.dib", {"*.bmp", "*.dib"}},
      {"A|B|C|D", {"B", "D"}},
      {"X|*.bmp|Y|*.bmp;*.dib", {"*.bmp", "*.bmp", "*.dib"}},
      {"X|;;*.a;;*.b;", {"*.a", "*.b"}},
      {"X|", {}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(FilterMasks(c.filter), c.masks) << c.filter;
}

TEST(MaskTest, WildcardsIgnoreLetterCase) {
  struct Case {
    const char* name;
    const char* mask;
    bool match;
  } cases[] = {
      {"a.bmp", "*.bmp", true},     {"B.BMP", "*.bmp", true}, {"a.jpg", "*.bmp", false},
      {"a.bmpx", "*.bmp", false},   {"abc", "a?c", true},     {"ac", "a?c", false},
      {"x.bmp.bmp", "*.bmp", true}, {"ÄB.bmp", "äb.*", true}, {"", "*", true},
      {"abc", "*b*", true},         {"abc", "*d*", false},    {"bmp", "*.bmp", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MatchesMask(QString::fromUtf8(c.name), QString::fromUtf8(c.mask)), c.match)
        << c.name << " " << c.mask;
}

TEST(NameOrderTest, LocaleOrderIgnoresLetterCase) {
  EXPECT_EQ(CompareText(QStringLiteral("a.bmp"), QStringLiteral("A.BMP")), 0);
  EXPECT_LT(CompareText(QStringLiteral("A.bmp"), QStringLiteral("b.bmp")), 0);
  EXPECT_GT(CompareText(QStringLiteral("c.bmp"), QStringLiteral("B.bmp")), 0);

  std::vector<std::string> names = {"/f/b.bmp", "/f/A.bmp", "/f/c.bmp", "/f/B2.bmp", "/f/a.bmp"};
  std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return CompareNames(a, b) < 0; });
  // Names equal but for case keep a fixed order, both listed.
  const std::vector<std::string> expected = {"/f/A.bmp", "/f/a.bmp", "/f/b.bmp", "/f/B2.bmp", "/f/c.bmp"};
  EXPECT_EQ(names, expected);
}

TEST(ThumbListTest, KeepsTitleOrderAndRefusesExactDuplicates) {
  QWidget parent;
  TJvThumbList list;
  auto make = [&] { return std::make_unique<TJvThumbnail>(&parent, nullptr); };
  EXPECT_EQ(list.AddThumb("c.bmp", make()), 0);
  EXPECT_EQ(list.AddThumb("A.bmp", make()), 0);
  EXPECT_EQ(list.AddThumb("b.bmp", make()), 1);
  EXPECT_EQ(list.AddThumb("b.bmp", make()), -1);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Title(0), "A.bmp");
  EXPECT_EQ(list.Title(1), "b.bmp");
  EXPECT_EQ(list.Title(2), "c.bmp");
  EXPECT_EQ(parent.children().size(), 3) << "the refused tile is destroyed";
  EXPECT_EQ(list.GetThumbnail(3), nullptr);
  list.Delete(0);
  EXPECT_EQ(list.Title(0), "b.bmp");
  EXPECT_EQ(parent.children().size(), 2);
}

TEST(CellSizeTest, ExtendedPrecisionTruncation) {
  struct Case {
    int max, percent, side;
  } cases[] = {{170, 100, 170}, {200, 100, 200}, {53, 100, 52}, {200, 50, 100}, {170, 33, 56}, {120, 0, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(ScaledCellSide(c.max, c.percent), c.side) << c.max << " at " << c.percent;
}

TEST(GridTest, NearSquareColumnsAndSlots) {
  struct Case {
    int count, columns, rows;
  } cases[] = {{0, 1, 0}, {1, 1, 1},  {2, 2, 1},  {3, 2, 2}, {4, 2, 2},
               {5, 3, 2}, {10, 4, 3}, {16, 4, 4}, {17, 5, 4}};
  for (const Case& c : cases) {
    EXPECT_EQ(GridColumns(c.count), c.columns) << c.count;
    if (c.count > 0) {
      const TPoint last = SlotPosition(c.count, c.columns, 170, 170, 4);
      EXPECT_EQ(last.Y, (c.rows - 1) * 170 + c.rows * 4) << c.count;
    }
  }
  // Pages dialog cells: a gap before the first column and between cells.
  const int lefts[] = {4, 178, 352, 526};
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(SlotPosition(n, 4, 170, 170, 4), (TPoint{lefts[n - 1], 4}));
  EXPECT_EQ(SlotPosition(10, 4, 170, 170, 4), (TPoint{178, 352}));
  EXPECT_EQ(SlotPosition(3, 2, 200, 200, 4), (TPoint{4, 208}));
  EXPECT_EQ(SlotPosition(0, 4, 170, 170, 4), (TPoint{0, 0}));
}

TEST(PressTargetTest, CellFromPointWithSixteenBitIndex) {
  struct Case {
    int x, y, h, v, expected;
  } cases[] = {
      {4, 4, 0, 0, 0},        // first pixel of the first tile
      {174, 4, 0, 0, 0},      // 174 / 174 is whole: still column 1 (the tile check rejects it)
      {175, 4, 0, 0, 1},      // the gap before tile 1 already counts as column 2
      {0, 0, 0, 0, -1},       // column 0 of row 1 wraps to 65535
      {0, 200, 0, 0, 3},      // column 0 of row 2: the last entry of row 1
      {5000, 4, 0, 0, 3},     // far right: limited to the last column
      {10, 10, 0, 400, 8},    // scrolled down: row 3
      {10, 10, 180, 0, 1},    // scrolled right
      {200, 1000, 0, 0, -1},  // below the last row: no such entry
  };
  for (const Case& c : cases)
    EXPECT_EQ(CandidateEntry(c.x, c.y, c.h, c.v, 170, 170, 4, 4, 10), c.expected) << c.x << "," << c.y;
}

struct LayoutCase {
  int tileW, tileH, picW, picH;
  TTitlePos placement;
  int percent;
  TRect picture;
};

TEST(LayoutPictureTest, ExactRectanglesAndShadow) {
  const LayoutCase cases[] = {
      {170, 170, 800, 600, tpNone, 20, Bounds(5, 25, 160, 120)},
      {200, 200, 800, 600, tpUp, 24, Bounds(4, 35, 192, 144)},
      {170, 170, 1600, 1200, tpNone, 10, Bounds(5, 25, 160, 120)},
      {200, 200, 1600, 1200, tpUp, 12, Bounds(4, 35, 192, 144)},
      {170, 170, 100, 80, tpNone, 100, Bounds(35, 45, 100, 80)},
      {170, 170, 53, 40, tpNone, 100, Bounds(59, 65, 52, 40)},
      {170, 170, 100, 2000, tpNone, 7, Bounds(81, 15, 7, 140)},
      {200, 200, 100, 80, tpDown, 100, Bounds(50, 53, 100, 80)},
      {170, 170, 0, 0, tpNone, 100, Bounds(85, 85, 0, 0)},
      {200, 200, 0, 0, tpUp, 100, Bounds(100, 107, 0, 0)},
  };
  for (const LayoutCase& c : cases) {
    const PictureLayout L = LayoutPicture(c.tileW, c.tileH, c.picW, c.picH, c.placement);
    EXPECT_EQ(L.percent, c.percent) << c.picW << "x" << c.picH;
    EXPECT_EQ(L.picture, c.picture) << c.picW << "x" << c.picH << " in " << c.tileW;
    EXPECT_EQ(L.shadow, c.picture.Offset(3, 3));
  }
  const PictureLayout pages = LayoutPicture(170, 170, 800, 600, tpNone);
  EXPECT_EQ(pages.clientWidth, 162);
  EXPECT_EQ(pages.clientHeight, 147);
  const PictureLayout projects = LayoutPicture(200, 200, 800, 600, tpUp);
  EXPECT_EQ(projects.clientWidth, 192);
  EXPECT_EQ(projects.clientHeight, 177);
}

}  // namespace
}  // namespace pintoola
