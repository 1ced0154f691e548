#pragma once
// The gradient toggle button.
#include "styled/cyBaseSpeedButton.h"

namespace pintoola {

class TcySpeedButton : public TcyBaseSpeedButton {
  Q_OBJECT
 public:
  explicit TcySpeedButton(QWidget* parent = nullptr);

  TcyGradient& Degrade() { return FDegrade; }
  TcyBgPicture& Wallpaper() { return FWallpaper; }
  const TStateColors& StateColors() const { return FStateColors; }

 protected:
  void PaintButton(DrawSurface& canvas, TButtonState state, bool mouseOver) override;

 private:
  void UpdateStateColors();

  TcyGradient FDegrade;
  TStateColors FStateColors;
  TDgradBalanceMode FHotBalanceMode = bmReverseFromColor;
  TcyBgPicture FWallpaper;
};

}  // namespace pintoola
