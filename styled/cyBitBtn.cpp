#include "styled/cyBitBtn.h"

namespace pintoola {

TcyBitBtn::TcyBitBtn(QWidget* parent) : TcyBaseButton(parent), TcyGradientFace(this) {}

void TcyBitBtn::PaintButton(DrawSurface& canvas, TButtonState state, bool mouseOver) {
  TRect rect = Bounds(0, 0, width(), height());
  PaintFaceBackground(canvas, rect, FaceColorsFor(state, mouseOver),
                      FDegrade, FWallpaper, true);
  if (hasFocus()) canvas.DrawFocusRect(rect);
  PaintFaceContent(canvas, rect, Glyph(), NumGlyphs(), state, Caption(), Font(), CaptionSettings(), Margin());
}

}  // namespace pintoola
