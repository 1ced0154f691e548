#include "styled/cyBasePanel.h"

#include <QPainter>

#include "styled/cyGraphics.h"

namespace pintoola {

tcyBasePanel::tcyBasePanel(QWidget* parent) : QWidget(parent), layout_(new AlignLayout(this, 0)) {
  FBevels.OnChange = [this] { BevelsChanged(); };
  FShadow.OnChange = [this] { update(); };
}

void tcyBasePanel::BevelsChanged() {
  if (FBevels.NeedOwnerRealign()) Realign();
  update();
}

void tcyBasePanel::Realign() {
  const int border = FBevels.BevelsWidth() + FBorderWidth;
  layout_->setContentsMargins(border + FPadding.left(), border + FPadding.top(), border + FPadding.right(),
                              border + FPadding.bottom());
  layout_->activate();
}

TRect tcyBasePanel::ChildArea() const {
  const int border = FBevels.BevelsWidth() + FBorderWidth;
  return Rect(border + FPadding.left(), border + FPadding.top(), width() - border - FPadding.right(),
              height() - border - FPadding.bottom());
}

void tcyBasePanel::SetCaption(const QString& value) {
  FCaption = value;
  update();
}

void tcyBasePanel::SetShowCaption(bool value) {
  FShowCaption = value;
  update();
}

void tcyBasePanel::SetAlignment(TAlignment value) {
  FAlignment = value;
  update();
}

void tcyBasePanel::SetLayout(TTextLayout value) {
  FLayout = value;
  update();
}

void tcyBasePanel::SetWordWrap(bool value) {
  FWordWrap = value;
  update();
}

void tcyBasePanel::SetCaptionOrientation(TCaptionOrientation value) {
  FCaptionOrientation = value;
  update();
}

void tcyBasePanel::SetBorderWidth(int value) {
  if (value == FBorderWidth || value < 0) return;
  FBorderWidth = value;
  Realign();
  update();
}

void tcyBasePanel::SetPadding(const QMargins& value) {
  FPadding = value;
  Realign();
  update();
}

void tcyBasePanel::SetFont(const TFontSpec& value) {
  FFont = value;
  update();
}

void tcyBasePanel::PaintBackground(DrawSurface&, const TRect&) {}

void tcyBasePanel::PaintCaption(DrawSurface& canvas, const TRect& rect) {
  canvas.SetBkMode(TRANSPARENT);
  canvas.SetFont(FFont);
  const unsigned flags = ComposeTextFormat(FAlignment, FLayout, FWordWrap);
  const bool shadow = isEnabled() && FShadow.Active();
  if (FCaptionOrientation == coHorizontal) {
    if (shadow) FShadow.DrawShadowText(canvas, rect, FCaption, FAlignment, FLayout, coHorizontal, flags);
    canvas.SetTextColor(FFont.color);
    TRect r = rect;
    DrawCaptionText(canvas, FCaption, r, flags);
  } else {
    canvas.SetFont(CreateRotatedFont(FFont, FCaptionOrientation));
    if (shadow)
      FShadow.DrawShadowText(canvas, rect, FCaption, FAlignment, FLayout, FCaptionOrientation, flags);
    canvas.SetTextColor(FFont.color);
    TextOutRotated(canvas, FCaption, rect, FLayout, FAlignment, FCaptionOrientation);
  }
}

void tcyBasePanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawSurface surface(painter);
  TRect rect = Bounds(0, 0, width(), height());
  PaintBackground(surface, rect);
  rect = rect.Inflated(-FBorderWidth, -FBorderWidth);
  if (!FCaption.isEmpty() && FShowCaption) {
    const int rings = FBevels.BevelsWidth();
    PaintCaption(surface, rect.Inflated(-rings, -rings));
  }
  FBevels.DrawBevels(surface, rect, false);
  if (OnPaint) OnPaint();
}

void tcyBasePanel::enterEvent(QEnterEvent*) {
  if (OnMouseEnter) OnMouseEnter();
}

void tcyBasePanel::leaveEvent(QEvent*) {
  if (OnMouseLeave) OnMouseLeave();
}

void tcyBasePanel::setVisible(bool visible) {
  if (visible != isVisible() && OnVisibleChanging) OnVisibleChanging(visible);
  QWidget::setVisible(visible);
}

}  // namespace pintoola
