#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "StyledTestUtil.h"
#include "styled/cyBitBtn.h"
#include "styled/cyGraphics.h"
#include "styled/cySpeedButton.h"
#include "support/AnswerWindow.h"

namespace pintoola {
namespace {

using testing::kSentinel;
using testing::Pixel;
using testing::Render;

// A 32 × 32 glyph whose bottom-left pixel is black with alpha 0 (the key): red at its top-left,
// a translucent blue pixel that is drawn opaque, black elsewhere.
QImage ToolbarGlyph() {
  QImage glyph(32, 32, QImage::Format_ARGB32);
  glyph.fill(QColor(0, 0, 0, 0));
  glyph.setPixelColor(0, 0, QColor(255, 0, 0));
  glyph.setPixelColor(5, 5, QColor(0, 0, 255, 10));
  return glyph;
}

void Hover(QWidget& w) {
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&w, &enter);
}

struct FaceExpectation {
  const char* name;
  TColor row23, row24;                         // gradient inside the rings
  TColor outer;                                // outer ring
  TColor top, left12, left20, left35, bottom;  // inner ring
};

void ExpectFace(const QImage& image, const FaceExpectation& e) {
  SCOPED_TRACE(e.name);
  for (auto [x, y] : {std::pair{0, 0}, {74, 0}, {0, 46}, {74, 46}}) EXPECT_EQ(Pixel(image, x, y), kSentinel);
  EXPECT_EQ(Pixel(image, 60, 23), e.row23);
  EXPECT_EQ(Pixel(image, 60, 24), e.row24);
  EXPECT_EQ(Pixel(image, 0, 1), e.outer);
  EXPECT_EQ(Pixel(image, 1, 0), e.outer);
  EXPECT_EQ(Pixel(image, 74, 20), e.outer);
  EXPECT_EQ(Pixel(image, 40, 46), e.outer);
  EXPECT_EQ(Pixel(image, 40, 1), e.top);
  EXPECT_EQ(Pixel(image, 1, 12), e.left12);
  EXPECT_EQ(Pixel(image, 1, 20), e.left20);
  EXPECT_EQ(Pixel(image, 1, 35), e.left35);
  EXPECT_EQ(Pixel(image, 40, 45), e.bottom);
}

TcyBitBtn* ToolbarButton(QWidget* parent) {
  auto* button = new TcyBitBtn(parent);
  button->resize(75, 47);
  button->Degrade().SetFromColor(clYellow);
  button->Degrade().SetToColor(clOrange);
  button->Degrade().SetSpeedPercent(90);
  button->SetGlyph(ToolbarGlyph());
  return button;
}

TEST(TcyBitBtn, ToolbarButtonFaceByState) {
  QWidget window;
  TcyBitBtn& button = *ToolbarButton(&window);

  ExpectFace(Render(button),
             {"normal", 0x00CCFF, 0x00B1FF, 0x004DCC, 0x66FFFF, 0x4CEFFF, 0x33DFFF, 0x19CFFF, 0x00BFFF});

  Hover(button);
  ASSERT_TRUE(button.MouseOver());
  // Hot: the lower half runs from orange back towards yellow.
  ExpectFace(Render(button),
             {"hot", 0x00CCFF, 0x0086FF, 0x004DCC, 0x66FFFF, 0x4CEFFF, 0x33DFFF, 0x19CFFF, 0x00BFFF});
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_FALSE(button.MouseOver());

  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(30, 20));
  ASSERT_EQ(button.DrawState(), bsDown);
  // Pressed: 0x00CCCC → 0x004DCC mirrored; plain inner ring 0x008CCC left and top, 0x66FFFF right and bottom.
  // Row 24 is one of 23 steps from 0x4D to 0xCC: 0x4D + 127 ÷ 23 = 0x53.
  ExpectFace(Render(button),
             {"pressed", 0x004DCC, 0x0053CC, 0x001A99, 0x008CCC, 0x008CCC, 0x008CCC, 0x008CCC, 0x66FFFF});
  EXPECT_EQ(Pixel(Render(button), 73, 20), 0x66FFFF);
  EXPECT_EQ(Pixel(Render(button), 2, 2), 0x00BCCC);  // 3 of 24 steps down: 0xCC − 381 ÷ 24
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(30, 20));

  button.setEnabled(false);
  // Disabled: 0x4DFFFF → 0x4DCDFF; gloss ring L 0xB3FFFF, M 0x4DE6FF.
  ExpectFace(Render(button),
             {"disabled", 0x4DEBFF, 0x4DE0FF, 0x1A9ACC, 0xB3FFFF, 0x99F8FF, 0x80F2FF, 0x66ECFF, 0x4DE6FF});
  EXPECT_EQ(Pixel(Render(button), 21, 7), clRed);  // a one-cell glyph looks the same in every state
}

TEST(TcyBitBtn, GlyphIsPlacedAndKeyedOut) {
  QWidget window;
  TcyBitBtn& button = *ToolbarButton(&window);
  const QImage image = Render(button);
  EXPECT_EQ(Pixel(image, 21, 7), clRed);
  EXPECT_EQ(Pixel(image, 26, 12), clBlue);              // the glyph's alpha plays no part
  EXPECT_EQ(Pixel(image, 22, 7), Pixel(image, 60, 7));  // black glyph pixels show the gradient
  EXPECT_EQ(Pixel(image, 52, 38), Pixel(image, 60, 38));
  EXPECT_EQ(Pixel(image, 20, 7), Pixel(image, 60, 7));
}

TEST(TcyBitBtn, FocusRectangleInsideTheRings) {
  QWidget window;
  TcyBitBtn& button = *ToolbarButton(&window);
  TcyBitBtn& other = *ToolbarButton(&window);
  other.move(100, 0);
  window.resize(200, 60);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  other.setFocus();
  const TColor row2 = 0x00F9FF;  // 3 of 24 steps from 0xFF to 0xCC: 255 − 153 ÷ 24
  EXPECT_EQ(Pixel(Render(button), 2, 2), row2);
  button.setFocus();
  ASSERT_TRUE(button.hasFocus());
  const QImage focused = Render(button);
  EXPECT_EQ(Pixel(focused, 2, 2), row2 ^ 0xFFFFFF);  // the dotted frame inverts every other pixel
  EXPECT_EQ(Pixel(focused, 3, 2), row2);
  EXPECT_EQ(Pixel(focused, 1, 2), 0x66FFFF);  // the rings are untouched
}

TEST(TcyBitBtn, FillStyleButtonColours) {
  QWidget window;
  TcyBitBtn button(&window);
  button.resize(106, 40);
  button.Degrade().SetFromColor(clAqua);
  button.Degrade().SetToColor(clBlue);
  button.Degrade().SetSpeedPercent(90);
  const QImage image = Render(button);
  EXPECT_EQ(Pixel(image, 0, 10), 0xCC0000);
  EXPECT_EQ(Pixel(image, 50, 1), 0xFFFF66);
  EXPECT_EQ(Pixel(image, 50, 38), 0xFF7F00);
  EXPECT_EQ(Pixel(image, 0, 0), kSentinel);
}

TEST(TcyBitBtn, StateColoursFollowDegrade) {
  TcyBitBtn button;
  EXPECT_EQ(button.StateColors().downFrom, 0x00CCCC);
  button.Degrade().SetFromColor(clNavy);
  button.Degrade().SetToColor(clNavy);
  // Equal colours: the hot colours are lighter than the face.
  EXPECT_EQ(button.StateColors().hotFrom, ShiftBrightness(clNavy, 20));
  EXPECT_EQ(button.StateColors().hotTo, ShiftBrightness(clNavy, 20));
  EXPECT_EQ(button.StateColors().disabledTo, ShiftBrightness(clNavy, 30));
}

// Two-cell dialog glyph: red at the top-left of the normal cell, green at that of the disabled one,
// olive (the key) everywhere else.
QImage DialogGlyph() {
  QImage glyph(36, 18, QImage::Format_RGB32);
  glyph.fill(ToQColor(clOlive));
  glyph.setPixelColor(0, 0, Qt::red);
  glyph.setPixelColor(18, 0, QColor(0, 255, 0));
  return glyph;
}

TEST(TcyBitBtn, DialogOkGlyphAndCaptionPlacement) {
  QWidget window;
  TcyBitBtn button(&window);
  button.resize(75, 43);
  button.SetKind(bkOK);
  EXPECT_EQ(button.Caption(), QStringLiteral("OK"));
  EXPECT_EQ(button.ModalResult(), mrOk);
  EXPECT_TRUE(button.Default());
  EXPECT_EQ(button.NumGlyphs(), 2);
  button.SetGlyph(DialogGlyph(), 2);

  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  DrawSurface measure(painter);
  measure.SetFont(button.Font());
  TRect text = Rect(2, 2, 73, 41);
  measure.DrawText(QStringLiteral("OK"), text, DT_SINGLELINE | DT_CALCRECT);
  const int t = text.Width();
  const int x = 37 - (18 + t + 4) / 2;

  const QImage image = Render(button);
  EXPECT_EQ(Pixel(image, x, 12), clRed);
  EXPECT_NE(Pixel(image, x - 1, 12), clRed);
  EXPECT_EQ(Pixel(image, x + 1, 12), Pixel(image, 70, 12));  // olive is keyed out
  const QRect ink = testing::BoxOf(image.copy(2, 2, 71, 39), [](const QColor& c) {
                      return c.red() < 90 && c.green() < 90;
                    }).translated(2, 2);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), x + 22);
  EXPECT_LE(ink.left(), x + 22 + 2);
  EXPECT_NEAR((ink.top() + ink.bottom()) / 2.0, 21, 3);

  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(Pixel(Render(button), x, 12), clRed);  // pressed: cell 0
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
  button.setEnabled(false);
  EXPECT_EQ(Pixel(Render(button), x, 12), RGB(0, 255, 0));  // disabled: cell 1
}

TEST(GlyphX, ANewPictureKeepsTheNumberOfCells) {
  // A two-cell picture given after the kind's own: disabled, only the second cell shows.
  const auto cellsShown = [](QWidget& button) {
    button.setEnabled(false);
    const QImage image = Render(button);
    const auto exactly = [](TColor c) { return [c](const QColor& q) { return FromQColor(q) == c; }; };
    return std::pair{!testing::BoxOf(image, exactly(clRed)).isEmpty(),
                     !testing::BoxOf(image, exactly(RGB(0, 255, 0))).isEmpty()};
  };
  QWidget window;
  TcyBitBtn push(&window);
  push.resize(75, 43);
  push.SetKind(bkOK);
  push.SetGlyph(DialogGlyph());
  EXPECT_EQ(push.NumGlyphs(), 2);
  EXPECT_EQ(cellsShown(push), std::pair(false, true));
  TcySpeedButton speed(&window);
  speed.resize(40, 30);
  speed.SetNumGlyphs(2);
  speed.SetGlyph(DialogGlyph());
  EXPECT_EQ(speed.NumGlyphs(), 2);
  EXPECT_EQ(cellsShown(speed), std::pair(false, true));
}

TEST(TcyBitBtn, KindsSetCaptionResultAndRole) {
  const struct {
    TBitBtnKind kind;
    const char* caption;
    int result;
    bool isDefault, isCancel;
  } cases[] = {
      {bkOK, "OK", 1, true, false},           {bkCancel, "Cancel", 2, false, true},
      {bkHelp, "&Help", 0, false, false},     {bkYes, "&Yes", 6, true, false},
      {bkNo, "&No", 7, false, true},          {bkClose, "&Close", 0, false, false},
      {bkAbort, "Abort", 3, false, false},    {bkRetry, "&Retry", 4, false, false},
      {bkIgnore, "&Ignore", 5, false, false}, {bkAll, "&All", 12, false, false},
  };
  for (const auto& c : cases) {
    TcyBitBtn button;
    button.SetCaption(QStringLiteral("x"));
    button.SetKind(c.kind);
    EXPECT_EQ(button.Caption(), QLatin1String(c.caption));
    EXPECT_EQ(button.ModalResult(), c.result);
    EXPECT_EQ(button.Default(), c.isDefault);
    EXPECT_EQ(button.Cancel(), c.isCancel);
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_EQ(button.Glyph().size(), QSize(36, 18));
  }
  TcyBitBtn custom;
  custom.SetCaption(QStringLiteral("keep"));
  custom.SetModalResult(5);
  custom.SetKind(bkCustom);
  EXPECT_EQ(custom.Caption(), QStringLiteral("keep"));
  EXPECT_EQ(custom.ModalResult(), 5);
}

TEST(TcyBitBtn, KindGlyphsComeFromTheRegisteredProvider) {
  QImage art(36, 18, QImage::Format_RGB32);
  art.fill(Qt::white);
  SetKindGlyphProvider([&](TBitBtnKind kind) { return kind == bkOK ? art : QImage(); });
  TcyBitBtn ok, cancel;
  ok.SetKind(bkOK);
  cancel.SetKind(bkCancel);
  SetKindGlyphProvider(nullptr);
  EXPECT_EQ(ok.Glyph(), art);
  EXPECT_EQ(cancel.Glyph().size(), QSize(36, 18));  // the placeholder where the provider has none
  EXPECT_NE(cancel.Glyph(), art);
}

// ---- dialogs ----------------------------------------------------------------------------------

enum class Focus { Edit, Ok, Cancel };
enum class Action { Return, Escape, ShiftReturn, Space, ClickOk, ClickPlain };

// Runs `dialog`, presses `keys` once it is active and closes it with 99 when they left it open.
int PressInDialog(QDialog& dialog, const std::function<void()>& keys) {
  bool pressed = false;
  const int result = testing::WithWindow(
      &dialog,
      [&] {
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        keys();
        pressed = true;
        if (dialog.isVisible()) dialog.done(99);
      },
      [&] { return dialog.exec(); });
  EXPECT_TRUE(pressed);
  return result;
}

struct DialogCase {
  const char* name;
  Focus focus;
  Action action;
  bool okEnabled;
  int expected;  // 99: the dialog was still open
};

class DialogKeys : public ::testing::TestWithParam<DialogCase> {};

TEST_P(DialogKeys, EndTheDialogWithTheButtonsResult) {
  const DialogCase& c = GetParam();
  QDialog dialog;
  dialog.resize(300, 100);
  auto* edit = new QLineEdit(&dialog);
  auto* ok = new TcyBitBtn(&dialog);
  ok->SetKind(bkOK);
  ok->setGeometry(10, 40, 75, 43);
  ok->setEnabled(c.okEnabled);
  auto* cancel = new TcyBitBtn(&dialog);
  cancel->SetKind(bkCancel);
  cancel->setGeometry(100, 40, 75, 43);
  auto* plain = new TcyBitBtn(&dialog);
  plain->setGeometry(200, 40, 75, 43);
  int plainClicks = 0, okClicks = 0;
  QObject::connect(plain, &TcyBitBtn::clicked, [&] { ++plainClicks; });
  QObject::connect(ok, &TcyBitBtn::clicked, [&] { ++okClicks; });

  const int result = PressInDialog(dialog, [&] {
    QWidget* target = c.focus == Focus::Edit ? static_cast<QWidget*>(edit)
                      : c.focus == Focus::Ok ? ok
                                             : cancel;
    target->setFocus();
    switch (c.action) {
      case Action::Return:
        QTest::keyClick(target, Qt::Key_Return);
        break;
      case Action::Escape:
        QTest::keyClick(target, Qt::Key_Escape);
        break;
      case Action::ShiftReturn:
        QTest::keyClick(target, Qt::Key_Return, Qt::ShiftModifier);
        break;
      case Action::Space:
        QTest::keyClick(target, Qt::Key_Space);
        break;
      case Action::ClickOk:
        QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(20, 20));
        break;
      case Action::ClickPlain:
        QTest::mouseClick(plain, Qt::LeftButton, {}, QPoint(20, 20));
        break;
    }
  });
  EXPECT_EQ(result, c.expected);
  if (c.action == Action::ClickPlain) {
    EXPECT_EQ(plainClicks, 1);
  }
  if (c.expected == mrOk) {
    EXPECT_EQ(okClicks, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    TcyBitBtn, DialogKeys,
    ::testing::Values(DialogCase{"EnterOnEditClicksDefault", Focus::Edit, Action::Return, true, 1},
                      DialogCase{"EscapeClicksCancel", Focus::Edit, Action::Escape, true, 2},
                      DialogCase{"EnterOnAFocusedButtonClicksIt", Focus::Cancel, Action::Return, true, 2},
                      DialogCase{"SpaceOnFocusedOk", Focus::Ok, Action::Space, true, 1},
                      DialogCase{"SpaceOnFocusedCancel", Focus::Cancel, Action::Space, true, 2},
                      DialogCase{"ShiftEnterDoesNothing", Focus::Edit, Action::ShiftReturn, true, 99},
                      DialogCase{"DisabledDefaultIsNotClicked", Focus::Edit, Action::Return, false, 99},
                      DialogCase{"MouseClickOnOk", Focus::Edit, Action::ClickOk, true, 1},
                      DialogCase{"ResultZeroKeepsTheDialogOpen", Focus::Edit, Action::ClickPlain, true, 99}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.name); });

TEST(TcyBitBtn, AHandlerCanKeepTheDialogOpen) {
  QDialog dialog;
  auto* ok = new TcyBitBtn(&dialog);
  ok->SetKind(bkOK);
  int clicks = 0;
  QObject::connect(ok, &TcyBitBtn::clicked, [&] {
    ++clicks;
    dialog.setResult(0);
  });
  bool openAfterClick = false;
  const int result = testing::WithWindow(
      &dialog,
      [&] {
        QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(5, 5));
        openAfterClick = dialog.isVisible();
        dialog.done(99);
      },
      [&] { return dialog.exec(); });
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(openAfterClick);
  EXPECT_EQ(result, 99);
}

TEST(TcyBitBtn, ButtonsBuiltBeforeTheirPanelJoinsTheDialogStillAnswerEnter) {
  QDialog dialog;
  auto* panel = new QWidget;  // built on its own, placed into the dialog afterwards
  auto* ok = new TcyBitBtn(panel);
  ok->SetKind(bkOK);
  auto* edit = new QLineEdit(&dialog);
  panel->setParent(&dialog);
  panel->move(0, 30);
  EXPECT_EQ(PressInDialog(dialog, [&] {
              edit->setFocus();
              QTest::keyClick(edit, Qt::Key_Return);
            }),
            mrOk);
}

TEST(TcyBitBtn, CaptionAcceleratorClicks) {
  QDialog dialog;
  auto* edit = new QLineEdit(&dialog);
  auto* yes = new TcyBitBtn(&dialog);
  yes->SetKind(bkYes);
  yes->move(0, 30);
  EXPECT_EQ(PressInDialog(dialog, [&] {
              edit->setFocus();
              QTest::keyClick(edit, Qt::Key_Y, Qt::AltModifier);
            }),
            mrYes);
}

// ---- speed button -----------------------------------------------------------------------------

void MoveTo(QWidget& w, QPoint p) {
  QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(w.mapToGlobal(p)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&w, &move);
}

TEST(TcySpeedButton, ToggleSequence) {
  QWidget parent;
  TcySpeedButton button(&parent);
  button.resize(104, 40);
  button.SetGroupIndex(1);
  button.SetAllowAllUp(true);
  int clicks = 0;
  QObject::connect(&button, &TcySpeedButton::clicked, [&] { ++clicks; });
  const QPoint inside(50, 20), outside(50, 100);

  QTest::mousePress(&button, Qt::LeftButton, {}, inside);
  EXPECT_EQ(button.State(), bsDown);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, inside);
  EXPECT_TRUE(button.Down());
  EXPECT_EQ(button.State(), bsExclusive);
  EXPECT_EQ(clicks, 1);

  QTest::mouseClick(&button, Qt::LeftButton, {}, inside);
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(button.State(), bsUp);
  EXPECT_EQ(clicks, 2);

  // Dragged out and released outside: no click, back to up.
  QTest::mousePress(&button, Qt::LeftButton, {}, inside);
  MoveTo(button, outside);
  EXPECT_EQ(button.State(), bsUp);
  MoveTo(button, inside);
  EXPECT_EQ(button.State(), bsDown);
  MoveTo(button, outside);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, outside);
  EXPECT_EQ(button.State(), bsUp);
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(clicks, 2);

  // The same while latched: back to exclusive.
  button.SetDown(true);
  QTest::mousePress(&button, Qt::LeftButton, {}, inside);
  EXPECT_EQ(button.State(), bsExclusive);
  MoveTo(button, outside);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, outside);
  EXPECT_EQ(button.State(), bsExclusive);
  EXPECT_TRUE(button.Down());
  EXPECT_EQ(clicks, 2);

  // The row just below the button still counts as inside.
  QTest::mousePress(&button, Qt::LeftButton, {}, inside);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(50, 40));
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(clicks, 3);
  QTest::mousePress(&button, Qt::LeftButton, {}, inside);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(104, 20));  // the column right of it does not
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(clicks, 3);

  // Without AllowAllUp a latched button stays down; the click still runs.
  button.SetDown(true);
  button.SetAllowAllUp(false);
  QTest::mouseClick(&button, Qt::LeftButton, {}, inside);
  EXPECT_TRUE(button.Down());
  EXPECT_EQ(clicks, 4);
  button.SetDown(false);
  EXPECT_TRUE(button.Down());
  button.SetAllowAllUp(true);
  button.SetDown(false);
  EXPECT_FALSE(button.Down());
}

TEST(TcySpeedButton, GroupZeroNeverLatches) {
  TcySpeedButton button;
  int clicks = 0;
  QObject::connect(&button, &TcySpeedButton::clicked, [&] { ++clicks; });
  button.SetDown(true);
  EXPECT_FALSE(button.Down());
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(button.State(), bsUp);
  EXPECT_EQ(clicks, 1);
}

TEST(TcySpeedButton, LatchingReleasesTheOthersOfTheGroup) {
  QWidget parent, elsewhere;
  TcySpeedButton a(&parent), b(&parent), c(&parent), far(&elsewhere);
  for (TcySpeedButton* x : {&a, &b, &far}) x->SetGroupIndex(1);
  c.SetGroupIndex(2);
  a.SetDown(true);
  c.SetDown(true);
  far.SetDown(true);
  b.SetDown(true);
  EXPECT_FALSE(a.Down());
  EXPECT_EQ(a.State(), bsUp);
  EXPECT_TRUE(b.Down());
  EXPECT_TRUE(c.Down());    // another group
  EXPECT_TRUE(far.Down());  // another parent
  b.SetAllowAllUp(true);
  EXPECT_TRUE(a.AllowAllUp());
  EXPECT_FALSE(c.AllowAllUp());
}

TEST(TcySpeedButton, HotTracking) {
  QWidget parent;
  TcySpeedButton button(&parent);
  button.resize(104, 40);
  int enters = 0, leaves = 0;
  button.OnMouseEnter = [&] { ++enters; };
  button.OnMouseLeave = [&] { ++leaves; };
  EXPECT_EQ(Pixel(Render(button), 50, 20), 0x00B0FF);
  Hover(button);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(Pixel(Render(button), 50, 20), 0x0086FF);  // the lower half runs back from orange
  button.SetFlatHotStyle(hsHidden);
  EXPECT_EQ(Pixel(Render(button), 50, 20), 0x00B0FF);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_EQ(leaves, 1);
  EXPECT_FALSE(button.MouseOver());
}

TEST(TcySpeedButton, NeverTakesTheFocus) {
  TcySpeedButton button;
  EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(button.size(), QSize(22, 23));
}

TEST(TcySpeedButton, LatchedSignatureButtonFace) {
  QWidget parent;
  TcySpeedButton button(&parent);
  button.resize(104, 40);
  button.Degrade().SetFromColor(clAqua);
  button.Degrade().SetToColor(clBlue);
  button.Degrade().SetSpeedPercent(90);
  button.SetGroupIndex(1);
  button.SetAllowAllUp(true);
  button.SetDown(true);
  const QImage image = Render(button);
  for (auto [x, y] : {std::pair{0, 0}, {103, 0}, {0, 39}, {103, 39}})
    EXPECT_EQ(Pixel(image, x, y), kSentinel);
  EXPECT_EQ(Pixel(image, 0, 10), 0x990000);   // outer ring: ShiftBrightness(0xCC0000, -20)
  EXPECT_EQ(Pixel(image, 50, 1), 0xCC6600);   // gloss L
  EXPECT_EQ(Pixel(image, 50, 38), 0xFFFF66);  // gloss M
  EXPECT_EQ(Pixel(image, 50, 19), 0xCC0000);  // mirrored: ToColor in the middle
  EXPECT_EQ(Pixel(image, 50, 2), RGB(0, 0xAD, 0xCC));  // 3 of 20 steps down: 0xCC − 612 ÷ 20

  button.setEnabled(false);
  EXPECT_EQ(button.State(), bsDisabled);
  button.setEnabled(true);
  EXPECT_EQ(button.State(), bsExclusive);
}

}  // namespace
}  // namespace pintoola
