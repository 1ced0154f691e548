#include <gtest/gtest.h>

#include "engine/Contrast.h"
#include "engine/RegionFill.h"
#include "engine/UndoHistory.h"
#include "tests/engine/PixelPages.h"

namespace pintoola {
namespace {

using testing::RawRows;
using testing::SetPixel;

// The main window's way of holding its page: one owned object, replaced on undo.
struct Window {
  std::unique_ptr<PageBitmap> page = std::make_unique<PageBitmap>();
  TPictureArray history;
  int repaints = 0;

  void Install(std::unique_ptr<PageBitmap> p) {
    page = std::move(p);
    page->SetOnChange([this] { ++repaints; });
    page->Changed();
  }
  void Click(int x, int y, TColor c, TBrushStyle s) {
    history.PushUndo(*page);
    FillRegion(*page, x, y, c, s);
  }
  bool Undo() {
    auto restored = history.UndoLast();
    if (!restored) return false;
    Install(std::move(restored));
    return true;
  }
};

void Outlined(PageBitmap& page, int w, int h) {
  page.SetSize(w, h);
  for (int x = 0; x < w; ++x) SetPixel(page, x, h / 2, clBlack);
}

TEST(UndoHistoryTest, PushSharesPixelsAndCopiesNone) {
  PageBitmap page;
  page.SetSize(5, 4);
  TPictureArray history;
  history.PushUndo(page);
  history.PushUndo(page);
  ASSERT_EQ(history.Count(), 2u);
  EXPECT_TRUE(page.SharesImageWith(history.Snapshot(0)));
  EXPECT_TRUE(history.Snapshot(0).SharesImageWith(history.Snapshot(1)));
  EXPECT_EQ(page.HolderCount(), 3);
  FillRegion(page, 0, 0, clRed, bsSolid);  // the page takes its own copy; the snapshots keep theirs
  EXPECT_EQ(page.HolderCount(), 1);
  EXPECT_EQ(history.Snapshot(1).HolderCount(), 2);
}

TEST(UndoHistoryTest, ThreeFillsThreeUndosGiveTheOriginalBytesAndAFourthDoesNothing) {
  Window w;
  Outlined(*w.page, 7, 5);
  const auto original = RawRows(*w.page);
  w.Click(0, 0, clRed, bsSolid);
  const auto afterOne = RawRows(*w.page);
  w.Click(6, 4, clBlue, bsCross);
  w.Click(3, 2, clLime, bsSolid);
  const PageBitmap* before = w.page.get();
  ASSERT_TRUE(w.Undo());
  EXPECT_NE(w.page.get(), before);
  ASSERT_TRUE(w.Undo());
  EXPECT_EQ(RawRows(*w.page), afterOne);
  ASSERT_TRUE(w.Undo());
  EXPECT_EQ(RawRows(*w.page), original);
  EXPECT_EQ(w.repaints, 3);  // each restored object repaints once, through its new handler
  EXPECT_TRUE(w.history.Empty());
  const PageBitmap* last = w.page.get();
  EXPECT_FALSE(w.Undo());
  EXPECT_EQ(w.page.get(), last);
  EXPECT_EQ(RawRows(*w.page), original);
}

TEST(UndoHistoryTest, RestoredPageStartsWithAFreshCanvas) {
  Window w;
  w.page->SetSize(5, 4);
  w.Click(0, 0, clRed, bsDiagCross);
  w.page->Canvas().font.size = 20;
  ASSERT_TRUE(w.Undo());
  EXPECT_EQ(w.page->Canvas().brushColor, clWhite);
  EXPECT_EQ(w.page->Canvas().brushStyle, bsSolid);
  EXPECT_EQ(w.page->Canvas().font.size, PageFont{}.size);
}

TEST(UndoHistoryTest, ClicksThatChangeNothingStillTakeASnapshot) {
  Window w;
  w.page->SetSize(5, 4, clRed);
  const auto original = RawRows(*w.page);
  w.Click(10, 10, clBlue, bsSolid);  // outside
  w.Click(1, 1, clRed, bsSolid);     // own colour
  EXPECT_EQ(w.history.Count(), 2u);
  ASSERT_TRUE(w.Undo());
  EXPECT_EQ(RawRows(*w.page), original);
}

TEST(UndoHistoryTest, UndoAfterOtherCommandsGoesBackToTheLastClick) {
  enum Command { Reset, Open, Close, Fix };
  for (Command cmd : {Reset, Open, Close, Fix}) {
    SCOPED_TRACE(cmd);
    Window w;
    Outlined(*w.page, 9, 6);
    SetPixel(*w.page, 0, 5, 0x808080);
    const auto beforeFill = RawRows(*w.page);
    w.Click(0, 0, clRed, bsSolid);
    switch (cmd) {
      case Reset: Outlined(*w.page, 9, 6); break;
      case Open: w.page->SetSize(3, 2, clAqua); break;  // another page, another size
      case Close: w.page = std::make_unique<PageBitmap>(); break;
      case Fix: ContrastImage(*w.page, 100); break;
    }
    ASSERT_TRUE(w.Undo());
    EXPECT_EQ(w.page->Width(), 9);
    EXPECT_EQ(w.page->Height(), 6);
    EXPECT_EQ(RawRows(*w.page), beforeFill);
  }
}

TEST(UndoHistoryTest, PushOfAnEmptyPageRestoresAnEmptyPage) {
  Window w;
  w.history.PushUndo(*w.page);
  w.page->SetSize(4, 4);
  ASSERT_TRUE(w.Undo());
  EXPECT_TRUE(w.page->Empty());
}

}  // namespace
}  // namespace pintoola
