#include "styled/cyBaseSpeedButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace pintoola {

TcyBaseSpeedButton::TcyBaseSpeedButton(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  resize(22, 23);
}

void TcyBaseSpeedButton::SetGlyph(const QImage& glyph, int numGlyphs) {
  FPicGlyph = glyph;
  if (numGlyphs > 0) FNumGlyphs = std::clamp(numGlyphs, 1, 4);
  update();
}

void TcyBaseSpeedButton::SetNumGlyphs(int value) {
  FNumGlyphs = std::clamp(value, 1, 4);
  update();
}

void TcyBaseSpeedButton::SetCaption(const QString& value) {
  FCaption = value;
  update();
}

void TcyBaseSpeedButton::SetLayout(TButtonLayout value) {
  FLayout = value;
  update();
}

void TcyBaseSpeedButton::SetMargin(int value) {
  FMargin = value;
  update();
}

void TcyBaseSpeedButton::SetSpacing(int value) {
  FSpacing = value;
  update();
}

void TcyBaseSpeedButton::SetWordWrap(bool value) {
  FWordWrap = value;
  update();
}

void TcyBaseSpeedButton::SetCaptionOrientation(TCaptionOrientation value) {
  FCaptionOrientation = value;
  update();
}

void TcyBaseSpeedButton::SetFont(const TFontSpec& value) {
  FFont = value;
  update();
}

void TcyBaseSpeedButton::SetFlat(bool value) {
  FFlat = value;
  update();
}

void TcyBaseSpeedButton::SetTransparent(bool value) {
  FTransparent = value;
  update();
}

void TcyBaseSpeedButton::SetFlatHotStyle(TFlatHotStyle value) {
  FFlatHotStyle = value;
  update();
}

void TcyBaseSpeedButton::SetFlatDownStyle(TFlatDownStyle value) {
  FFlatDownStyle = value;
  update();
}

void TcyBaseSpeedButton::SetState(TButtonState state) {
  if (state == FState) return;
  FState = state;
  update();
}

std::vector<TcyBaseSpeedButton*> TcyBaseSpeedButton::GroupMates() const {
  std::vector<TcyBaseSpeedButton*> mates;
  if (FGroupIndex == 0 || !parentWidget()) return mates;
  for (TcyBaseSpeedButton* b : parentWidget()->findChildren<TcyBaseSpeedButton*>(Qt::FindDirectChildrenOnly))
    if (b != this && b->FGroupIndex == FGroupIndex) mates.push_back(b);
  return mates;
}

void TcyBaseSpeedButton::UpdateExclusive() {
  for (TcyBaseSpeedButton* b : GroupMates()) {
    if (FDown && b->FDown) {
      b->FDown = false;
      b->FState = bsUp;
      b->update();
    }
    b->FAllowAllUp = FAllowAllUp;
  }
}

void TcyBaseSpeedButton::SetGroupIndex(int value) {
  if (value == FGroupIndex) return;
  FGroupIndex = value;
  UpdateExclusive();
}

void TcyBaseSpeedButton::SetAllowAllUp(bool value) {
  if (value == FAllowAllUp) return;
  FAllowAllUp = value;
  UpdateExclusive();
}

void TcyBaseSpeedButton::SetDown(bool value) {
  if (FGroupIndex == 0) value = false;
  if (value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = value;
  if (value) {
    if (FState == bsUp) update();
    FState = bsExclusive;
    UpdateExclusive();
  } else {
    FState = bsUp;
    update();
  }
}

bool TcyBaseSpeedButton::InsideForDrag(const QPoint& p) const {
  return p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
}

void TcyBaseSpeedButton::PaintButton(DrawSurface&, TButtonState, bool) {}

void TcyBaseSpeedButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawSurface surface(painter);
  // The four corner pixels keep what the parent painted there, which rounds the face.
  const bool keepCorners = !FFlat;
  if (keepCorners) {
    surface.SaveDC();
    for (const TRect& corner : {Bounds(0, 0, 1, 1), Bounds(width() - 1, 0, 1, 1),
                                Bounds(width() - 1, height() - 1, 1, 1), Bounds(0, height() - 1, 1, 1)})
      surface.ExcludeClipRect(corner);
  }
  PaintButton(surface, isEnabled() ? FState : bsDisabled, FMouseOver);
  if (keepCorners) surface.RestoreDC();
  if (OnPaint) OnPaint();
}

void TcyBaseSpeedButton::enterEvent(QEnterEvent*) {
  if (!isEnabled() || FMouseOver) return;
  FMouseOver = true;
  if (!(FFlat && FFlatHotStyle == hsHidden)) update();
  if (OnMouseEnter) OnMouseEnter();
}

void TcyBaseSpeedButton::leaveEvent(QEvent*) {
  if (!FMouseOver) return;
  FMouseOver = false;
  if (isEnabled() && !(FFlat && FFlatHotStyle == hsHidden)) update();
  if (OnMouseLeave) OnMouseLeave();
}

void TcyBaseSpeedButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled()) return QWidget::mousePressEvent(e);
  if (!FDown) SetState(bsDown);
  FDragging = true;
}

void TcyBaseSpeedButton::mouseMoveEvent(QMouseEvent* e) {
  if (!FDragging) return QWidget::mouseMoveEvent(e);
  const bool inside = InsideForDrag(e->position().toPoint());
  SetState(FDown ? bsExclusive : inside ? bsDown : bsUp);
}

void TcyBaseSpeedButton::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !FDragging) return QWidget::mouseReleaseEvent(e);
  FDragging = false;
  const bool inside = InsideForDrag(e->position().toPoint());
  if (FGroupIndex == 0) {
    SetState(bsUp);
  } else if (inside) {
    SetDown(!FDown);
    // A refused release leaves the button latched.
    FState = FDown ? bsExclusive : bsUp;
    update();
  } else {
    SetState(FDown ? bsExclusive : bsUp);
  }
  if (inside) emit clicked();
}

void TcyBaseSpeedButton::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) {
    if (!isEnabled()) {
      FState = bsDisabled;
      FDragging = false;
    } else if (FState == bsDisabled) {
      FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    update();
  }
  QWidget::changeEvent(e);
}

}  // namespace pintoola
