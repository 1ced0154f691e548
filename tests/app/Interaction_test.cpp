#include <QCursor>
#include <QTest>
#include <QWindow>

#include "platform/Image.h"
#include "styled/cyBitBtn.h"
#include "styled/cyLabel.h"
#include "styled/cySpeedButton.h"
#include "tests/app/AppFixture.h"

namespace pintoola::testing {
namespace {

// A 20 × 10 white page with a black vertical line at x = 10 and a grey pixel at (15, 5).
TColor TwoAreas(int x, int y) {
  if (x == 10) return clBlack;
  if (x == 15 && y == 5) return 0x808080;
  return clWhite;
}

class PageInteraction : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    form->resize(1122, 912);
    form->show();
    QCoreApplication::processEvents();
    WriteBmp(base + "images/page.bmp", 20, 10, TwoAreas);
    form->image2->Picture().LoadFromFile(base + "images/page.bmp");
    form->CurrentPageFile = base + "images/page.bmp";
  }
  PageBitmap& Page() { return form->image2->Picture(); }
  void Point(int x, int y) { QCursor::setPos(form->image2->mapToGlobal(QPoint(x, y))); }
  // The pointer moved there as the windowing system reports it: a move to the window under it.
  void MoveTo(int x, int y) {
    Point(x, y);
    QCoreApplication::processEvents();
  }
  void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    Point(x, y);
    QTest::mouseClick(form->image2, button, {}, QPoint(x, y));
  }
  // A click that opens `dialog`, answered with `result`.
  void ClickAnswering(QDialog* dialog, int result, int x, int y) {
    WithWindow(dialog, [dialog, result] { dialog->done(result); }, [&] { Click(x, y); });
  }
};

TEST_F(PageInteraction, LeftClickTakesASnapshotThenFillsTheAreaUnderThePointer) {
  form->SelectedColor = clRed;
  Click(2, 3);
  ASSERT_EQ(form->UndoHistory.Count(), 1u);
  EXPECT_EQ(Page().Pixels(0, 0), clRed);
  EXPECT_EQ(Page().Pixels(9, 9), clRed);
  EXPECT_EQ(Page().Pixels(10, 0), clBlack);
  EXPECT_EQ(Page().Pixels(11, 0), clWhite);
  EXPECT_EQ(form->UndoHistory.Snapshot(0).Pixels(0, 0), clWhite) << "the snapshot is the page before the fill";
}

TEST_F(PageInteraction, ClickOutsideASmallPageTakesASnapshotButPaintsNothing) {
  form->SelectedColor = clRed;
  Click(100, 50);
  EXPECT_EQ(form->UndoHistory.Count(), 1u);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(Page().Pixels(x, 0), TwoAreas(x, 0));
}

TEST_F(PageInteraction, DoubleClickFillsOnceWithOneSnapshot) {
  form->SelectedColor = clBlue;
  Point(2, 2);
  QTest::mouseClick(form->image2, Qt::LeftButton, {}, QPoint(2, 2));
  QTest::mouseDClick(form->image2, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(form->UndoHistory.Count(), 1u);
  EXPECT_EQ(Page().Pixels(2, 2), clBlue);
}

TEST_F(PageInteraction, ReleaseOutsideTheViewIsNoClickAndDragKeepsUpdatingTheLabel) {
  Point(2, 2);
  QTest::mousePress(form->image2, Qt::LeftButton, {}, QPoint(2, 2));
  Point(-30, -7);
  QTest::mouseMove(form->image2, QPoint(-30, -7));
  EXPECT_EQ(form->lbl2->Caption(), "-30 -7");
  QTest::mouseRelease(form->image2, Qt::LeftButton, {}, QPoint(-30, -7));
  EXPECT_TRUE(form->UndoHistory.Empty());
  EXPECT_EQ(Page().Pixels(2, 2), clWhite);
}

TEST_F(PageInteraction, RightDragOutOfTheViewReportsNoPagePointOutsideIt) {
  // Through the window, as the windowing system delivers it: Qt hands every move of a held button
  // to the control that was pressed, but only a left press holds the mouse.
  QWindow* window = form->windowHandle();
  const QPoint origin = form->image2->mapTo(form, QPoint(0, 0));
  MoveTo(4, 3);
  EXPECT_EQ(form->lbl2->Caption(), "4 3");
  QTest::mousePress(window, Qt::RightButton, {}, origin + QPoint(4, 3));
  EXPECT_EQ(form->SelectedColor, clWhite);
  const int right = form->image2->width() + 5;  // over the style column
  const QPoint path[] = {{-30, -7}, {-1, 3}, {6, 2}, {25, 500}, {right, 2}};
  for (const QPoint& p : path) {
    MoveTo(p.x(), p.y());
    const bool inside = form->image2->rect().contains(p);
    EXPECT_EQ(form->lbl2->Caption(), inside ? QString("%1 %2").arg(p.x()).arg(p.y()) : QString("X Y"))
        << p.x() << ", " << p.y();
  }
  QTest::mouseRelease(window, Qt::RightButton, {}, origin + QPoint(right, 2));
  EXPECT_EQ(form->lbl2->Caption(), "X Y");
  EXPECT_TRUE(form->UndoHistory.Empty());
}

TEST_F(PageInteraction, AModalWindowOpeningOverThePageIsNoLeave) {
  for (const bool pointerMovesAway : {false, true}) {
    MoveTo(-20, 5);
    form->btn12Click();
    MoveTo(7, 4);
    ASSERT_EQ(form->lbl2->Caption(), "7 4");
    ASSERT_EQ(form->image2->cursor().shape(), Qt::PointingHandCursor);
    QString whileOpen;
    WithWindow(
        Form4,
        [&] {
          whileOpen = form->lbl2->Caption();
          if (pointerMovesAway) MoveTo(-20, 5);
          Form4->done(mrCancel);
        },
        [&] { QTest::mouseClick(form->image2, Qt::LeftButton, {}, QPoint(7, 4)); });
    EXPECT_FALSE(form->SignatureMode);
    EXPECT_EQ(whileOpen, "7 4");
    if (!pointerMovesAway) {
      EXPECT_EQ(form->lbl2->Caption(), "7 4");
      EXPECT_EQ(form->image2->cursor().shape(), Qt::PointingHandCursor) << "the pointer never left: no new entry";
    }
    // The pointer seen outside the view shows "X Y"; coming back shows the cross of the mode now off.
    MoveTo(-21, 5);
    EXPECT_EQ(form->lbl2->Caption(), "X Y") << pointerMovesAway;
    MoveTo(3, 3);
    EXPECT_EQ(form->lbl2->Caption(), "3 3");
    EXPECT_EQ(form->image2->cursor().shape(), Qt::CrossCursor) << pointerMovesAway;
  }
}

TEST_F(PageInteraction, RightButtonPicksTheColourWithoutTouchingPageOrHistory) {
  struct Case {
    int x, y;
    TColor expected;
    const char* label;
  } cases[] = {{15, 5, 0x808080, "8421504"}, {10, 0, clBlack, "0"}, {0, 0, clWhite, "16777215"}, {300, 2, -1, "-1"}};
  for (const Case& c : cases) {
    Point(c.x, c.y);
    QTest::mousePress(form->image2, Qt::RightButton, {}, QPoint(c.x, c.y));
    QTest::mouseRelease(form->image2, Qt::RightButton, {}, QPoint(c.x, c.y));
    EXPECT_EQ(form->SelectedColor, c.expected);
    EXPECT_EQ(form->lbl1->Caption(), c.label);
    ASSERT_TRUE(form->image3->HasPicture());
  }
  EXPECT_TRUE(form->UndoHistory.Empty());
  EXPECT_EQ(form->image3->Picture().Pixels(0, 0), clBlack) << "−1 resolves to black in the swatch";
}

TEST_F(PageInteraction, MovingShowsThePagePointAndLeavingShowsXY) {
  Point(7, 4);
  QTest::mouseMove(form->image2, QPoint(7, 4));
  EXPECT_EQ(form->lbl2->Caption(), "7 4");
  form->image2MouseLeave();
  EXPECT_EQ(form->lbl2->Caption(), "X Y");
}

TEST_F(PageInteraction, EmptyPageIgnoresClicksAndMoves) {
  form->btn23Click();
  form->SignatureMode = true;
  Click(2, 2);
  Click(2, 2, Qt::RightButton);
  Point(3, 3);
  QTest::mouseMove(form->image2, QPoint(3, 3));
  EXPECT_TRUE(form->UndoHistory.Empty());
  EXPECT_EQ(form->SelectedColor, clBlack);
  EXPECT_EQ(form->lbl2->Caption(), "X, Y");
}

TEST_F(PageInteraction, PointerShapeFollowsTheModeAtEntry) {
  form->image2MouseEnter();
  EXPECT_EQ(form->image2->cursor().shape(), Qt::CrossCursor);
  form->btn12Click();
  EXPECT_EQ(form->image2->cursor().shape(), Qt::CrossCursor) << "no change until the next entry";
  form->image2MouseEnter();
  EXPECT_EQ(form->image2->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(PageInteraction, SignatureToggleFlipsModeAndButton) {
  form->btn12Click();
  EXPECT_TRUE(form->SignatureMode);
  EXPECT_TRUE(form->btn12->Down());
  EXPECT_FALSE(form->btn12->AllowAllUp());
  form->btn12Click();
  EXPECT_FALSE(form->SignatureMode);
  EXPECT_FALSE(form->btn12->Down());
  EXPECT_TRUE(form->btn12->AllowAllUp());
}

TEST_F(PageInteraction, CancelledSignatureEndsTheModeAndKeepsItsSnapshot) {
  form->btn12Click();
  ClickAnswering(Form4, mrCancel, 2, 2);
  EXPECT_FALSE(form->SignatureMode);
  EXPECT_FALSE(form->btn12->Down());
  ASSERT_EQ(form->UndoHistory.Count(), 1u);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(Page().Pixels(x, 2), TwoAreas(x, 2));
}

TEST_F(PageInteraction, ConfirmedSignatureStampsTextOnAnOpaqueBoxOfTheClickedColour) {
  WriteBmp(base + "images/big.bmp", 200, 60, [](int x, int) { return x == 30 ? clBlack : clWhite; });
  Page().LoadFromFile(base + "images/big.bmp");
  Form4->edt1->setPlainText("Ann");
  Form4->dlgFont1.color = clRed;
  form->btn12Click();
  ClickAnswering(Form4, mrOk, 20, 10);
  EXPECT_FALSE(form->SignatureMode);
  int red = 0, blackLeft = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) {
      const TColor c = Page().Pixels(x, y);
      if (GetRValue(c) > 200 && GetGValue(c) < 80) ++red;
    }
  for (int y = 10; y < 14; ++y) blackLeft += Page().Pixels(30, y) == clBlack;
  EXPECT_GT(red, 5) << "the text is drawn in the font colour";
  EXPECT_EQ(blackLeft, 0) << "the opaque box covers the line under the text";
  EXPECT_EQ(Page().Pixels(30, 59), clBlack) << "below the text the line is untouched";
  EXPECT_EQ(Page().Pixels(19, 10), clWhite) << "nothing left of the click point";
}

TEST_F(PageInteraction, ThreeFillsThenThreeUndosRestoreThePage) {
  const TColor colours[] = {clRed, clBlue, clLime};
  for (TColor c : colours) {
    form->SelectedColor = c;
    Click(2, 2);
  }
  EXPECT_EQ(Page().Pixels(2, 2), clLime);
  for (int i = 0; i < 3; ++i) form->btn20Click();
  EXPECT_TRUE(form->UndoHistory.Empty());
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(Page().Pixels(x, y), TwoAreas(x, y));
  form->btn20Click();  // nothing left to undo
  EXPECT_EQ(Page().Pixels(2, 2), clWhite);
}

TEST_F(PageInteraction, StyleButtonsSetTheStyleOnlyAndTheNextChoicePaintsTheSwatchInIt) {
  form->btn2Click();
  EXPECT_EQ(form->SelectedBrushStyle, bsCross);
  EXPECT_FALSE(form->image3->HasPicture());
  EXPECT_EQ(form->lbl1->Caption(), "0");
  form->SelectedColor = clRed;
  form->setTheSelectedColor();
  PageBitmap& swatch = form->image3->Picture();
  EXPECT_EQ(swatch.Width(), 96);
  EXPECT_EQ(swatch.Height(), 33);
  int red = 0, white = 0;
  for (int y = 0; y < 33; ++y)
    for (int x = 0; x < 96; ++x) (swatch.Pixels(x, y) == clRed ? red : white)++;
  EXPECT_GT(red, 0);
  EXPECT_GT(white, red) << "a hatch keeps the swatch's white between its lines";
  const std::pair<TcyBitBtn*, TBrushStyle> buttons[] = {
      {form->btn3, bsSolid},     {form->btn6, bsHorizontal}, {form->btn7, bsVertical}, {form->btn9, bsFDiagonal},
      {form->btn10, bsBDiagonal}, {form->btn2, bsCross},     {form->btn5, bsDiagCross}};
  for (const auto& b : buttons) {
    QTest::mouseClick(b.first, Qt::LeftButton);
    EXPECT_EQ(form->SelectedBrushStyle, b.second);
  }
  EXPECT_EQ(form->lbl1->Caption(), "0") << "a style button repaints neither label nor swatch";
}

}  // namespace
}  // namespace pintoola::testing

#include <QApplication>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include "palette/CnColorGrid.h"
#include "palette/CnGridLayout.h"

namespace pintoola::testing {
namespace {

// Clicks the palette cell that shows `colour` and returns false when no cell does.
bool ClickPaletteColour(TCnColorGrid* grid, TColor colour) {
  const int cells = grid->ColCount() * grid->RowCount();
  for (int i = 0; i < cells; ++i) {
    if (grid->CellColor(i) != colour) continue;
    const TRect r = CellRect(grid->Metrics(), i % grid->ColCount(), i / grid->ColCount());
    const QPoint centre = grid->ClientRect().topLeft() + QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    QTest::mouseClick(grid, Qt::LeftButton, {}, centre);
    return true;
  }
  return false;
}

TEST_F(PageInteraction, PaletteChoicesShowTheirNumberAndPaintTheSwatch) {
  const std::pair<TColor, const char*> choices[] = {{clRed, "255"}, {clBlue, "16711680"}, {clWhite, "16777215"}};
  for (const auto& [colour, label] : choices) {
    ASSERT_TRUE(ClickPaletteColour(form->cnclrgrd1, colour));
    EXPECT_EQ(form->SelectedColor, colour);
    EXPECT_EQ(form->lbl1->Caption(), label);
    EXPECT_EQ(form->image3->Picture().Pixels(50, 20), colour);
  }
}

// A wheel notch as the windowing system delivers it: to the control under the pointer, passed on
// to its parents while none takes it.
void WheelOver(QWidget* w, QPoint at, int delta) {
  QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&event);
  QApplication::instance()->notify(w, &event);
}

TEST_F(PageInteraction, WheelOverTheWindowMovesThePaletteWhileItHasTheFocus) {
  TCnColorGrid* grid = form->cnclrgrd1;
  ASSERT_TRUE(ClickPaletteColour(grid, clRed));
  ASSERT_TRUE(grid->hasFocus());
  const int col = grid->Col(), row = grid->Row();
  // Over the page, then over a toolbar button: each notch down chooses the cell one row lower.
  QWidget* const places[] = {form->image2, form->btn1};
  int expectedRow = row;
  for (QWidget* place : places) {
    WheelOver(place, QPoint(5, 5), -120);
    ++expectedRow;
    EXPECT_EQ(grid->Row(), expectedRow) << (place == form->image2 ? "over the page" : "over a button");
    EXPECT_EQ(grid->Col(), col);
    EXPECT_EQ(form->SelectedColor, grid->CellColor(expectedRow * grid->ColCount() + col));
    EXPECT_EQ(form->lbl1->Caption(), QString::number(form->SelectedColor));
  }
  WheelOver(form->image2, QPoint(5, 5), 120);
  EXPECT_EQ(grid->Row(), expectedRow - 1) << "a notch up, one row higher";
}

TEST_F(PageInteraction, HatchedChoicesPileUpInTheSwatchUntilASolidOne) {
  form->btn6Click();  // horizontal lines
  ASSERT_TRUE(ClickPaletteColour(form->cnclrgrd1, clRed));
  PageBitmap& swatch = form->image3->Picture();
  EXPECT_EQ(swatch.Pixels(3, 7), clRed);
  EXPECT_EQ(swatch.Pixels(3, 6), clWhite) << "between the lines the new swatch is white";
  form->btn7Click();  // vertical lines over the horizontal ones
  ASSERT_TRUE(ClickPaletteColour(form->cnclrgrd1, clBlue));
  EXPECT_EQ(swatch.Pixels(7, 3), clBlue);
  EXPECT_EQ(swatch.Pixels(3, 7), clRed) << "the earlier lines stay";
  form->btn3Click();
  ASSERT_TRUE(ClickPaletteColour(form->cnclrgrd1, clLime));
  for (const auto& [x, y] : {std::pair{3, 7}, std::pair{7, 3}, std::pair{3, 3}}) EXPECT_EQ(swatch.Pixels(x, y), clLime);
}

TEST_F(PageInteraction, SignatureBoxComesAndGoesWithTheBrushStyleOfThePageObject) {
  // White with a black line at x = 12 that the signature's box, when there is one, covers.
  WriteBmp(base + "images/wide.bmp", 200, 40, [](int x, int) { return x == 12 ? clBlack : clWhite; });
  Page().LoadFromFile(base + "images/wide.bmp");
  Form4->edt1->setPlainText("Zoe");
  Form4->dlgFont1.color = clRed;
  auto sign = [&] {
    form->btn12Click();
    ClickAnswering(Form4, mrOk, 5, 5);
  };
  auto blackOnTheLine = [&] {
    int n = 0;
    for (int y = 5; y < 12; ++y) n += Page().Pixels(12, y) == clBlack;
    return n;
  };
  // After a hatched fill the text has no box: the line shows between the letters.
  form->SelectedColor = clBlue;
  form->btn2Click();
  Click(1, 1);
  sign();
  EXPECT_GT(blackOnTheLine(), 0);
  // Undo the signature and the fill: the restored page object starts with a solid brush again.
  form->btn20Click();
  form->btn20Click();
  ASSERT_EQ(blackOnTheLine(), 7);
  sign();
  EXPECT_EQ(blackOnTheLine(), 0) << "the box in the clicked pixel's white covers the line";
  EXPECT_FALSE(form->SignatureMode);
}

}  // namespace
}  // namespace pintoola::testing
