// What a snapshot keeps, and the less travelled ways of sharing pixels: versions let go of out of
// order, drawing on an older version, reading one, and the check on writers that do not announce.
#include "engine/ImageStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "engine/RegionFill.h"
#include "engine/UndoHistory.h"
#include "tests/engine/PixelPages.h"

namespace pintoola {
namespace {

using testing::RawRows;

// White cells of `cell` pixels between black lines two pixels wide.
void CellPage(PageBitmap& page, int w, int h, int cell) {
  page.SetSize(w, h, clWhite);
  PageWriter writer(page);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = writer.ScanLine(y);
    for (int x = 0; x < w; ++x)
      if (y % cell < 2 || x % cell < 2) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = 0;
  }
  writer.Commit();
}

// Whether the page draws without keeping anything: no snapshot holds an older version of it.
bool DrawsUnannounced(PageBitmap& page) {
  PageWriter writer(page);
  const bool free = writer.Unannounced() != nullptr;
  writer.Commit();
  return free;
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
  EXPECT_TRUE(DrawsUnannounced(*page)) << "no older version is left behind";
}

TEST(ImageStoreTest, TilesOfOneColourKeepOnlyTheColour) {
  auto page = std::make_unique<PageBitmap>();
  page->SetSize(1000, 700, 0x204060);
  const size_t pageBytes = static_cast<size_t>(page->Stride()) * 700;
  std::vector<std::vector<uint8_t>> before;
  TPictureArray history;
  for (const TBrushStyle style : {bsSolid, bsCross}) {
    before.push_back(RawRows(*page));
    history.PushUndo(*page);
    FillRegion(*page, 500, 300, style == bsSolid ? clRed : clBlue, style);
  }
  EXPECT_LT(page->KeptBytes(), pageBytes / 100) << "two whole-page fills, the first onto one colour";
  while (auto restored = history.UndoLast()) {
    page = std::move(restored);
    EXPECT_EQ(RawRows(*page), before.back());
    before.pop_back();
  }
}

TEST(ImageStoreTest, UndoPutsTheOldBytesBackIntoThePagesOwnBuffer) {
  auto page = std::make_unique<PageBitmap>();
  CellPage(*page, 300, 200, 50);
  const uint8_t* buffer = page->Image()->pixels.data();
  const auto original = RawRows(*page);
  TPictureArray history;
  history.PushUndo(*page);
  FillRegion(*page, 10, 10, clBlue, bsSolid);
  page = history.UndoLast();
  EXPECT_EQ(page->Image()->pixels.data(), buffer) << "rolled back in place, not copied";
  EXPECT_EQ(RawRows(*page), original);
}

// A picture of one byte value at any depth.
std::shared_ptr<BitmapImage> Blank(int w, int h, int depth) {
  auto img = std::make_shared<BitmapImage>();
  img->width = w;
  img->height = h;
  img->depth = depth;
  img->stride = BitmapImage::StrideFor(w, depth);
  img->pixels = PixelBuffer(static_cast<size_t>(img->stride) * static_cast<size_t>(h), true);
  std::fill_n(img->pixels.data(), img->pixels.size(), uint8_t{0xC4});
  if (depth == 8)
    for (int i = 0; i < 256; ++i) img->colorTable.push_back({uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0});
  return img;
}

// Drawing number n at the page's own depth: a rectangle of its own and one every drawing writes,
// each over several tiles, with bytes that differ from drawing to drawing; at 24 bits also a
// hatched fill over whatever area the top-left pixel is in, which reaches most tiles.
void Draw(PageBitmap& page, int n) {
  const int bpp = page.Depth() / 8;
  const int w = page.Width(), h = page.Height();
  {
    PageWriter writer(page, PageWriter::Format::AsStored);
    const int x0 = (n * 29) % (w / 2) + 3, y0 = (n * 17) % (h / 2) + 3;
    for (const auto& [left, top, right, bottom] :
         {std::array{x0, y0, x0 + w / 3, y0 + 40}, std::array{w / 4, h / 3, w / 4 + 50, h / 3 + 30}}) {
      for (int y = top; y < std::min(bottom, h); ++y) {
        uint8_t* row = writer.Row(y, left, right);
        for (int x = left; x < std::min(right, w); ++x)
          for (int k = 0; k < bpp; ++k) row[x * bpp + k] = static_cast<uint8_t>(n * 41 + x * 3 + y * 7 + k);
      }
    }
    writer.Commit();
  }
  if (page.Depth() == 24) FillRegion(page, 0, 0, RGB(n * 50, 255 - n * 20, 90), bsDiagCross);
}

// Four snapshots of successive drawings; some let go of in every order (their tiles merge into
// older versions), then an undo into each snapshot left, newest first, each compared row for row
// with the page it was taken of and drawn on again. Nothing reads a snapshot before it is the page,
// so every byte compared comes back through the journals, not through a rebuilt copy.
TEST(ImageStoreTest, SnapshotsLetGoOfInAnyOrderUndoExactly) {
  for (const int depth : {8, 24, 32}) {
    std::array<int, 4> order = {0, 1, 2, 3};
    do {
      for (int released = 1; released <= 3; ++released) {
        SCOPED_TRACE(::testing::Message() << depth << " bits, released " << released << " of " << order[0]
                                          << order[1] << order[2] << order[3]);
        auto page = std::make_unique<PageBitmap>();
        page->SetImage(Blank(depth == 8 ? 250 : depth == 24 ? 90 : 70, 100, depth));
        std::unique_ptr<PageBitmap> snapshots[4];
        std::vector<uint8_t> expected[4];
        for (int i = 0; i < 4; ++i) {
          snapshots[i] = std::make_unique<PageBitmap>();
          snapshots[i]->Assign(page.get());
          expected[i] = RawRows(*page);
          Draw(*page, i);
        }
        const auto last = RawRows(*page);
        for (int k = 0; k < released; ++k) snapshots[order[k]].reset();
        ASSERT_EQ(RawRows(*page), last);
        for (int i = 3; i >= 0; --i) {
          if (!snapshots[i]) continue;
          page = std::move(snapshots[i]);  // the page it replaces lets go: rolled back to it
          ASSERT_EQ(page->Depth(), depth);
          ASSERT_EQ(RawRows(*page), expected[i]) << "snapshot " << i;
          PageBitmap twin;
          twin.SetImage(page->Image()->Clone());
          Draw(*page, 10 + i);
          Draw(twin, 10 + i);
          ASSERT_EQ(RawRows(*page), RawRows(twin)) << "drawn again after the undo into " << i;
        }
        EXPECT_TRUE(DrawsUnannounced(*page)) << "no older version is left behind";
        EXPECT_EQ(page->KeptBytes(), 0u);
      }
    } while (std::next_permutation(order.begin(), order.end()));
  }
}

TEST(ImageStoreTest, DrawingOnAnOlderVersionGivesItPixelsOfItsOwn) {
  PageBitmap page, older, blue;
  CellPage(page, 100, 80, 20);
  blue.Assign(&page);
  older.Assign(&page);
  FillRegion(page, 5, 5, clRed, bsSolid);
  const auto pageRows = RawRows(page);
  FillRegion(older, 5, 5, clBlue, bsSolid);  // no longer the newest version
  FillRegion(blue, 5, 5, clBlue, bsSolid);
  EXPECT_EQ(RawRows(older), RawRows(blue));
  FillRegion(older, 25, 5, clLime, bsSolid);
  EXPECT_EQ(RawRows(page), pageRows);
  EXPECT_EQ(older.Pixels(25, 5), clLime);
  EXPECT_FALSE(older.SharesImageWith(page));
  FillRegion(page, 45, 5, clYellow, bsSolid);
  EXPECT_NE(RawRows(page), pageRows);
  EXPECT_EQ(older.Pixels(45, 5), clWhite);
}

// A snapshot's pixels read while it is not the newest version come from a rebuilt copy; a rollback
// that makes it the newest again must not pull them from under the reader.
TEST(ImageStoreTest, PixelsReadFromASnapshotOutliveARollbackToIt) {
  auto page = std::make_unique<PageBitmap>();
  CellPage(*page, 120, 90, 30);
  const auto original = RawRows(*page);
  PageBitmap snapshot;
  snapshot.Assign(page.get());
  FillRegion(*page, 10, 10, clRed, bsHorizontal);
  const BitmapImage* read = snapshot.Image();
  page.reset();  // rolled back to the snapshot's version
  std::vector<uint8_t> rows;
  for (int y = 0; y < read->height; ++y) rows.insert(rows.end(), read->Row(y), read->Row(y) + read->stride);
  EXPECT_EQ(rows, original);
  EXPECT_EQ(RawRows(snapshot), original);
}

// The write check of test builds: a drawing that changes a tile it did not announce stops the
// program when it commits, before a snapshot could be restored wrong.
TEST(ImageStoreDeathTest, AWriterThatDoesNotAnnounceIsCaught) {
  if (!WriteChecksEnabled()) GTEST_SKIP() << "this build does not check writes";
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  const auto unannounced = [](int announcedRight) {
    PageBitmap page, snapshot;
    CellPage(page, 300, 100, 50);
    snapshot.Assign(&page);
    PageWriter writer(page);
    uint8_t* row = writer.Row(70, 0, announcedRight);
    row[3 * 250] = 7;  // pixel (250, 70): another tile than pixel 0's
    writer.Commit();
  };
  unannounced(251);  // announced: fine
  EXPECT_DEATH(unannounced(1), "did not announce");
  const auto snapshotWhileUnannounced = [] {
    PageBitmap page, snapshot;
    CellPage(page, 40, 30, 10);
    PageWriter writer(page);
    BitmapImage* free = writer.Unannounced();
    snapshot.Assign(&page);
    free->Row(3)[0] = 1;
    writer.Commit();
  };
  EXPECT_DEATH(snapshotWhileUnannounced(), "snapshot");
}

}  // namespace
}  // namespace pintoola
