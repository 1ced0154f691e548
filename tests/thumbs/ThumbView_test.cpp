// The view as the library dialogs use it: scanning, layout, selection by keys and presses, double
// clicks, the scan cursor and the wheel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Cursors.h"
#include "platform/DrawSurface.h"
#include "thumbs/BmpFixture.h"
#include "thumbs/JvThumbViews.h"

namespace pintoola {
namespace {

using testing::WriteSolidBmp;

// A view set up like the pages dialog's (or the projects dialog's), 460 × 308 as in its window.
class ThumbViewTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(tmp_.isValid()); }

  // The folder scanned: the temporary folder, or a sub-folder of it chosen with UseFolder.
  std::string Dir() const { return tmp_.path().toStdString() + sub_; }
  void UseFolder(const std::string& name) {
    sub_ = "/" + name;
    QDir().mkpath(QString::fromStdString(Dir()));
  }
  std::string Path(const std::string& name) const { return Dir() + "/" + name; }

  // Files p00.bmp … in name order, small pictures so scans stay quick.
  void MakeFiles(int n) {
    for (int i = 0; i < n; ++i) {
      char name[16];
      std::snprintf(name, sizeof name, "p%02d.bmp", i);
      WriteSolidBmp(Path(name), 40, 30, 0x0000FF);
    }
  }

  // Shown and painted once, so that the rescan of the first paint is behind it (unless `paint` is
  // false).
  TJvThumbView& View(bool projects = false, bool paint = true) {
    view_ = std::make_unique<TJvThumbView>();
    TJvThumbView& v = *view_;
    v.SetFilter("Bitmaps (*.bmp)|*.bmp");
    v.SetMaxWidth(projects ? 200 : 170);
    v.SetMaxHeight(projects ? 200 : 170);
    v.SetAlignView(projects ? vtNormal : vtFitToScreen);
    v.SetAsButtons(!projects);
    v.SetTitlePlacement(projects ? tpUp : tpNone);
    v.SetShowShadow(true);
    v.SetShadowColor(clBlack);
    v.SetColor(clAqua);
    v.resize(460, 308);
    if (paint) ShowAndPaint(v);
    return v;
  }

  // Scans and lets the scroll bars settle (they are laid out through queued events).
  void Scan(TJvThumbView& v) {
    v.SetDirectory(Dir());
    QApplication::processEvents();
    QApplication::processEvents();
  }

  static void ShowAndPaint(TJvThumbView& v) {
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    v.viewport()->repaint();
    QApplication::processEvents();
    ASSERT_TRUE(v.Painted());
  }

  // The events a real double click brings: press, release, double click, release.
  static void DoubleClick(QWidget* w, QPoint at) {
    QTest::mousePress(w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
    QTest::mouseDClick(w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
  }

  QTemporaryDir tmp_;
  std::string sub_;
  std::unique_ptr<TJvThumbView> view_;
};

TEST_F(ThumbViewTest, GridForEachCount) {
  struct Case {
    int files, columns;
    QSize extent;
  } cases[] = {// No bar, the vertical one, both; the full table of column counts is GridTest's.
               {1, 1, {174, 174}}, {3, 2, {348, 348}}, {10, 4, {696, 522}}};
  for (const Case& c : cases) {
    UseFolder("n" + std::to_string(c.files));
    MakeFiles(c.files);
    TJvThumbView& v = View();
    Scan(v);
    ASSERT_EQ(v.Count(), c.files);
    EXPECT_EQ(v.MaxX(), c.columns) << c.files;
    EXPECT_EQ(v.ContentExtent(), c.extent) << c.files;
    EXPECT_EQ(v.ThumbSize(), QSize(170, 170));
    for (int i = 0; i < c.files; ++i) {
      const int col = i % c.columns, row = i / c.columns;
      EXPECT_EQ(v.Thumbnail(i)->ContentPos(), QPoint(4 + 174 * col, 4 + 174 * row)) << c.files << " #" << i;
      EXPECT_EQ(v.Thumbnail(i)->size(), QSize(170, 170));
    }
    const bool hBar = c.extent.width() > v.viewport()->width();
    const bool vBar = c.extent.height() > v.viewport()->height();
    EXPECT_EQ(v.horizontalScrollBar()->isVisible(), hBar) << c.files;
    EXPECT_EQ(v.verticalScrollBar()->isVisible(), vBar) << c.files;
    EXPECT_EQ(v.horizontalScrollBar()->maximum(), std::max(0, c.extent.width() - v.viewport()->width()));
    EXPECT_EQ(v.verticalScrollBar()->maximum(), std::max(0, c.extent.height() - v.viewport()->height()));
    EXPECT_EQ(v.Selected(), 0) << "a scan selects the first file";
  }
}

TEST_F(ThumbViewTest, TenFilesNeedBothScrollBarsAndFileNamesArePaths) {
  MakeFiles(10);
  TJvThumbView& v = View();
  Scan(v);
  EXPECT_EQ(v.Thumbnail(9)->ContentPos(), QPoint(178, 352));
  EXPECT_TRUE(v.horizontalScrollBar()->isVisible());
  EXPECT_TRUE(v.verticalScrollBar()->isVisible());
  EXPECT_EQ(v.Thumbnail(3)->FileName(), Path("p03.bmp"));
  EXPECT_EQ(v.Thumbnail(3)->Title(), "p03.bmp");
  EXPECT_EQ(v.SelectedFile(), Path("p00.bmp"));
}

TEST_F(ThumbViewTest, EmptyMissingAndBlankFolders) {
  TJvThumbView& v = View();
  Scan(v);
  EXPECT_EQ(v.Count(), 0);
  EXPECT_EQ(v.Selected(), -1);
  EXPECT_EQ(v.SelectedFile(), "");
  MakeFiles(2);
  Scan(v);
  EXPECT_EQ(v.Count(), 2);
  v.SetDirectory(Path("missing"));
  EXPECT_EQ(v.Count(), 0);
  EXPECT_EQ(v.SelectedFile(), "");
  Scan(v);
  v.SetDirectory("");
  EXPECT_EQ(v.Count(), 0);
  EXPECT_EQ(v.Selected(), -1);
  EXPECT_FALSE(v.horizontalScrollBar()->isVisible() && v.horizontalScrollBar()->maximum() > 0);
}

TEST_F(ThumbViewTest, WritingSelectedFileScansItsFolderAndSelectsIt) {
  MakeFiles(10);
  TJvThumbView& v = View();
  v.SetSelectedFile(Path("p07.bmp"));
  EXPECT_EQ(v.Directory(), Dir());
  EXPECT_EQ(v.Count(), 10);
  EXPECT_EQ(v.Selected(), 7);
  EXPECT_EQ(v.SelectedFile(), Path("p07.bmp"));
  v.SetSelectedFile(Path("P07.BMP"));  // letter case counts here
  EXPECT_EQ(v.Selected(), 0);
}

TEST_F(ThumbViewTest, RescanShowsAddedAndRemovedFiles) {
  MakeFiles(2);
  TJvThumbView& v = View();
  Scan(v);
  WriteSolidBmp(Path("a0.bmp"), 4, 4, 0);
  std::remove(Path("p01.bmp").c_str());
  Scan(v);
  ASSERT_EQ(v.Count(), 2);
  EXPECT_EQ(v.Thumbnail(0)->Title(), "a0.bmp");
  EXPECT_EQ(v.Thumbnail(1)->Title(), "p00.bmp");
  EXPECT_EQ(v.SelectedFile(), Path("a0.bmp"));
}

TEST_F(ThumbViewTest, NavigationKeys) {
  MakeFiles(10);
  TJvThumbView& v = View();
  Scan(v);
  struct Case {
    int start;
    Qt::Key key;
    int expected;
  } cases[] = {
      {5, Qt::Key_Right, 6},    {5, Qt::Key_Left, 4},  {5, Qt::Key_Down, 9},   {5, Qt::Key_Up, 1},
      {9, Qt::Key_Down, 9},     {9, Qt::Key_Right, 9}, {3, Qt::Key_End, 9},    {7, Qt::Key_Home, 0},
      {0, Qt::Key_Left, 0},     {0, Qt::Key_Up, 0},    {3, Qt::Key_Right, 4},  {4, Qt::Key_Left, 3},
      {-1, Qt::Key_Left, -1},   {-1, Qt::Key_Up, -1},  {-1, Qt::Key_Right, 0}, {-1, Qt::Key_Down, 3},
      {5, Qt::Key_PageDown, 5}, {5, Qt::Key_A, 5},
  };
  for (const Case& c : cases) {
    v.SetSelected(c.start);
    QTest::keyClick(&v, c.key);
    EXPECT_EQ(v.Selected(), c.expected) << "from " << c.start << " key " << c.key;
  }
}

TEST_F(ThumbViewTest, KeysOnAnEmptyViewChangeNothing) {
  TJvThumbView& v = View();
  Scan(v);
  for (Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_End, Qt::Key_Home}) {
    QTest::keyClick(&v, k);
    EXPECT_EQ(v.Selected(), -1);
  }
}

TEST_F(ThumbViewTest, DownScrollsTheSecondRowIntoSight) {
  MakeFiles(17);
  TJvThumbView& v = View();
  Scan(v);
  ASSERT_EQ(v.Selected(), 0);
  ASSERT_EQ(v.VertPosition(), 0);
  QTest::keyClick(&v, Qt::Key_Down);
  EXPECT_EQ(v.Selected(), 5);
  // Row 2 starts at 178: its bottom 348 lies below the view's 308, and its top comes to rest at
  // half a tile (85) below the client area's top edge.
  EXPECT_EQ(v.VertPosition(), 178 - 85);
  EXPECT_EQ(v.Thumbnail(5)->y(), 85);
  EXPECT_EQ(v.HorzPosition(), 0);
  // End: the last tile (row 4, column 2) is brought in from the right and bottom, limited to the range.
  QTest::keyClick(&v, Qt::Key_End);
  EXPECT_EQ(v.Selected(), 16);
  EXPECT_EQ(v.VertPosition(), v.verticalScrollBar()->maximum());
  EXPECT_GE(v.Thumbnail(16)->y(), 0);
  // Home scrolls back up: the first row's top is limited to position 0.
  QTest::keyClick(&v, Qt::Key_Home);
  EXPECT_EQ(v.VertPosition(), 0);
  EXPECT_EQ(v.HorzPosition(), 0);
}

TEST_F(ThumbViewTest, RightEdgeBringsTheTileInWithHalfATileToSpare) {
  MakeFiles(17);  // five columns: the range reaches past the fourth
  TJvThumbView& v = View();
  Scan(v);
  v.SetSelected(3);  // column 4: right edge 696 beyond the view's 460
  // The right edge comes to rest half a tile (85) inside the view's 460: at 375, tile left at 205.
  EXPECT_EQ(v.HorzPosition(), 321);
  EXPECT_EQ(v.Thumbnail(3)->x(), 205);
  EXPECT_LT(v.HorzPosition(), v.horizontalScrollBar()->maximum());
}

TEST_F(ThumbViewTest, PressesOnTilesGapsAndBackground) {
  MakeFiles(2);
  TJvThumbView& v = View();
  Scan(v);
  QWidget* vp = v.viewport();
  struct Case {
    QPoint at;
    Qt::MouseButton button;
    int expected;
  } cases[] = {
      {{178, 4}, Qt::LeftButton, 1},     // first pixel of tile 1
      {{175, 50}, Qt::LeftButton, -1},   // the gap between the tiles
      {{4, 4}, Qt::LeftButton, 0},       // first pixel of tile 0
      {{347, 173}, Qt::LeftButton, 1},   // last pixel of tile 1
      {{348, 50}, Qt::LeftButton, -1},   // right of the last column
      {{50, 200}, Qt::LeftButton, -1},   // below the last row
      {{200, 100}, Qt::RightButton, 1},  // the right button selects too
      {{2, 2}, Qt::LeftButton, -1},      // the gap before the first tile
      {{60, 60}, Qt::MiddleButton, 0},
  };
  for (const Case& c : cases) {
    // A press over a tile lands on the tile (or its picture), which passes it on to the view.
    QWidget* target = vp->childAt(c.at);
    QWidget* receiver = target ? target : vp;
    QTest::mousePress(receiver, c.button, {}, receiver->mapFrom(vp, c.at));
    QTest::mouseRelease(receiver, c.button, {}, receiver->mapFrom(vp, c.at));
    EXPECT_EQ(v.Selected(), c.expected) << c.at.x() << "," << c.at.y();
  }
}

TEST_F(ThumbViewTest, PressesDoNotTakeTheFocus) {
  MakeFiles(2);
  QWidget window;
  auto* other = new QWidget(&window);
  other->setFocusPolicy(Qt::StrongFocus);
  auto* v = new TJvThumbView(&window);
  v->SetFilter("*.bmp");
  v->setGeometry(0, 30, 460, 308);
  window.show();
  window.activateWindow();
  other->setFocus();
  v->SetDirectory(Dir());
  QApplication::processEvents();
  ASSERT_TRUE(other->hasFocus());
  QWidget* tile = v->Thumbnail(1);
  QTest::mouseClick(tile->childAt(tile->rect().center()) ? tile->childAt(tile->rect().center()) : tile,
                    Qt::LeftButton);
  QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(440, 250));
  EXPECT_TRUE(other->hasFocus());
  EXPECT_EQ(v->Selected(), -1);
  EXPECT_EQ(v->focusPolicy(), Qt::TabFocus);
}

TEST_F(ThumbViewTest, DoubleClickRaisesOnDblClickOnceAnywhereButOnTitleBars) {
  MakeFiles(2);
  TJvThumbView& v = View(/*projects=*/true);
  Scan(v);
  int dbl = 0;
  std::vector<int> selectedAtDbl;
  v.OnDblClick = [&] {
    ++dbl;
    selectedAtDbl.push_back(v.Selected());
  };
  TJvThumbnail* t1 = v.Thumbnail(1);
  struct Case {
    QWidget* widget;
    QPoint at;
    int dblClicks;
    int selected;
  } cases[] = {
      {t1->Photo(), t1->Photo()->rect().center(), 1, 1},  // the picture
      {t1, QPoint(3, 190), 1, 1},                         // the tile's margin
      {v.viewport(), QPoint(440, 250), 1, -1},            // the background
      {t1->TitlePanel(), QPoint(20, 7), 0, 1},            // a title bar: two presses
  };
  for (const Case& c : cases) {
    v.SetSelected(0);
    dbl = 0;
    selectedAtDbl.clear();
    DoubleClick(c.widget, c.at);
    EXPECT_EQ(dbl, c.dblClicks);
    EXPECT_EQ(v.Selected(), c.selected);
    // The first press has already set the selection when the double click is reported.
    for (int s : selectedAtDbl) EXPECT_EQ(s, c.selected);
  }
}

TEST_F(ThumbViewTest, SelectionColoursTheTitleBarAndRaisesEvents) {
  MakeFiles(3);
  TJvThumbView& v = View(/*projects=*/true);
  Scan(v);
  std::vector<std::string> events;
  v.OnChanging = [&] { events.push_back("changing " + std::to_string(v.Selected())); };
  v.OnChange = [&] { events.push_back("change " + std::to_string(v.Selected())); };
  v.OnClick = [&] { events.push_back("click"); };
  EXPECT_EQ(v.Thumbnail(0)->TitleColor(), clHighlight);
  EXPECT_EQ(v.Thumbnail(0)->TitleTextColor(), clHighlightText);
  v.SetSelected(1);
  EXPECT_EQ(v.Thumbnail(0)->TitleColor(), clAqua);
  EXPECT_EQ(v.Thumbnail(0)->TitleTextColor(), clWindowText);
  EXPECT_EQ(v.Thumbnail(1)->TitleColor(), clHighlight);
  v.SetSelected(1);   // again: no events
  v.SetSelected(42);  // out of range: nothing selected
  EXPECT_EQ(v.Selected(), -1);
  EXPECT_EQ(v.Thumbnail(1)->TitleColor(), clAqua);
  const std::vector<std::string> expected = {"changing 0", "change 1", "changing 1", "change -1"};
  EXPECT_EQ(events, expected);
}

TEST_F(ThumbViewTest, BrokenFileIsListedWithAnEmptyPictureAndNoMessage) {
  MakeFiles(1);
  testing::WriteText(Path("broken.bmp"), "this is not a picture");
  TJvThumbView& v = View(/*projects=*/true);
  std::vector<std::string> invalid;
  v.OnInvalidImage = [&](const std::string& f) { invalid.push_back(f); };
  Scan(v);
  ASSERT_EQ(v.Count(), 2);
  TJvThumbnail* t = v.Thumbnail(0);
  EXPECT_EQ(t->Title(), "broken.bmp");
  EXPECT_EQ(t->FileName(), Path("broken.bmp"));
  EXPECT_EQ(t->ImageWidth(), 0);
  EXPECT_EQ(t->Layout().picture, Bounds(100, 107, 0, 0));
  EXPECT_EQ(invalid, std::vector<std::string>{Path("broken.bmp")});
  EXPECT_EQ(v.SelectedFile(), Path("broken.bmp")) << "a broken file can still be chosen";
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_FALSE(qobject_cast<QMessageBox*>(w) && w->isVisible());
}

TEST_F(ThumbViewTest, HourglassAfterOneSecondAndCursorRestored) {
  MakeFiles(4);
  TJvThumbView& v = View();
  int64_t now = 0;
  v.SetClock([&] { return now; });
  std::vector<Qt::CursorShape> seen;
  std::vector<TCursor> screen;
  v.OnScanProgress = [&](int, bool&) {
    seen.push_back(v.cursor().shape());
    screen.push_back(ScreenCursor());
    now += 600;
  };
  SetControlCursor(&v, crCross);
  ASSERT_EQ(ScreenCursor(), crDefault);
  Scan(v);
  // 600 ms after the first file, 1200 after the second: the hourglass shows from the third on, over
  // the view only; afterwards the view has its own cursor back.
  EXPECT_EQ(seen, (std::vector<Qt::CursorShape>{Qt::CrossCursor, Qt::CrossCursor, Qt::WaitCursor,
                                                Qt::WaitCursor}));
  EXPECT_EQ(screen, std::vector<TCursor>(4, crDefault)) << "the rest of the program keeps its cursor";
  EXPECT_EQ(v.cursor().shape(), Qt::CrossCursor);
  EXPECT_EQ(ScreenCursor(), crDefault);
  EXPECT_FALSE(v.Filling());
}

TEST_F(ThumbViewTest, ErrorDuringAScanRestoresCursorAndRunningFlag) {
  MakeFiles(4);
  TJvThumbView& v = View();
  int64_t now = 0;
  v.SetClock([&] { return now += 2000; });
  v.OnScanProgress = [&](int position, bool&) {
    if (position == 3) throw std::runtime_error("stop");
  };
  EXPECT_THROW(v.SetDirectory(Dir()), std::runtime_error);
  EXPECT_EQ(v.cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(ScreenCursor(), crDefault);
  EXPECT_FALSE(v.Filling());
  v.OnScanProgress = nullptr;
  Scan(v);
  EXPECT_EQ(v.Count(), 4);
}

TEST_F(ThumbViewTest, ScanEventsAndStop) {
  MakeFiles(5);
  TJvThumbView& v = View();
  int max = -2, stops = 0;
  std::vector<int> positions;
  v.OnStartScanning = [&](int m) { max = m; };
  v.OnScanProgress = [&](int p, bool& stop) {
    positions.push_back(p);
    stop = p == 3;
  };
  v.OnStopScanning = [&] { ++stops; };
  Scan(v);
  EXPECT_EQ(max, 4);
  EXPECT_EQ(positions, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(stops, 1);
  EXPECT_EQ(v.Count(), 2);
}

TEST_F(ThumbViewTest, ScanRequestedDuringAScanOnlyClearsTheSelection) {
  MakeFiles(3);
  TJvThumbView& v = View();
  bool nested = false;
  v.OnScanProgress = [&](int p, bool&) {
    if (p == 2 && !nested) {
      nested = true;
      v.SetDirectory(Dir());
      EXPECT_EQ(v.Count(), 1) << "the nested scan did nothing";
    }
  };
  Scan(v);
  EXPECT_TRUE(nested);
  EXPECT_EQ(v.Count(), 3);
  EXPECT_EQ(v.Selected(), 0);
}

TEST_F(ThumbViewTest, FirstPaintScansOnceMore) {
  MakeFiles(1);
  TJvThumbView& v = View(false, /*paint=*/false);
  v.SetDirectory(Dir());
  EXPECT_FALSE(v.Painted());
  WriteSolidBmp(Path("a.bmp"), 4, 4, 0);
  ShowAndPaint(v);
  EXPECT_EQ(v.Count(), 2);
  WriteSolidBmp(Path("b.bmp"), 4, 4, 0);
  v.viewport()->repaint();
  QApplication::processEvents();
  EXPECT_EQ(v.Count(), 2) << "only the first paint scans";
}

TEST_F(ThumbViewTest, SunkenBorderAroundTheAquaBackground) {
  TJvThumbView& v = View();
  Scan(v);
  const QImage img = v.grab().toImage();
  auto rgb = [](TColor c) { return ToQColor(c).rgb(); };
  // Two rings: shadow over dark shadow at the top left, highlight over light at the bottom right.
  EXPECT_EQ(img.pixel(0, 0), rgb(clBtnShadow));
  EXPECT_EQ(img.pixel(1, 1), rgb(cl3DDkShadow));
  EXPECT_EQ(img.pixel(459, 307), rgb(clBtnHighlight));
  EXPECT_EQ(img.pixel(458, 306), rgb(cl3DLight));
  EXPECT_EQ(img.pixel(2, 2), rgb(clAqua));
  EXPECT_EQ(img.pixel(457, 305), rgb(clAqua));
  EXPECT_EQ(v.viewport()->geometry(), QRect(2, 2, 456, 304));
}

TEST_F(ThumbViewTest, WheelDoesNotScroll) {
  MakeFiles(17);
  TJvThumbView& v = View();
  Scan(v);
  QWheelEvent wheel(QPointF(100, 100), v.viewport()->mapToGlobal(QPointF(100, 100)), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(v.viewport(), &wheel);
  EXPECT_EQ(v.VertPosition(), 0);
}

TEST_F(ThumbViewTest, ScrollBarDragMovesTheTiles) {
  MakeFiles(17);
  TJvThumbView& v = View();
  Scan(v);
  EXPECT_TRUE(v.verticalScrollBar()->hasTracking());
  v.verticalScrollBar()->setValue(50);
  EXPECT_EQ(v.Thumbnail(0)->y(), 4 - 50);
  EXPECT_EQ(v.Thumbnail(0)->ContentPos().y(), 4);
  // A press on the scrolled content aims at the content point.
  QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, QPoint(10, 180 - 50 + 10));
  EXPECT_EQ(v.Selected(), 5);
}

}  // namespace
}  // namespace pintoola
