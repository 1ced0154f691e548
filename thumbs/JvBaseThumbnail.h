#pragma once
// The tile's panel: a background in its colour inside a one-pixel outer bevel. It raises no input
// events of its own; every press, move, release and double click goes on to the view, in the
// view's client coordinates.
#include <QPoint>
#include <QWidget>

#include "core/Colors.h"
#include "core/Geometry.h"
#include "core/Types.h"

namespace pintoola {

// Where tiles deliver their input: the view. Positions are in the view's client coordinates.
class ThumbInputTarget {
 public:
  virtual void ThumbMouseDown(TMouseButton button, TShiftState shift, QPoint clientPos) = 0;
  virtual void ThumbMouseMove(TShiftState shift, QPoint clientPos) = 0;
  virtual void ThumbMouseUp(TMouseButton button, TShiftState shift, QPoint clientPos) = 0;
  virtual void ThumbDblClick(TShiftState shift, QPoint clientPos) = 0;

 protected:
  ~ThumbInputTarget() = default;
};

enum TPanelBevel { bvLowered, bvRaised };

// Qt's buttons and modifiers as a shift state.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
TMouseButton MouseButtonOf(Qt::MouseButton button);

// Paints a one-pixel bevel along the edges of r: raised is light top-left, dark bottom-right.
class DrawSurface;
void PaintBevel(DrawSurface& surface, const TRect& r, TPanelBevel bevel);

class TJvBaseThumbnail : public QWidget {
 public:
  // `view` receives the tile's input; nullptr for a tile outside a view.
  TJvBaseThumbnail(QWidget* parent, ThumbInputTarget* view);

  void SetColor(TColor color);
  TColor Color() const { return FColor; }
  void SetBevelOuter(TPanelBevel bevel);
  TPanelBevel BevelOuter() const { return FBevelOuter; }

  // Input in tile coordinates, from the tile itself or from its parts. The base passes it on.
  virtual void TileMouseDown(TMouseButton button, TShiftState shift, QPoint pos);
  virtual void TileMouseMove(TShiftState shift, QPoint pos);
  virtual void TileMouseUp(TMouseButton button, TShiftState shift, QPoint pos);
  virtual void TileDblClick(TShiftState shift, QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  ThumbInputTarget* FView;
  TColor FColor = clBtnFace;
  TPanelBevel FBevelOuter = bvRaised;
};

}  // namespace pintoola
