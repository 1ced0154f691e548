#pragma once
// The gradient toggle button.
#include "styled/cyBaseSpeedButton.h"

namespace pintoola {

class TcySpeedButton : public TcyBaseSpeedButton, public TcyGradientFace {
  Q_OBJECT
 public:
  explicit TcySpeedButton(QWidget* parent = nullptr);

 protected:
  void PaintButton(DrawSurface& canvas, TButtonState state, bool mouseOver) override;
};

}  // namespace pintoola
