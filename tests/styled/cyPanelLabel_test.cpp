#include <gtest/gtest.h>

#include <QPainter>

#include "StyledTestUtil.h"
#include "styled/cyBitBtn.h"
#include "styled/cyGraphics.h"
#include "styled/cyLabel.h"
#include "styled/cyPanel.h"

namespace pintoola {
namespace {

using testing::kSentinel;
using testing::Pixel;
using testing::Render;

// A parent that paints itself one plain colour, as a window behind transparent controls.
class Backdrop : public QWidget {
 public:
  explicit Backdrop(TColor color) : color_(color) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    DrawSurface(painter).FillSolid(Bounds(0, 0, width(), height()), color_);
  }

 private:
  TColor color_;
};

bool Reddish(const QColor& c) { return c.red() > 160 && c.green() < 120 && c.blue() < 120; }
bool Bluish(const QColor& c) { return c.blue() > 160 && c.red() < 120 && c.green() < 120; }
bool Dark(const QColor& c) { return c.red() < 100 && c.green() < 100 && c.blue() < 100; }

int TextHeight(const TFontSpec& font, const QString& text = QStringLiteral("0")) {
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  DrawSurface s(painter);
  s.SetFont(font);
  TRect r = Rect(0, 0, 100, 100);
  s.DrawText(text, r, DT_SINGLELINE | DT_CALCRECT);
  return r.Height();
}

// ---- panel ------------------------------------------------------------------------------------

TEST(TCyPanel, ToolbarPanelGradientRingAndChildren) {
  TCyPanel panel;
  panel.resize(1120, 55);
  panel.Degrade().SetFromColor(clAqua);
  panel.Degrade().SetToColor(clBlue);
  auto* button = new TcyBitBtn(&panel);
  button->resize(75, 47);
  panel.ChildLayout()->Add(button, TAlign::alLeft, WithMargins(3));
  panel.ChildLayout()->activate();
  EXPECT_EQ(button->geometry(), QRect(4, 4, 75, 47));
  EXPECT_EQ(panel.ChildArea(), Rect(1, 1, 1119, 54));

  const QImage image = Render(panel);
  const TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
  EXPECT_EQ(Pixel(image, 0, 0), light);
  EXPECT_EQ(Pixel(image, 1118, 0), light);
  EXPECT_EQ(Pixel(image, 1119, 0), dark);
  EXPECT_EQ(Pixel(image, 0, 53), light);
  EXPECT_EQ(Pixel(image, 0, 54), dark);
  EXPECT_EQ(Pixel(image, 1119, 54), dark);
  for (int r = 1; r <= 53; ++r)
    ASSERT_EQ(Pixel(image, 500, r), RGB(0, testing::kAquaToBlueGreen[r], 255)) << r;
}

TEST(TCyPanel, RingWidthChangeRelaysOutColourChangeDoesNot) {
  TCyPanel panel;
  panel.resize(200, 60);
  auto* button = new TcyBitBtn(&panel);
  button->resize(75, 47);
  panel.ChildLayout()->Add(button, TAlign::alLeft, WithMargins(3));
  panel.ChildLayout()->activate();
  ASSERT_EQ(button->pos(), QPoint(4, 4));
  panel.Bevels().Items(0).SetShadowColor(clRed);
  EXPECT_EQ(button->pos(), QPoint(4, 4));
  EXPECT_EQ(Pixel(Render(panel), 199, 30), clRed);
  panel.Bevels().Items(0).SetWidth(3);
  EXPECT_EQ(button->pos(), QPoint(6, 6));
  panel.Bevels().Items(0).SetStyle(bcNone);
  EXPECT_EQ(button->pos(), QPoint(3, 3));
  panel.Bevels().Items(0).SetStyle(bcRaised);
  panel.Bevels().Add().SetStyle(bcTransparent);
  EXPECT_EQ(button->pos(), QPoint(7, 7));
  panel.SetBorderWidth(2);
  panel.SetPadding(QMargins(5, 0, 0, 0));
  EXPECT_EQ(button->pos(), QPoint(14, 9));
  EXPECT_EQ(panel.ChildArea(), Rect(11, 6, 194, 54));
}

TEST(TCyPanel, SwatchFrameIsOneSolidBlackFill) {
  TCyPanel frame;
  frame.resize(104, 41);
  frame.Degrade().SetFromColor(clBlack);
  frame.Degrade().SetToColor(clBlack);
  auto* swatch = new QWidget(&frame);
  swatch->resize(96, 33);
  frame.ChildLayout()->Add(swatch, TAlign::alTop, WithMargins(3));
  frame.ChildLayout()->activate();
  EXPECT_EQ(swatch->geometry(), QRect(4, 4, 96, 33));
  const QImage image = Render(frame);
  for (auto [x, y] : {std::pair{1, 1}, {3, 3}, {50, 2}, {102, 39}, {101, 20}})
    EXPECT_EQ(Pixel(image, x, y), clBlack);
  EXPECT_EQ(Pixel(image, 0, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(image, 103, 40), ColorToRGB(clBtnShadow));
}

TEST(TCyPanel, CaptionStartsInsideTheRingWithItsShadow) {
  Backdrop backdrop(clWhite);
  TCyPanel panel;
  panel.setParent(&backdrop);
  backdrop.resize(295, 89);
  panel.resize(295, 89);
  panel.Degrade().SetFromColor(clYellow);
  panel.Degrade().SetToColor(clOrange);
  panel.SetCaption(QStringLiteral("Enter your signature:"));
  panel.SetAlignment(taLeftJustify);
  panel.SetLayout(tlTop);
  const QRect ink = testing::BoxOf(Render(panel).copy(1, 1, 293, 87), Dark).translated(1, 1);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_LE(ink.left(), 3);
  EXPECT_LE(ink.top(), 5);

  panel.Shadow().SetColor(clRed);
  panel.Shadow().SetRelativePosX(2);
  panel.Shadow().SetRelativePosY(2);
  EXPECT_FALSE(testing::BoxOf(Render(panel), Reddish).isEmpty());
  panel.setEnabled(false);
  EXPECT_TRUE(testing::BoxOf(Render(panel), Reddish).isEmpty());  // no shadow when disabled
  EXPECT_FALSE(testing::BoxOf(Render(panel).copy(1, 1, 293, 87), Dark).isEmpty());
}

// ---- label ------------------------------------------------------------------------------------

TEST(TcyLabel, AutoSizeFollowsTheText) {
  TcyLabel label;
  label.SetCaption(QStringLiteral("0"));
  const QSize one = label.size();
  EXPECT_EQ(one.height(), TextHeight(label.Font()));
  EXPECT_GT(one.width(), 0);
  label.SetCaption(QStringLiteral("-16777216"));
  EXPECT_GT(label.width(), one.width());
  EXPECT_EQ(label.height(), one.height());
  label.SetCaption(QString());
  EXPECT_EQ(label.height(), one.height());  // an empty caption measures as a space
  label.SetCaption(QStringLiteral("&"));
  EXPECT_EQ(label.height(), one.height());
  EXPECT_GT(label.width(), 0);

  label.SetCaption(QStringLiteral("0"));
  label.SetCaptionIndentLeft(3);
  label.SetCaptionIndentRight(4);
  label.SetCaptionIndentTop(5);
  label.SetCaptionIndentBottom(6);
  EXPECT_EQ(label.size(), one + QSize(7, 11));
}

TEST(TcyLabel, RightAlignedAutoSizeKeepsTheRightEdge) {
  QWidget parent;
  TcyLabel label(&parent);
  label.SetAlignment(taRightJustify);
  label.setGeometry(100, 10, 200, 20);
  label.SetCaption(QStringLiteral("12345"));
  EXPECT_EQ(label.geometry().right(), 299);
  EXPECT_LT(label.width(), 200);
}

TEST(TcyLabel, ALabelPlacedByALayoutKeepsItsWidth) {
  TCyPanel panel;
  panel.resize(112, 100);
  auto* label = new TcyLabel(&panel);
  label->SetAlignment(taCenter);
  label->SetTransparent(true);
  panel.ChildLayout()->Add(label, TAlign::alTop, QMargins(3, 1, 3, 3));
  panel.ChildLayout()->activate();
  ASSERT_EQ(label->width(), 104);
  label->SetCaption(QStringLiteral("-1"));
  EXPECT_EQ(label->width(), 104);
  EXPECT_EQ(label->height(), TextHeight(label->Font()));
}

struct LabelScene {
  Backdrop backdrop{clWhite};
  TcyLabel* label = new TcyLabel(&backdrop);
  LabelScene() {
    backdrop.resize(120, 60);
    label->move(10, 10);
    label->SetTransparent(true);
    TFontSpec font;
    font.height = -20;
    font.bold = true;
    font.color = clBlue;
    label->SetFont(font);
    label->SetCaption(QStringLiteral("0"));
  }
  QImage Image() { return Render(backdrop, true); }
};

TEST(TcyLabel, ShadowIsTheCaptionMovedByItsOffsets) {
  LabelScene scene;
  EXPECT_TRUE(testing::BoxOf(scene.Image(), Reddish).isEmpty());  // offsets 0 and zoom 100: no shadow
  scene.label->Shadow().SetColor(clRed);
  scene.label->Shadow().SetRelativePosX(1);
  scene.label->Shadow().SetRelativePosY(1);
  const QImage image = scene.Image();
  const QRect caption = testing::BoxOf(image, Bluish), shadow = testing::BoxOf(image, Reddish);
  ASSERT_FALSE(caption.isEmpty());
  ASSERT_FALSE(shadow.isEmpty());
  EXPECT_EQ(shadow.right(), caption.right() + 1);
  EXPECT_EQ(shadow.bottom(), caption.bottom() + 1);
  // The label is transparent: the backdrop shows around the letters.
  EXPECT_EQ(Pixel(image, 11, 11), clWhite);
}

TEST(TcyLabel, DisabledLabelIsEmbossedWithoutShadow) {
  LabelScene scene;
  scene.label->Shadow().SetColor(clRed);
  scene.label->Shadow().SetRelativePosX(1);
  scene.label->Shadow().SetRelativePosY(1);
  scene.label->setEnabled(false);
  const QImage image = scene.Image();
  EXPECT_TRUE(testing::BoxOf(image, Reddish).isEmpty());
  EXPECT_TRUE(testing::BoxOf(image, Bluish).isEmpty());
  const TColor grey = ColorToRGB(clBtnShadow);
  EXPECT_FALSE(testing::BoxOf(image, [&](const QColor& c) { return FromQColor(c) == grey; }).isEmpty());
}

TEST(TcyLabel, LayoutPlacesTheCaptionVertically) {
  LabelScene scene;
  scene.label->SetAutoSize(false);
  scene.label->resize(100, 40);
  const int h = TextHeight(scene.label->Font());
  const int top = testing::BoxOf(scene.Image(), Bluish).top();
  scene.label->SetLayout(tlCenter);
  EXPECT_EQ(testing::BoxOf(scene.Image(), Bluish).top(), top + (40 - h) / 2);
  scene.label->SetLayout(tlBottom);
  EXPECT_EQ(testing::BoxOf(scene.Image(), Bluish).top(), top + (40 - h));
}

TEST(TcyLabel, AlignmentAndIndents) {
  LabelScene scene;
  scene.label->SetAutoSize(false);
  scene.label->resize(100, 30);
  const QRect left = testing::BoxOf(scene.Image(), Bluish);
  scene.label->SetCaptionIndentLeft(7);
  EXPECT_EQ(testing::BoxOf(scene.Image(), Bluish).left(), left.left() + 7);
  scene.label->SetCaptionIndentLeft(0);
  scene.label->SetAlignment(taRightJustify);
  EXPECT_LE(testing::BoxOf(scene.Image(), Bluish).right(), 10 + 99);
  EXPECT_GT(testing::BoxOf(scene.Image(), Bluish).left(), left.left() + 50);
  scene.label->SetAlignment(taCenter);
  const QRect centred = testing::BoxOf(scene.Image(), Bluish);
  EXPECT_NEAR((centred.left() + centred.right()) / 2.0, 10 + 50, 3);
}

TEST(TcyLabel, AcceleratorRule) {
  TcyLabel label;
  label.SetCaption(QStringLiteral("&File"));
  const int withAccel = label.width();
  label.SetShowAccelChar(false);
  EXPECT_GT(label.width(), withAccel);  // the ampersand is text now
}

TEST(TcyLabel, OpaqueLabelPaintsItsGradientAndRings) {
  TcyLabel label;
  label.SetAutoSize(false);
  label.resize(40, 20);
  label.Degrade().SetFromColor(clRed);
  label.Degrade().SetToColor(clBlue);
  EXPECT_EQ(Pixel(Render(label), 20, 19), clBlue);
  label.SetTransparent(true);
  EXPECT_EQ(Pixel(Render(label), 20, 19), kSentinel);
  label.Bevels().Add();
  EXPECT_EQ(Pixel(Render(label), 20, 19), ColorToRGB(clBtnShadow));
}

TEST(TcyLabel, AnimationMovesAndWrapsTheCaption) {
  LabelScene scene;
  scene.label->SetAutoSize(false);
  scene.label->resize(60, 30);
  TcyAnimation& animation = scene.label->Animation();
  const int start = testing::BoxOf(scene.Image(), Bluish).left();
  animation.SetHorizontalPixelsMove(5);
  animation.SetActive(true);
  EXPECT_TRUE(animation.Active());
  animation.Tick();
  animation.Tick();
  EXPECT_EQ(animation.HorizontalOffset(), 10);
  EXPECT_EQ(testing::BoxOf(scene.Image(), Bluish).left(), start + 10);
  // Far beyond the right edge, the next paint brings the caption round to the left.
  for (int i = 0; i < 20; ++i) animation.Tick();
  scene.Image();
  const int width = scene.label->SaveCaptionRect().Width();
  scene.Image();
  EXPECT_EQ(animation.HorizontalOffset(), 110 - 60 - width);
  animation.SetActive(false);
  EXPECT_EQ(animation.HorizontalOffset(), 0);
  EXPECT_EQ(testing::BoxOf(scene.Image(), Bluish).left(), start);
}

}  // namespace
}  // namespace pintoola
