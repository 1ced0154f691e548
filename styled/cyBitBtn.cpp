#include "styled/cyBitBtn.h"

namespace pintoola {

TcyBitBtn::TcyBitBtn(QWidget* parent) : TcyBaseButton(parent) {
  FDegrade.SetFromColor(clYellow);
  FDegrade.SetToColor(clOrange);
  FDegrade.SetSpeedPercent(90);
  FDegrade.OnChange = [this] { UpdateStateColors(); };
  FWallpaper.OnChange = [this] { update(); };
  UpdateStateColors();
}

void TcyBitBtn::UpdateStateColors() {
  FStateColors = ComputeStateColors(FDegrade.FromColor(), FDegrade.ToColor());
  update();
}

void TcyBitBtn::PaintButton(DrawSurface& canvas, TButtonState state, bool mouseOver) {
  TRect rect = Bounds(0, 0, width(), height());
  PaintFaceBackground(canvas, rect, FaceColors(state, mouseOver, FDegrade, FStateColors, FHotBalanceMode),
                      FDegrade, FWallpaper, true);
  if (hasFocus()) canvas.DrawFocusRect(rect);
  PaintFaceContent(canvas, rect, Glyph(), NumGlyphs(), state, Caption(), Font(), CaptionSettings(), Margin());
}

}  // namespace pintoola
