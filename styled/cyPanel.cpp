#include "styled/cyPanel.h"

namespace pintoola {

TCyPanel::TCyPanel(QWidget* parent) : tcyBasePanel(parent) {
  FDegrade.OnChange = [this] { update(); };
  // Every panel of the program carries the one default ring: raised, one pixel, light and dark.
  Bevels().Add();
}

void TCyPanel::PaintBackground(DrawSurface& canvas, const TRect& rect) { FDegrade.Draw(canvas, rect); }

}  // namespace pintoola
