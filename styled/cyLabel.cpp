#include "styled/cyLabel.h"

namespace pintoola {

TcyLabel::TcyLabel(QWidget* parent) : TcyBaseLabel(parent) {
  FBevels.OnChange = [this] { update(); };
  FDegrade.OnChange = [this] { update(); };
}

void TcyLabel::PaintBackground(DrawSurface& canvas, TRect& rect) {
  if (!Transparent()) FDegrade.Draw(canvas, rect);
  FBevels.DrawBevels(canvas, rect, false);
}

}  // namespace pintoola
