#pragma once
// The styled label: rings and an optional gradient behind the caption of TcyBaseLabel.
#include "styled/cyBaseLabel.h"

namespace pintoola {

class TcyLabel : public TcyBaseLabel {
  Q_OBJECT
 public:
  explicit TcyLabel(QWidget* parent = nullptr);

  TcyGradient& Degrade() { return FDegrade; }
  // Empty by default: a label has no rings.
  tcyBevels& Bevels() { return FBevels; }

 protected:
  void PaintBackground(DrawSurface& canvas, TRect& rect) override;

 private:
  tcyBevels FBevels{this};
  TcyGradient FDegrade;
};

}  // namespace pintoola
