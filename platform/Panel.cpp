#include "platform/Panel.h"

#include <QPainter>

#include "platform/DrawSurface.h"

namespace pintoola {

TPanel::TPanel(QWidget* parent) : QWidget(parent), layout_(new AlignLayout(this, 1)) {}

void TPanel::SetColor(TColor color) {
  color_ = color;
  update();
}

void TPanel::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawSurface s(painter);
  const TRect r = Bounds(0, 0, width(), height());
  s.FillSolid(r, color_);
  s.FillSolid(Rect(0, 0, r.Right - 1, 1), clBtnHighlight);
  s.FillSolid(Rect(0, 0, 1, r.Bottom - 1), clBtnHighlight);
  s.FillSolid(Rect(r.Right - 1, 0, r.Right, r.Bottom), clBtnShadow);
  s.FillSolid(Rect(0, r.Bottom - 1, r.Right, r.Bottom), clBtnShadow);
  if (!caption_.isEmpty()) {
    painter.setFont(font());
    painter.setPen(ToQColor(clBtnText));
    painter.drawText(rect(), Qt::AlignCenter, caption_);
  }
}

}  // namespace pintoola
