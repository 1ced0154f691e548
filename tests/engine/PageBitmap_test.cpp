#include <gtest/gtest.h>

#include "core/Errors.h"
#include "engine/PageBitmap.h"
#include "tests/engine/BmpTestUtil.h"

namespace pintoola {
namespace {

using test::BmpLayout;
using test::MakeBmp;
using test::MakeTable;
using test::ScratchDir;
using test::WriteBytes;

TEST(PageBitmapTest, NewPageIsEmptyWithDefaultDrawingState) {
  PageBitmap page;
  EXPECT_TRUE(page.Empty());
  EXPECT_EQ(page.Width(), 0);
  EXPECT_EQ(page.Height(), 0);
  EXPECT_EQ(page.HolderCount(), 0);
  EXPECT_EQ(page.Canvas().brushColor, clWhite);
  EXPECT_EQ(page.Canvas().brushStyle, bsSolid);
}

TEST(PageBitmapTest, StrideIsRoundedToFourBytes) {
  const struct {
    int width, depth, stride;
  } cases[] = {{1, 24, 4}, {4, 24, 12}, {5, 24, 16}, {1, 1, 4}, {33, 1, 8}, {9, 4, 8}, {5, 8, 8}, {3, 16, 8}, {3, 32, 12}};
  for (const auto& c : cases) EXPECT_EQ(BitmapImage::StrideFor(c.width, c.depth), c.stride) << c.width << "x" << c.depth;
  for (const auto& c : cases) {
    if (c.depth != 24) continue;
    PageBitmap page;
    page.SetSize(c.width, 2);
    EXPECT_EQ(page.Stride(), c.stride);
    EXPECT_EQ(page.ConstScanLine(0) - page.ConstScanLine(1), c.stride);
  }
}

TEST(PageBitmapTest, ScanLineOutsideTheRowsFails) {
  PageBitmap page;
  page.SetSize(3, 2);
  PageWriter writer(page);
  for (int row : {-1, 2, 1000}) {
    try {
      writer.ScanLine(row);
      ADD_FAILURE() << "row " << row << " accepted";
    } catch (const EPintoolaError& e) {
      EXPECT_STREQ(e.what(), "Scan line index out of range");
    }
    EXPECT_THROW(page.ConstScanLine(row), EPintoolaError);
  }
  EXPECT_NO_THROW(writer.ScanLine(1));
  writer.Commit();
  PageBitmap empty;
  PageWriter nothing(empty);
  EXPECT_THROW(nothing.ScanLine(0), EPintoolaError);
  nothing.Commit();
}

TEST(PageBitmapTest, AssignSharesUntilEitherSideChanges) {
  for (bool drawOnCopy : {false, true}) {
    SCOPED_TRACE(drawOnCopy);
    PageBitmap page;
    page.SetSize(4, 3, clWhite);
    PageBitmap copy;
    int copyChanges = 0;
    copy.SetOnChange([&] { ++copyChanges; });
    copy.Assign(&page);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_TRUE(copy.SharesImageWith(page));
    EXPECT_EQ(page.HolderCount(), 2);
    // Reading never unshares.
    EXPECT_EQ(copy.Pixels(1, 1), clWhite);
    (void)page.ConstScanLine(0);
    EXPECT_EQ(page.HolderCount(), 2);

    PageBitmap& drawn = drawOnCopy ? copy : page;
    PageBitmap& other = drawOnCopy ? page : copy;
    PageWriter writer(drawn);
    writer.Row(1, 1, 2)[3] = 0;  // pixel (1, 1) loses its blue
    writer.ScanLine(2)[0] = 0;
    writer.Commit();
    EXPECT_FALSE(drawn.SharesImageWith(other));
    EXPECT_EQ(drawn.HolderCount(), 1);
    EXPECT_EQ(other.HolderCount(), 1);
    EXPECT_EQ(drawn.Pixels(1, 1), RGB(255, 255, 0));
    EXPECT_EQ(other.Pixels(1, 1), clWhite);
    EXPECT_EQ(other.Pixels(0, 2), clWhite);
  }
}

TEST(PageBitmapTest, ADrawingDropsFileBytesAndCountsWhenItCommits) {
  ScratchDir dir;
  BmpLayout s;
  s.depth = 8;
  s.table = MakeTable(16);
  s.colorsUsed = 16;
  s.colorsImportant = 4;
  s.compression = 1;
  s.width = 2;
  s.height = 1;
  s.pixels = {2, 3, 0, 1};
  WriteBytes(dir.File("a.bmp"), MakeBmp(s));
  PageBitmap page;
  page.LoadFromFile(dir.File("a.bmp"));
  ASSERT_TRUE(page.HasLoadedFileBytes());
  PageBitmap snapshot;
  snapshot.Assign(&page);
  EXPECT_TRUE(snapshot.HasLoadedFileBytes());
  int changes = 0;
  page.SetOnChange([&] { ++changes; });
  PageWriter writer(page);
  writer.ScanLine(0);
  EXPECT_TRUE(page.HasLoadedFileBytes()) << "nothing is dropped before the drawing is done";
  EXPECT_EQ(page.Image()->colorsImportant, 4u);
  EXPECT_EQ(changes, 0);
  writer.Commit();
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(page.HasLoadedFileBytes());
  EXPECT_EQ(page.Image()->colorsUsed, 0u);
  EXPECT_EQ(page.Image()->colorsImportant, 0u);
  // The snapshot still holds the file as it was read.
  EXPECT_TRUE(snapshot.HasLoadedFileBytes());
  EXPECT_EQ(snapshot.Image()->colorsImportant, 4u);
}

TEST(PageBitmapTest, AssignNoneEmptiesAndSignals) {
  PageBitmap page;
  page.SetSize(2, 2);
  int changes = 0;
  page.SetOnChange([&] { ++changes; });
  page.Assign(nullptr);
  EXPECT_TRUE(page.Empty());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(page.Pixels(0, 0), -1);
}

TEST(PageBitmapTest, DrawingAPalettePageLeavesItsSnapshotAtItsDepth) {
  ScratchDir dir;
  BmpLayout s;
  s.depth = 4;
  s.table = MakeTable(16);
  s.width = 3;
  s.height = 2;
  s.pixels = {0x12, 0x30, 0, 0, 0x45, 0x60, 0, 0};
  WriteBytes(dir.File("a.bmp"), MakeBmp(s));
  PageBitmap page;
  page.LoadFromFile(dir.File("a.bmp"));
  PageBitmap snapshot;
  snapshot.Assign(&page);
  PageWriter writer(page);
  EXPECT_EQ(page.Depth(), 4) << "converted only when the drawing is done";
  writer.Commit();
  EXPECT_EQ(page.Depth(), 24);
  EXPECT_EQ(snapshot.Depth(), 4);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(page.Pixels(x, y), snapshot.Pixels(x, y)) << x << "," << y;
  EXPECT_EQ(page.Pixels(0, 1), test::TableColor(s.table, 1));
  EXPECT_EQ(page.Pixels(2, 0), test::TableColor(s.table, 6));
}

}  // namespace
}  // namespace pintoola
