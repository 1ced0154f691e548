#pragma once
// The gradient push button: focusable, reached with Tab, default or cancel button of its window,
// closes a dialog with its ModalResult.
#include "styled/cyBaseButton.h"

namespace pintoola {

class TcyBitBtn : public TcyBaseButton {
  Q_OBJECT
 public:
  explicit TcyBitBtn(QWidget* parent = nullptr);

  TcyGradient& Degrade() { return FDegrade; }
  TcyBgPicture& Wallpaper() { return FWallpaper; }
  const TStateColors& StateColors() const { return FStateColors; }
  TDgradBalanceMode HotBalanceMode() const { return FHotBalanceMode; }

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
