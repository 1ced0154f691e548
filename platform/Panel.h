#pragma once
// A plain panel: a raised one-pixel edge around a background of its own colour. Its children are
// placed by its alignment layout inside the edge.
#include <QWidget>

#include "core/Colors.h"
#include "platform/AlignLayout.h"

namespace pintoola {

class TPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TPanel(QWidget* parent = nullptr);

  AlignLayout* ChildLayout() { return layout_; }
  void SetColor(TColor color);
  TColor Color() const { return color_; }
  // Drawn centred; hidden when empty.
  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AlignLayout* layout_;
  TColor color_ = clBtnFace;
  QString caption_;
};

}  // namespace pintoola
