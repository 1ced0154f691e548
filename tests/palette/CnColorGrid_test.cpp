#include "palette/CnColorGrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <functional>

#include "app/frmMain.h"
#include "core/Errors.h"
#include "platform/DrawSurface.h"

namespace pintoola {
namespace {

// The main window's own palette set-up, then the size the main window gives the palette.
void ConfigureAsMainWindow(TCnColorGrid& grid) {
  SetUpPalette(grid);
  grid.resize(115, 547);
}

// Widget coordinates of a cell's fill: the client area starts inside the two-pixel border.
int CellLeft(int col) { return 2 + 16 * col; }
int CellTop(int row) { return 2 + 16 * row; }
QPoint CellCenter(int col, int row) { return {CellLeft(col) + 7, CellTop(row) + 7}; }

TColor Pixel(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }
TColor Shown(TColor c) { return ColorToRGB(c); }

class PaletteGrid : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.resize(200, 600);
    grid_ = new TCnColorGrid(&host_);
    ConfigureAsMainWindow(*grid_);
    other_ = new QLineEdit(&host_);
    other_->setGeometry(150, 0, 40, 20);
    host_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host_));
    host_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host_));
  }

  void FocusGrid() {
    grid_->setFocus();
    ASSERT_TRUE(grid_->hasFocus());
  }
  void FocusOther() {
    other_->setFocus();
    ASSERT_FALSE(grid_->hasFocus());
  }
  QImage Grab() { return grid_->grab().toImage(); }
  TColor ColorAt(int col, int row) const { return grid_->CellColor(row * 7 + col); }

  QWidget host_;
  TCnColorGrid* grid_ = nullptr;
  QLineEdit* other_ = nullptr;
};

// Records SelectedColor at every click.
struct ClickLog {
  explicit ClickLog(TCnColorGrid* grid) {
    QObject::connect(grid, &TCnColorGrid::clicked, [this, grid] { colors.push_back(grid->SelectedColor()); });
  }
  std::vector<TColor> colors;
};

TEST(ColorGridModel, StartsWithTheSafeColoursInTheirOwnShape) {
  TCnColorGrid grid;
  EXPECT_TRUE(grid.AutoSize());
  EXPECT_EQ(grid.AutoSizeBy(), asRowCol);
  EXPECT_TRUE(grid.HotTrace());
  EXPECT_EQ(grid.GridLineColor1(), clGrayText);
  EXPECT_EQ(grid.GridLineColor2(), clWindow);
  EXPECT_EQ(grid.SelectLineColor(), clBlack);
  EXPECT_EQ(grid.SelectRangeColor(), clWindow);
  EXPECT_EQ(grid.ColorSet(), csSafeColors);
  EXPECT_TRUE(grid.CustomColors().empty());
  EXPECT_EQ(grid.CustomRowCount(), 10);
  EXPECT_EQ(grid.CustomColCount(), 10);
  EXPECT_EQ(grid.CustomColorType(), ccHex);
  EXPECT_EQ(grid.ColCount(), 12);
  EXPECT_EQ(grid.RowCount(), 18);
  EXPECT_EQ(grid.DefaultColWidth(), 15);
  EXPECT_EQ(grid.GridLineWidth(), 1);
  EXPECT_EQ(grid.Color(), clWindow);
  EXPECT_EQ(grid.size(), QSize(195, 291));
  EXPECT_EQ(grid.Col(), 0);
  EXPECT_EQ(grid.Row(), 0);
  EXPECT_EQ(grid.SelectedColor(), clBlack);
}

TEST(ColorGridModel, MainWindowPaletteReadsTheSafeColoursInRowsOfSeven) {
  TCnColorGrid grid;
  ConfigureAsMainWindow(grid);
  EXPECT_EQ(grid.size(), QSize(115, 547));
  EXPECT_EQ(grid.ClientRect(), QRect(2, 2, 111, 543));
  struct Row {
    int row;
    TColor colors[7];
  } rows[] = {
      {0, {0x000000, 0x330000, 0x660000, 0x990000, 0xCC0000, 0xFF0000, 0x003300}},
      {1, {0x333300, 0x663300, 0x993300, 0xCC3300, 0xFF3300, 0x000033, 0x330033}},
      {2, {0x660033, 0x990033, 0xCC0033, 0xFF0033, 0x003333, 0x333333, 0x663333}},
      {10, {0xCC33FF, 0xFF33FF, 0x006600, 0x336600, 0x666600, 0x996600, 0xCC6600}},
      {29, {0xFFFFCC, 0x00CCFF, 0x33CCFF, 0x66CCFF, 0x99CCFF, 0xCCCCFF, 0xFFCCFF}},
      {30, {0x00FFFF, 0x33FFFF, 0x66FFFF, 0x99FFFF, 0xCCFFFF, 0xFFFFFF, 0x000000}},
      {31, {0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0}},
      {32, {0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00}},
      {33, {0xFFFFFF, 0x000000, 0x010101, 0x020202, 0x030303, 0x040404, 0x050505}},
  };
  const QImage image = grid.grab().toImage();
  for (const Row& r : rows)
    for (int c = 0; c < 7; ++c) {
      EXPECT_EQ(grid.CellColor(r.row * 7 + c), r.colors[c]) << "cell " << c << "," << r.row;
      if (r.row == 0 && c == 0) continue;  // the current cell's frames cover its centre ring
      EXPECT_EQ(Pixel(image, CellLeft(c) + 7, CellTop(r.row) + 7), r.colors[c])
          << "cell " << c << "," << r.row;
    }
  // Rows 2 … 29 are entries 14 … 209 of the safe colours, in order.
  for (int i = 14; i < 210; ++i) EXPECT_EQ(grid.CellColor(i), ColorTable()[static_cast<size_t>(i)]) << i;
  EXPECT_EQ(grid.CellColor(238), 0x060606);  // no cell shows it, but the set runs on
}

TEST(ColorGridModel, ColourSetSwitchingAndItsNoOps) {
  TCnColorGrid grid;
  ConfigureAsMainWindow(grid);
  grid.SetCol(4);
  grid.SetRow(20);
  grid.SetColorSet(csSafeColors);  // the value it has: no resize, current cell kept
  EXPECT_EQ(grid.ColCount(), 7);
  EXPECT_EQ(grid.Row(), 20);

  grid.SetColorSet(cs16Colors);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.ColCount(), 8);
  EXPECT_EQ(grid.size(), QSize(131, 35));
  EXPECT_EQ(grid.Col(), 0);
  EXPECT_EQ(grid.Row(), 0);

  EXPECT_TRUE(grid.PreColorSet());
  EXPECT_EQ(grid.ColorSet(), csSafeColors);
  EXPECT_FALSE(grid.PreColorSet());
  EXPECT_EQ(grid.ColorSet(), csSafeColors);

  for (TColorSet expected : {cs16Colors, csGrayColors, csRedGreenColors, csHSBColors}) {
    EXPECT_TRUE(grid.NextColorSet());
    EXPECT_EQ(grid.ColorSet(), expected);
  }
  EXPECT_EQ(grid.RowCount(), 18);
  EXPECT_EQ(grid.ColCount(), 13);
  EXPECT_FALSE(grid.NextColorSet());  // no custom colours: the HSB set is the last
  EXPECT_EQ(grid.ColorSet(), csHSBColors);

  grid.SetCustomColors({"#FF8000"});
  EXPECT_TRUE(grid.NextColorSet());
  EXPECT_EQ(grid.ColorSet(), csCustomColors);
  EXPECT_EQ(grid.RowCount(), 10);
  EXPECT_EQ(grid.ColCount(), 10);
  EXPECT_EQ(grid.SelectedColor(), 0x0080FF);
  EXPECT_EQ(grid.CellColor(1), clWindow);
  EXPECT_FALSE(grid.NextColorSet());

  grid.SetCustomRowCount(3);
  grid.SetCustomColCount(4);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.size(), QSize(67, 51));
}

TEST(ColorGridModel, CustomCountsOnlyResizeTheCustomSet) {
  TCnColorGrid grid;
  grid.SetCustomRowCount(3);
  EXPECT_EQ(grid.RowCount(), 18);
  grid.SetCustomColors({"1", "2"});
  grid.SetCustomColorType(ccDec);
  grid.SetColorSet(csCustomColors);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.ColCount(), 10);
  EXPECT_EQ(grid.CellColor(1), 2);
}

TEST(ColorGridModel, WithoutAutoSizeASetChangeKeepsTheControlSize) {
  TCnColorGrid grid;
  grid.SetAutoSize(false);
  grid.SetColorSet(cs16Colors);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.ColCount(), 8);
  EXPECT_EQ(grid.size(), QSize(195, 291));
}

TEST(ColorGridModel, MovingOutsideTheGridIsRefused) {
  TCnColorGrid grid;
  ConfigureAsMainWindow(grid);
  struct Case {
    int col, row;
  } bad[] = {{7, 0}, {-1, 0}, {0, 34}, {0, -1}};
  for (const Case& k : bad) {
    try {
      grid.SetCol(k.col);
      grid.SetRow(k.row);
      ADD_FAILURE() << k.col << "," << k.row << " accepted";
    } catch (const EPintoolaError& e) {
      EXPECT_STREQ(e.what(), "Grid index out of range");
    }
  }
  EXPECT_EQ(grid.Col(), 0);
  EXPECT_EQ(grid.Row(), 0);
  grid.SetCol(6);
  grid.SetRow(33);
  EXPECT_EQ(grid.SelectedColor(), 0x050505);
}

TEST(ColorGridModel, ShrinkingTheGridPullsTheCurrentCellIn) {
  TCnColorGrid grid;
  ConfigureAsMainWindow(grid);
  grid.SetCol(6);
  grid.SetRow(33);
  grid.SetColCount(3);
  grid.SetRowCount(2);
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 1);
}

TEST(ColorGridSize, RowColKeepsForcingTheGridSize) {
  QWidget host;
  host.resize(400, 700);
  auto* grid = new TCnColorGrid(&host);
  ConfigureAsMainWindow(*grid);
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  for (QSize attempt : {QSize(300, 100), QSize(10, 10), QSize(115, 600)}) {
    grid->resize(attempt);
    EXPECT_EQ(grid->size(), QSize(115, 547));
  }
  EXPECT_EQ(grid->sizeHint(), QSize(115, 547));
}

TEST(ColorGridSize, SameWidthAndSameHeightShareTheSizeOutRoundingTiesToEven) {
  QWidget host;
  host.resize(500, 700);
  auto* grid = new TCnColorGrid(&host);  // 12 columns, 18 rows
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  grid->SetAutoSizeBy(asSameWidth);
  struct Case {
    int width, colWidth;
  } widths[] = {{250, 20}, {210, 16}, {222, 18}, {200, 16}};
  for (const Case& k : widths) {
    grid->resize(k.width, 50);
    EXPECT_EQ(grid->DefaultColWidth(), k.colWidth) << k.width;
    EXPECT_EQ(grid->size(), QSize(k.width, 291)) << k.width;
  }
  grid->SetAutoSizeBy(asSameHeight);
  grid->SetDefaultColWidth(15);
  grid->resize(50, 300);  // (300 - 18) / 18 = 15.67
  EXPECT_EQ(grid->DefaultRowHeight(), 16);
  EXPECT_EQ(grid->size(), QSize(195, 300));
}

TEST_F(PaletteGrid, CellFillsAndTheCurrentCellsThreeFrames) {
  grid_->SetCol(3);
  grid_->SetRow(5);
  FocusOther();
  const QImage image = Grab();
  const TColor fill = ColorAt(3, 5);
  const int l = CellLeft(3), t = CellTop(5), r = l + 15, b = t + 15;
  for (int i = 0; i <= 15; ++i) {
    // Outer black frame over the 16 × 16 square including the cell's own line column and row.
    EXPECT_EQ(Pixel(image, l + i, t), clBlack) << i;
    EXPECT_EQ(Pixel(image, l + i, b), clBlack) << i;
    EXPECT_EQ(Pixel(image, l, t + i), clBlack) << i;
    EXPECT_EQ(Pixel(image, r, t + i), clBlack) << i;
  }
  for (int i = 1; i <= 14; ++i) {
    EXPECT_EQ(Pixel(image, l + i, t + 1), Shown(clWindow)) << i;
    EXPECT_EQ(Pixel(image, r - 1, t + i), Shown(clWindow)) << i;
  }
  for (int i = 2; i <= 13; ++i) {
    EXPECT_EQ(Pixel(image, l + i, t + 2), clBlack) << i;
    EXPECT_EQ(Pixel(image, l + 2, t + i), clBlack) << i;
    EXPECT_EQ(Pixel(image, r - 2, t + i), clBlack) << i;
  }
  for (int y = t + 3; y <= b - 3; ++y)
    for (int x = l + 3; x <= r - 3; ++x) ASSERT_EQ(Pixel(image, x, y), fill) << x << "," << y;
}

TEST_F(PaletteGrid, OrdinaryCellsHaveASunkenEdge) {
  FocusOther();
  grid_->SetGridLineColor2(clRed);  // tell the window-colour edge apart from white cells
  const QImage image = Grab();
  const int l = CellLeft(2), t = CellTop(4), r = l + 15, b = t + 15;
  const TColor fill = ColorAt(2, 4);
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(Pixel(image, l + i, t), Shown(clGrayText)) << i;
    if (i > 0) {
      EXPECT_EQ(Pixel(image, l, t + i), Shown(clGrayText)) << i;
      EXPECT_EQ(Pixel(image, r, t + i), clRed) << i;
    }
    EXPECT_EQ(Pixel(image, l + 1 + i, b), clRed) << i;
  }
  for (int y = t + 1; y < b; ++y)
    for (int x = l + 1; x < r; ++x) ASSERT_EQ(Pixel(image, x, y), fill) << x << "," << y;
  // The cell leaves (R, T) and (L, B) alone: the next cells' edges do not cover them either.
  EXPECT_NE(Pixel(image, r, t), clRed);
  EXPECT_NE(Pixel(image, r, t), Shown(clGrayText));
}

TEST_F(PaletteGrid, LastColumnAndRowEdgesFallOutsideTheClientArea) {
  FocusOther();
  grid_->SetCol(6);
  grid_->SetRow(10);
  const QImage image = Grab();
  // x = 113 and y = 545 are the inner ring of the border, not the cells' line column and row.
  const TColor innerRing = Shown(cl3DLight);
  EXPECT_EQ(Pixel(image, 113, CellTop(3) + 5), innerRing);         // an ordinary cell's window-colour edge
  EXPECT_EQ(Pixel(image, 113, CellTop(10) + 5), innerRing);        // the current cell's outer frame
  EXPECT_EQ(Pixel(image, 112, CellTop(10) + 5), Shown(clWindow));  // its middle frame is still inside
  EXPECT_EQ(Pixel(image, CellLeft(2) + 5, 545), innerRing);
  EXPECT_EQ(Pixel(image, 114, 300), Shown(clBtnHighlight));
  EXPECT_EQ(Pixel(image, 0, 300), Shown(clBtnShadow));
  EXPECT_EQ(Pixel(image, 1, 300), Shown(cl3DDkShadow));
}

TEST_F(PaletteGrid, FocusRectangleOnlyWhileFocused) {
  grid_->SetCol(3);
  grid_->SetRow(5);
  const int l = CellLeft(3), t = CellTop(5);
  FocusOther();
  QImage image = Grab();
  EXPECT_EQ(Pixel(image, l + 1, t + 1), Shown(clWindow));
  EXPECT_EQ(Pixel(image, l + 3, t + 1), Shown(clWindow));
  EXPECT_EQ(Pixel(image, l + 13, t + 3), clBlack);
  FocusGrid();
  image = Grab();
  // Every other pixel along the shrunk cell rectangle is inverted.
  EXPECT_EQ(Pixel(image, l + 1, t + 1), clBlack);
  EXPECT_EQ(Pixel(image, l + 2, t + 1), Shown(clWindow));
  EXPECT_EQ(Pixel(image, l + 3, t + 1), clBlack);
  EXPECT_EQ(Pixel(image, l + 13, t + 3), clWhite);
  // Only the current cell carries it.
  EXPECT_EQ(Pixel(image, CellLeft(1) + 1, CellTop(1) + 1), ColorAt(1, 1));
}

class WideScrollBars : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    return metric == PM_ScrollBarExtent ? 40 : QProxyStyle::pixelMetric(metric, option, widget);
  }
};

TEST_F(PaletteGrid, OnlyTheCornerSquareIsErased) {
  WideScrollBars style;
  grid_->setStyle(&style);
  QPalette palette = grid_->palette();
  palette.setColor(QPalette::Window, QColor(255, 0, 255));
  grid_->setPalette(palette);
  FocusOther();
  const QImage image = Grab();
  // (R, T) and (L, B) of an ordinary cell keep what lies beneath …
  EXPECT_EQ(Pixel(image, CellLeft(1) + 15, CellTop(1)), 0xFF00FF);
  EXPECT_EQ(Pixel(image, CellLeft(1), CellTop(1) + 15), 0xFF00FF);
  // … except inside the square 40 × 40 back from the outer size, erased in Color.
  EXPECT_EQ(Pixel(image, CellLeft(5) + 15, CellTop(32)), Shown(clWindow));
  EXPECT_EQ(Pixel(image, CellLeft(5), CellTop(32) + 15), Shown(clWindow));
  EXPECT_EQ(Pixel(image, CellLeft(3) + 15, CellTop(32)), 0xFF00FF);  // x = 65, left of the square
  EXPECT_EQ(Pixel(image, CellLeft(5) + 15, CellTop(31)), 0xFF00FF);  // y = 498, above it
  grid_->setStyle(nullptr);
}

TEST_F(PaletteGrid, HotTrackingMovesTheFrameWithoutAClick) {
  QSignalSpy clicks(grid_, &TCnColorGrid::clicked);
  QTest::mouseMove(grid_, CellCenter(3, 5));
  EXPECT_EQ(grid_->Col(), 3);
  EXPECT_EQ(grid_->Row(), 5);
  QTest::mouseMove(grid_, QPoint(150, 300));  // outside every cell: nothing changes
  EXPECT_EQ(grid_->Col(), 3);
  EXPECT_EQ(grid_->Row(), 5);
  EXPECT_EQ(clicks.count(), 0);
  const QImage image = Grab();
  EXPECT_EQ(Pixel(image, CellLeft(3), CellTop(5)), clBlack);
  EXPECT_EQ(Pixel(image, CellLeft(0) + 7, CellTop(0) + 7), ColorAt(0, 0));

  grid_->SetHotTrace(false);
  QTest::mouseMove(grid_, CellCenter(1, 1));
  EXPECT_EQ(grid_->Col(), 3);
  EXPECT_EQ(grid_->Row(), 5);
  // Without hot tracking a held left button still drags the current cell along.
  ClickLog log(grid_);
  QTest::mousePress(grid_, Qt::LeftButton, {}, CellCenter(1, 1));
  QTest::mouseMove(grid_, CellCenter(2, 7));
  EXPECT_EQ(grid_->Row(), 7);
  QTest::mouseRelease(grid_, Qt::LeftButton, {}, CellCenter(2, 7));
  EXPECT_EQ(log.colors, std::vector<TColor>{ColorAt(2, 7)});
}

TEST_F(PaletteGrid, PressDragReleaseChoosesTheCellUnderTheRelease) {
  ClickLog log(grid_);
  QTest::mousePress(grid_, Qt::LeftButton, {}, CellCenter(1, 1));
  EXPECT_TRUE(grid_->Selecting());
  EXPECT_TRUE(grid_->ScrollTimerActive());
  EXPECT_TRUE(grid_->hasFocus());
  EXPECT_TRUE(log.colors.empty());
  QTest::mouseMove(grid_, CellCenter(4, 2));
  QTest::mouseRelease(grid_, Qt::LeftButton, {}, CellCenter(4, 2));
  EXPECT_EQ(log.colors, std::vector<TColor>{ColorAt(4, 2)});
  EXPECT_FALSE(grid_->Selecting());
  EXPECT_FALSE(grid_->ScrollTimerActive());
}

TEST_F(PaletteGrid, ReleaseOutsideChoosesTheLastCellCrossed) {
  ClickLog log(grid_);
  QTest::mousePress(grid_, Qt::LeftButton, {}, CellCenter(2, 3));
  QTest::mouseMove(grid_, CellCenter(4, 6));
  QTest::mouseMove(grid_, QPoint(150, 300));
  QTest::mouseRelease(grid_, Qt::LeftButton, {}, QPoint(150, 300));
  EXPECT_EQ(log.colors, std::vector<TColor>{ColorAt(4, 6)});
}

TEST_F(PaletteGrid, RightAndMiddleButtonsTakeFocusButChooseNothing) {
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    FocusOther();
    QSignalSpy clicks(grid_, &TCnColorGrid::clicked);
    QTest::mousePress(grid_, button, {}, CellCenter(4, 4));
    EXPECT_TRUE(grid_->hasFocus()) << button;
    EXPECT_FALSE(grid_->Selecting()) << button;
    QTest::mouseRelease(grid_, button, {}, CellCenter(4, 4));
    EXPECT_EQ(grid_->Col(), 0) << button;
    EXPECT_EQ(grid_->Row(), 0) << button;
    EXPECT_EQ(clicks.count(), 0) << button;
  }
}

TEST_F(PaletteGrid, DoubleClickRaisesOneClickAndOneDoubleClick) {
  // Through the window system (press, release, press, double click, release) and as bare widget
  // events (press, release, double click, release).
  const QPoint at = CellCenter(2, 2);
  std::function<void()> ways[] = {
      [&] { QTest::mouseDClick(host_.windowHandle(), Qt::LeftButton, {}, grid_->mapTo(&host_, at)); },
      [&] {
        QTest::mouseClick(grid_, Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid_, Qt::LeftButton, {}, at);
        QTest::mouseRelease(grid_, Qt::LeftButton, {}, at);
      },
  };
  for (auto& doubleClick : ways) {
    grid_->SetCol(0);
    grid_->SetRow(0);
    QSignalSpy clicks(grid_, &TCnColorGrid::clicked);
    QSignalSpy doubles(grid_, &TCnColorGrid::doubleClicked);
    doubleClick();
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(grid_->Col(), 2);
    EXPECT_EQ(grid_->Row(), 2);
    EXPECT_FALSE(grid_->Selecting());
  }
}

TEST_F(PaletteGrid, KeysMoveTheCurrentCellAndChooseIt) {
  struct Case {
    TGridCoord from;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    TGridCoord to;
  } cases[] = {
      // Every key once; the full table of targets is the pure function's (CnGridLayout_test).
      {{3, 5}, Qt::Key_Left, {}, {2, 5}},
      {{3, 5}, Qt::Key_Right, {}, {4, 5}},
      {{3, 5}, Qt::Key_Up, {}, {3, 4}},
      {{3, 5}, Qt::Key_Down, {}, {3, 6}},
      {{3, 33}, Qt::Key_Down, {}, {3, 33}},
      {{3, 5}, Qt::Key_PageDown, {}, {3, 33}},
      {{3, 33}, Qt::Key_PageUp, {}, {3, 0}},
      {{3, 5}, Qt::Key_Home, {}, {0, 5}},
      {{3, 5}, Qt::Key_End, {}, {6, 5}},
      {{3, 5}, Qt::Key_End, Qt::ControlModifier, {6, 33}},
      {{3, 5}, Qt::Key_Left, Qt::ShiftModifier, {2, 5}},
      {{3, 5}, Qt::Key_F2, {}, {3, 5}},
      {{3, 5}, Qt::Key_A, {}, {3, 5}},
  };
  FocusGrid();
  for (const Case& k : cases) {
    grid_->SetCol(k.from.Col);
    grid_->SetRow(k.from.Row);
    ClickLog log(grid_);
    QTest::keyClick(grid_, k.key, k.mods);
    const std::string what = std::to_string(k.from.Col) + "," + std::to_string(k.from.Row) + " key " +
                             QKeySequence(k.key | k.mods).toString().toStdString();
    EXPECT_EQ(grid_->Col(), k.to.Col) << what;
    EXPECT_EQ(grid_->Row(), k.to.Row) << what;
    const bool moved = !(k.from == k.to);
    EXPECT_EQ(log.colors, moved ? std::vector<TColor>{ColorAt(k.to.Col, k.to.Row)} : std::vector<TColor>{})
        << what;
    grid_->disconnect();
  }
}

TEST_F(PaletteGrid, TabIsLeftToTheDialog) {
  FocusGrid();
  QTest::keyClick(grid_, Qt::Key_Tab);
  EXPECT_TRUE(other_->hasFocus());
}

TEST_F(PaletteGrid, KeysMoveFromTheFramedCellNotTheChosenOne) {
  ClickLog log(grid_);
  QTest::mouseClick(grid_, Qt::LeftButton, {}, CellCenter(0, 1));
  QTest::mouseMove(grid_, CellCenter(3, 4));
  QTest::keyClick(grid_, Qt::Key_Right);
  EXPECT_EQ(log.colors, (std::vector<TColor>{ColorAt(0, 1), ColorAt(4, 4)}));
}

void Wheel(QWidget* w, int delta) {
  QWheelEvent event(QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, delta),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &event);
}

TEST_F(PaletteGrid, WheelMovesARowPerNotch) {
  struct Case {
    int fromRow;
    std::vector<int> deltas;
    int toRow;
    int clicks;
  } cases[] = {
      {0, {-120}, 1, 1},   {0, {-240}, 2, 2}, {5, {120}, 4, 1},      {0, {120}, 0, 0},
      {33, {-120}, 33, 0}, {0, {-60}, 0, 0},  {0, {-60, -60}, 1, 1}, {32, {-360}, 33, 1},
  };
  FocusGrid();
  for (const Case& k : cases) {
    TCnColorGrid fresh(&host_);  // no wheel remainder carried over from the last case
    ConfigureAsMainWindow(fresh);
    fresh.show();
    fresh.setFocus();
    ASSERT_TRUE(fresh.hasFocus());
    fresh.SetCol(2);
    fresh.SetRow(k.fromRow);
    ClickLog log(&fresh);
    for (int d : k.deltas) Wheel(&fresh, d);
    EXPECT_EQ(fresh.Row(), k.toRow) << k.fromRow;
    EXPECT_EQ(fresh.Col(), 2);
    EXPECT_EQ(static_cast<int>(log.colors.size()), k.clicks) << k.fromRow;
    if (k.clicks > 0) {
      EXPECT_EQ(log.colors.back(), fresh.CellColor(k.toRow * 7 + 2));
    }
  }
  // Without the focus the wheel is not the grid's.
  FocusOther();
  QSignalSpy clicks(grid_, &TCnColorGrid::clicked);
  Wheel(grid_, -120);
  EXPECT_EQ(grid_->Row(), 0);
  EXPECT_EQ(clicks.count(), 0);
}

}  // namespace
}  // namespace pintoola
