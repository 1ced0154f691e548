#include "thumbs/JvBaseThumbnail.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/Geometry.h"
#include "platform/DrawSurface.h"

namespace pintoola {

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState s = 0;
  if (modifiers & Qt::ShiftModifier) s |= ssShift;
  if (modifiers & Qt::AltModifier) s |= ssAlt;
  if (modifiers & Qt::ControlModifier) s |= ssCtrl;
  if (buttons & Qt::LeftButton) s |= ssLeft;
  if (buttons & Qt::RightButton) s |= ssRight;
  if (buttons & Qt::MiddleButton) s |= ssMiddle;
  return s;
}

TMouseButton MouseButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return mbRight;
    case Qt::MiddleButton:
      return mbMiddle;
    default:
      return mbLeft;
  }
}

void PaintBevel(DrawSurface& s, const TRect& r, TPanelBevel bevel) {
  if (r.IsEmpty()) return;
  const TColor light = bevel == bvRaised ? clBtnHighlight : clBtnShadow;
  const TColor dark = bevel == bvRaised ? clBtnShadow : clBtnHighlight;
  s.FillSolid(Rect(r.Left, r.Top, r.Right - 1, r.Top + 1), light);
  s.FillSolid(Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1), light);
  s.FillSolid(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), dark);
  s.FillSolid(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), dark);
}

TJvBaseThumbnail::TJvBaseThumbnail(QWidget* parent, ThumbInputTarget* view) : QWidget(parent), FView(view) {
  setFocusPolicy(Qt::NoFocus);
}

void TJvBaseThumbnail::SetColor(TColor color) {
  if (FColor == color) return;
  FColor = color;
  update();
}

void TJvBaseThumbnail::SetBevelOuter(TPanelBevel bevel) {
  if (FBevelOuter == bevel) return;
  FBevelOuter = bevel;
  update();
}

void TJvBaseThumbnail::TileMouseDown(TMouseButton button, TShiftState shift, QPoint pos) {
  if (FView) FView->ThumbMouseDown(button, shift, pos + this->pos());
}

void TJvBaseThumbnail::TileMouseMove(TShiftState shift, QPoint pos) {
  if (FView) FView->ThumbMouseMove(shift, pos + this->pos());
}

void TJvBaseThumbnail::TileMouseUp(TMouseButton button, TShiftState shift, QPoint pos) {
  if (FView) FView->ThumbMouseUp(button, shift, pos + this->pos());
}

void TJvBaseThumbnail::TileDblClick(TShiftState shift, QPoint pos) {
  if (FView) FView->ThumbDblClick(shift, pos + this->pos());
}

void TJvBaseThumbnail::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawSurface s(painter);
  const TRect r = Bounds(0, 0, width(), height());
  s.FillSolid(r, FColor);
  PaintBevel(s, r, FBevelOuter);
}

void TJvBaseThumbnail::mousePressEvent(QMouseEvent* e) {
  e->accept();
  TileMouseDown(MouseButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()),
                e->position().toPoint());
}

// A tile does not hold the mouse. Qt sends it the moves and the release of a press on its margin
// wherever the pointer goes; outside the tile they are not the tile's.
void TJvBaseThumbnail::mouseMoveEvent(QMouseEvent* e) {
  e->accept();
  if (!rect().contains(e->position().toPoint())) return;
  TileMouseMove(ShiftStateOf(e->modifiers(), e->buttons()), e->position().toPoint());
}

void TJvBaseThumbnail::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  if (!rect().contains(e->position().toPoint())) return;
  TileMouseUp(MouseButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()),
              e->position().toPoint());
}

void TJvBaseThumbnail::mouseDoubleClickEvent(QMouseEvent* e) {
  e->accept();
  const TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons()) | ssDouble;
  if (e->button() == Qt::LeftButton) TileDblClick(shift, e->position().toPoint());
  // The second press of a double click is still a press.
  TileMouseDown(MouseButtonOf(e->button()), shift, e->position().toPoint());
}

}  // namespace pintoola
