#pragma once
// The styled panel: a Degrade gradient under the rings and caption of tcyBasePanel.
#include "styled/cyBasePanel.h"

namespace pintoola {

class TCyPanel : public tcyBasePanel {
  Q_OBJECT
 public:
  explicit TCyPanel(QWidget* parent = nullptr);

  TcyGradient& Degrade() { return FDegrade; }

 protected:
  void PaintBackground(DrawSurface& canvas, const TRect& rect) override;

 private:
  TcyGradient FDegrade;
};

}  // namespace pintoola
