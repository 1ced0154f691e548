#include "styled/cySpeedButton.h"

#include "styled/cyGraphics.h"

namespace pintoola {

TcySpeedButton::TcySpeedButton(QWidget* parent) : TcyBaseSpeedButton(parent), TcyGradientFace(this) {}

void TcySpeedButton::PaintButton(DrawSurface& canvas, TButtonState state, bool mouseOver) {
  TRect rect = Bounds(0, 0, width(), height());
  const bool hotShown = mouseOver && FlatHotStyle() != hsHidden;
  const TFaceColors colors = FaceColorsFor(state, hotShown);
  if (!Flat()) {
    PaintFaceBackground(canvas, rect, colors, FDegrade, FWallpaper, false);
  } else {
    // A flat button shows no rings of its own, only a plain one under the mouse or while down.
    if (!Transparent()) {
      PaintGradient(canvas, rect, colors.from, colors.to, FDegrade.Orientation(), FDegrade.Balance(),
                    colors.balanceMode, FDegrade.MaxDegrade(), FDegrade.SpeedPercent());
      FWallpaper.Draw(canvas, rect);
    }
    if (state == bsUp && hotShown)
      PaintButtonFrame(canvas, rect, colors.a, ShiftBrightness(colors.b, -40), false);
    else if ((state == bsDown || state == bsExclusive) && FlatDownStyle() != dsHidden)
      PaintButtonFrame(canvas, rect, ShiftBrightness(colors.a, -40), colors.b, false);
  }
  PaintFaceContent(canvas, rect, Glyph(), NumGlyphs(), state, Caption(), Font(), CaptionSettings(), Margin());
  canvas.SetBrush(canvas.BrushColor(), bsSolid);
}

}  // namespace pintoola
