#pragma once
// The palette: a grid of small colour cells showing one of six colour sets. The current cell's
// colour is SelectedColor; a mouse choice, a key move or a wheel notch raises clicked().
#include <QBasicTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "core/Colors.h"
#include "palette/CnColorSets.h"
#include "palette/CnGridLayout.h"

namespace pintoola {

class TCnColorGrid : public QWidget {
  Q_OBJECT
 public:
  // Starts with the safe colours in 18 × 12 cells of 15 × 15 and sizes itself to them.
  explicit TCnColorGrid(QWidget* parent = nullptr);

  // Colour set settings. The plain ones (AutoSize, HotTrace, the four line colours, CustomColorType)
  // are only stored and show at the next repaint.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value) { FAutoSize = value; }
  TAutoSizeBy AutoSizeBy() const { return FAutoSizeBy; }
  void SetAutoSizeBy(TAutoSizeBy value);
  bool HotTrace() const { return FHotTrace; }
  void SetHotTrace(bool value) { FHotTrace = value; }
  TColor GridLineColor1() const { return FLineColors.GridLine1; }
  void SetGridLineColor1(TColor value) { FLineColors.GridLine1 = value; }
  TColor GridLineColor2() const { return FLineColors.GridLine2; }
  void SetGridLineColor2(TColor value) { FLineColors.GridLine2 = value; }
  TColor SelectLineColor() const { return FLineColors.SelectLine; }
  void SetSelectLineColor(TColor value) { FLineColors.SelectLine = value; }
  TColor SelectRangeColor() const { return FLineColors.SelectRange; }
  void SetSelectRangeColor(TColor value) { FLineColors.SelectRange = value; }
  TColorSet ColorSet() const { return FColorSet; }
  void SetColorSet(TColorSet value);
  const std::vector<std::string>& CustomColors() const { return FCustomColors; }
  void SetCustomColors(const std::vector<std::string>& value) { FCustomColors = value; }
  int CustomRowCount() const { return FCustomRowCount; }
  void SetCustomRowCount(int value);
  int CustomColCount() const { return FCustomColCount; }
  void SetCustomColCount(int value);
  TCustomColorType CustomColorType() const { return FCustomColorType; }
  void SetCustomColorType(TCustomColorType value) { FCustomColorType = value; }

  // Colour of the current cell. Like CellColor, raises the conversion error for a custom string that
  // holds no number.
  TColor SelectedColor() const;
  TColor CellColor(int index) const;

  // Grid settings; negative values are ignored. Shrinking the grid pulls the current cell back inside.
  int ColCount() const { return FMetrics.ColCount; }
  void SetColCount(int value);
  int RowCount() const { return FMetrics.RowCount; }
  void SetRowCount(int value);
  int DefaultColWidth() const { return FMetrics.ColWidth; }
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return FMetrics.RowHeight; }
  void SetDefaultRowHeight(int value);
  int GridLineWidth() const { return FMetrics.LineWidth; }
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  const TGridMetrics& Metrics() const { return FMetrics; }

  // The current cell; a column or row outside the grid raises "Grid index out of range".
  int Col() const { return FCurrent.Col; }
  int Row() const { return FCurrent.Row; }
  void SetCol(int value) { MoveCurrent({value, FCurrent.Row}); }
  void SetRow(int value) { MoveCurrent({FCurrent.Col, value}); }
  // True from a left press on a cell until its release.
  bool Selecting() const { return FSelecting; }
  bool ScrollTimerActive() const { return FScrollTimer.isActive(); }

  bool NextColorSet();
  bool PreColorSet();
  int GetGridWidth() const { return GridWidth(FMetrics); }
  int GetGridHeight() const { return GridHeight(FMetrics); }
  void ApplyColorSetSize();
  // Makes cell (0, 0) current without a click and repaints every cell.
  void DrawGridColor();

  // Client area inside the two-pixel border, in widget coordinates.
  QRect ClientRect() const;
  QSize sizeHint() const override { return {GetGridWidth(), GetGridHeight()}; }

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  static constexpr int kBorder = 2;
  static constexpr int kScrollTimerMs = 60;

  void RunResizeRule();
  void MoveCurrent(TGridCoord cell);
  void InvalidateCell(TGridCoord cell);
  // The cell under a widget point, or {-1, -1}.
  TGridCoord CellAtPoint(const QPoint& pos) const;
  void TrackPoint(const QPoint& pos);
  bool TakeFocus();
  // Moves to `cell`, repaints and raises clicked() when the cell changes.
  void ChooseByKey(TGridCoord cell);

  bool FAutoSize = true;
  TAutoSizeBy FAutoSizeBy = asRowCol;
  bool FHotTrace = true;
  TCellLineColors FLineColors;
  TColorSet FColorSet = csSafeColors;
  std::vector<std::string> FCustomColors;
  int FCustomRowCount = 10;
  int FCustomColCount = 10;
  TCustomColorType FCustomColorType = ccHex;

  TGridMetrics FMetrics{12, 18, 15, 15, 1};
  TColor FColor = clWindow;
  TGridCoord FCurrent;
  bool FSelecting = false;
  QBasicTimer FScrollTimer;
  int FWheelRemainder = 0;
  bool FInResizeRule = false;
};

}  // namespace pintoola
