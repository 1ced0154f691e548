#pragma once
// The gradient push button: focusable, reached with Tab, default or cancel button of its window,
// closes a dialog with its ModalResult.
#include "styled/cyBaseButton.h"

namespace pintoola {

class TcyBitBtn : public TcyBaseButton, public TcyGradientFace {
  Q_OBJECT
 public:
  explicit TcyBitBtn(QWidget* parent = nullptr);

 protected:
  void PaintButton(DrawSurface& canvas, TButtonState state, bool mouseOver) override;
};

}  // namespace pintoola
