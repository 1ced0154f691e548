// What a snapshot keeps, and the less travelled ways of sharing pixels: versions let go of out of
// order, drawing on an older version, reading one.
#include "engine/ImageStore.h"

#include <gtest/gtest.h>

#include "engine/RegionFill.h"
#include "engine/UndoHistory.h"
#include "tests/engine/PixelPages.h"

namespace pintoola {
namespace {

using testing::RawRows;

// White cells of `cell` pixels between black lines two pixels wide.
void CellPage(PageBitmap& page, int w, int h, int cell) {
  page.SetSize(w, h, clWhite);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = page.ScanLine(y);
    for (int x = 0; x < w; ++x)
      if (y % cell < 2 || x % cell < 2) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = 0;
  }
}

TEST(ImageStoreTest, AFillClickKeepsTheTilesOfItsAreaNotAPage) {
  // 64-pixel cells: a cell's inside (62 × 62) lies in two tiles each way (96 bytes by 32 rows).
  constexpr int kW = 640, kH = 480, kCell = 64, kClicks = 30;
  constexpr size_t kTileBytes = 32 * 96;
  auto page = std::make_unique<PageBitmap>();
  CellPage(*page, kW, kH, kCell);
  const size_t pageBytes = static_cast<size_t>(page->Stride()) * kH;
  const auto original = RawRows(*page);
  TPictureArray history;
  for (int i = 0; i < kClicks; ++i) {
    history.PushUndo(*page);
    const int cell = i * 13 % ((kW / kCell) * (kH / kCell));  // 30 different cells
    FillRegion(*page, cell % (kW / kCell) * kCell + 30, cell / (kW / kCell) * kCell + 30, clRed,
               static_cast<TBrushStyle>(i % 8));
  }
  const size_t perClick = page->KeptBytes() / kClicks;
  EXPECT_LE(perClick, 4 * kTileBytes + 256) << "bookkeeping aside, four tiles per click";
  EXPECT_LT(perClick * 30, pageBytes) << "well under a thirtieth of the page (" << pageBytes << " bytes)";
  EXPECT_GT(perClick, 0u);
  while (auto restored = history.UndoLast()) page = std::move(restored);
  EXPECT_EQ(RawRows(*page), original);
  EXPECT_EQ(page->KeptBytes(), 0u) << "every before-image went back into the page";
}

TEST(ImageStoreTest, TilesOfOneColourKeepOnlyTheColour) {
  auto page = std::make_unique<PageBitmap>();
  page->SetSize(1000, 700, 0x204060);
  const size_t pageBytes = static_cast<size_t>(page->Stride()) * 700;
  const auto original = RawRows(*page);
  TPictureArray history;
  for (const TBrushStyle style : {bsSolid, bsCross}) {
    history.PushUndo(*page);
    FillRegion(*page, 500, 300, style == bsSolid ? clRed : clBlue, style);
  }
  EXPECT_LT(page->KeptBytes(), pageBytes / 100) << "two whole-page fills, the first onto one colour";
  page = history.UndoLast();
  EXPECT_EQ(page->Pixels(3, 3), clRed);
  page = history.UndoLast();
  EXPECT_EQ(RawRows(*page), original);
}

TEST(ImageStoreTest, UndoPutsTheOldBytesBackIntoThePagesOwnBuffer) {
  auto page = std::make_unique<PageBitmap>();
  CellPage(*page, 300, 200, 50);
  const uint8_t* buffer = page->Image()->pixels.data();
  TPictureArray history;
  history.PushUndo(*page);
  FillRegion(*page, 10, 10, clBlue, bsSolid);
  page = history.UndoLast();
  EXPECT_EQ(page->Image()->pixels.data(), buffer) << "rolled back in place, not copied";
  EXPECT_EQ(page->Pixels(10, 10), clWhite);
}

// Three snapshots of successive drawings, let go of in every order: the others keep their pixels.
TEST(ImageStoreTest, VersionsReleasedInAnyOrderLeaveTheOthersExact) {
  const int orders[][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  for (const auto& order : orders) {
    SCOPED_TRACE(::testing::Message() << order[0] << order[1] << order[2]);
    PageBitmap page;
    CellPage(page, 200, 150, 40);
    std::unique_ptr<PageBitmap> copies[3];
    std::vector<uint8_t> expected[3];
    for (int i = 0; i < 3; ++i) {
      copies[i] = std::make_unique<PageBitmap>();
      copies[i]->Assign(&page);
      expected[i] = RawRows(page);
      FillRegion(page, 10 + 40 * i, 10 + 40 * i, RGB(80 * i, 0, 255), bsSolid);
      FillRegion(page, 10, 90, RGB(0, 80 * i, 0), bsCross);  // a tile every version writes
    }
    const auto last = RawRows(page);
    for (int k = 0; k < 3; ++k) {
      copies[order[k]].reset();
      for (int i = 0; i < 3; ++i) {
        if (!copies[i]) continue;
        EXPECT_EQ(RawRows(*copies[i]), expected[i]) << "copy " << i;
      }
      EXPECT_EQ(RawRows(page), last);
    }
    EXPECT_EQ(page.KeptBytes(), 0u);
  }
}

TEST(ImageStoreTest, DrawingOnAnOlderVersionGivesItPixelsOfItsOwn) {
  PageBitmap page, older;
  CellPage(page, 100, 80, 20);
  older.Assign(&page);
  FillRegion(page, 5, 5, clRed, bsSolid);
  const auto pageRows = RawRows(page);
  FillRegion(older, 5, 5, clBlue, bsSolid);  // no longer the newest version
  FillRegion(older, 25, 5, clLime, bsSolid);
  EXPECT_EQ(RawRows(page), pageRows);
  EXPECT_EQ(page.Pixels(25, 5), clWhite);
  EXPECT_EQ(older.Pixels(5, 5), clBlue);
  EXPECT_EQ(older.Pixels(25, 5), clLime);
  EXPECT_FALSE(older.SharesImageWith(page));
  FillRegion(page, 45, 5, clYellow, bsSolid);
  EXPECT_EQ(older.Pixels(45, 5), clWhite);
}

}  // namespace
}  // namespace pintoola
