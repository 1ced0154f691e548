#include "palette/CnColorGrid.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QWheelEvent>
#include <cmath>

#include "core/Errors.h"
#include "platform/DrawSurface.h"

namespace pintoola {

namespace {

constexpr int kWheelNotch = 120;

bool NavigationKey(int key, TGridKey& out) {
  switch (key) {
    case Qt::Key_Left: out = TGridKey::Left; return true;
    case Qt::Key_Right: out = TGridKey::Right; return true;
    case Qt::Key_Up: out = TGridKey::Up; return true;
    case Qt::Key_Down: out = TGridKey::Down; return true;
    case Qt::Key_PageUp: out = TGridKey::PageUp; return true;
    case Qt::Key_PageDown: out = TGridKey::PageDown; return true;
    case Qt::Key_Home: out = TGridKey::Home; return true;
    case Qt::Key_End: out = TGridKey::End; return true;
    default: return false;
  }
}

// (size - count) / count, rounded to nearest with ties to even.
int SharedCellSize(int size, int count) {
  return static_cast<int>(std::nearbyintl(static_cast<long double>(size - count) / count));
}

}  // namespace

TCnColorGrid::TCnColorGrid(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  RunResizeRule();
}

void TCnColorGrid::SetAutoSizeBy(TAutoSizeBy value) {
  if (value == FAutoSizeBy) return;
  FAutoSizeBy = value;
  ApplyColorSetSize();
  DrawGridColor();
}

void TCnColorGrid::SetColorSet(TColorSet value) {
  if (value == FColorSet) return;
  FColorSet = value;
  ApplyColorSetSize();
  DrawGridColor();
}

void TCnColorGrid::SetCustomRowCount(int value) {
  if (value == FCustomRowCount) return;
  FCustomRowCount = value;
  if (FColorSet == csCustomColors) ApplyColorSetSize();
}

void TCnColorGrid::SetCustomColCount(int value) {
  if (value == FCustomColCount) return;
  FCustomColCount = value;
  if (FColorSet == csCustomColors) ApplyColorSetSize();
}

TColor TCnColorGrid::CellColor(int index) const {
  return ColorSetCellColor(FColorSet, index, FCustomColors, FCustomColorType);
}

TColor TCnColorGrid::SelectedColor() const {
  return CellColor(FCurrent.Row * FMetrics.ColCount + FCurrent.Col);
}

void TCnColorGrid::SetColCount(int value) {
  if (value < 0 || value == FMetrics.ColCount) return;
  FMetrics.ColCount = value;
  FCurrent.Col = std::min(FCurrent.Col, std::max(0, value - 1));
  update();
}

void TCnColorGrid::SetRowCount(int value) {
  if (value < 0 || value == FMetrics.RowCount) return;
  FMetrics.RowCount = value;
  FCurrent.Row = std::min(FCurrent.Row, std::max(0, value - 1));
  update();
}

void TCnColorGrid::SetDefaultColWidth(int value) {
  if (value < 0 || value == FMetrics.ColWidth) return;
  FMetrics.ColWidth = value;
  update();
}

void TCnColorGrid::SetDefaultRowHeight(int value) {
  if (value < 0 || value == FMetrics.RowHeight) return;
  FMetrics.RowHeight = value;
  update();
}

void TCnColorGrid::SetColor(TColor value) {
  FColor = value;
  update();
}

bool TCnColorGrid::NextColorSet() {
  const TColorSet last = FCustomColors.empty() ? csHSBColors : csCustomColors;
  if (FColorSet >= last) return false;
  SetColorSet(static_cast<TColorSet>(FColorSet + 1));
  return true;
}

bool TCnColorGrid::PreColorSet() {
  if (FColorSet == csSafeColors) return false;
  SetColorSet(static_cast<TColorSet>(FColorSet - 1));
  return true;
}

void TCnColorGrid::ApplyColorSetSize() {
  const TColorSetShape shape = FColorSet == csCustomColors ? TColorSetShape{FCustomRowCount, FCustomColCount}
                                                           : BuiltInShape(FColorSet);
  SetRowCount(shape.Rows);
  SetColCount(shape.Cols);
  if (FAutoSize) RunResizeRule();
}

void TCnColorGrid::DrawGridColor() {
  FCurrent = {0, 0};
  update();
}

QRect TCnColorGrid::ClientRect() const {
  return QRect(kBorder, kBorder, std::max(0, width() - 2 * kBorder), std::max(0, height() - 2 * kBorder));
}

void TCnColorGrid::RunResizeRule() {
  if (FInResizeRule) return;
  FInResizeRule = true;
  switch (FAutoSizeBy) {
    case asRowCol: resize(GetGridWidth(), GetGridHeight()); break;
    case asSameWidth:
      if (FMetrics.ColCount > 0) SetDefaultColWidth(SharedCellSize(width(), FMetrics.ColCount));
      resize(width(), GetGridHeight());
      break;
    case asSameHeight:
      if (FMetrics.RowCount > 0) SetDefaultRowHeight(SharedCellSize(height(), FMetrics.RowCount));
      resize(GetGridWidth(), height());
      break;
  }
  FInResizeRule = false;
}

void TCnColorGrid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RunResizeRule();
}

void TCnColorGrid::MoveCurrent(TGridCoord cell) {
  if (cell.Col < 0 || cell.Col >= FMetrics.ColCount || cell.Row < 0 || cell.Row >= FMetrics.RowCount)
    throw EPintoolaError("Grid index out of range");
  if (cell == FCurrent) return;
  InvalidateCell(FCurrent);
  FCurrent = cell;
  InvalidateCell(FCurrent);
}

void TCnColorGrid::InvalidateCell(TGridCoord cell) {
  const TRect r = CellRect(FMetrics, cell.Col, cell.Row);
  // The cell's own line column and row belong to it: its outer frame covers them.
  update(QRect(r.Left + kBorder, r.Top + kBorder, r.Width() + FMetrics.LineWidth,
               r.Height() + FMetrics.LineWidth));
}

TGridCoord TCnColorGrid::CellAtPoint(const QPoint& pos) const {
  const int col = ColumnAt(FMetrics, pos.x() - kBorder), row = RowAt(FMetrics, pos.y() - kBorder);
  if (col < 0 || row < 0) return {-1, -1};
  return {col, row};
}

void TCnColorGrid::TrackPoint(const QPoint& pos) {
  const TGridCoord cell = CellAtPoint(pos);
  if (cell.Col >= 0) MoveCurrent(cell);
}

bool TCnColorGrid::TakeFocus() {
  if (focusPolicy() == Qt::NoFocus || !isEnabled()) return false;
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  return true;
}

void TCnColorGrid::ChooseByKey(TGridCoord cell) {
  if (cell == FCurrent) return;
  MoveCurrent(cell);
  emit clicked();
}

void TCnColorGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  DrawSurface s(painter);
  const QRect client = ClientRect();

  // Only the corner square is erased; the rest of the background is left as it is.
  const int sbw = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const TRect corner = CornerEraseRect(width(), height(), sbw, sbw).Offset(kBorder, kBorder);
  s.FillSolid(FromQRect(ToQRect(corner).intersected(client)), FColor);
  DrawSunkenBorder(s, Bounds(0, 0, width(), height()));

  painter.setClipRect(client.intersected(event->rect()));
  painter.translate(kBorder, kBorder);
  const QRect dirty = event->rect().translated(-kBorder, -kBorder);
  const bool focused = hasFocus();
  for (int row = 0; row < FMetrics.RowCount; ++row) {
    for (int col = 0; col < FMetrics.ColCount; ++col) {
      const TRect cell = CellRect(FMetrics, col, row);
      if (!dirty.intersects(QRect(cell.Left, cell.Top, cell.Width() + 1, cell.Height() + 1))) continue;
      TColor fill = FColor;
      try {
        fill = CellColor(row * FMetrics.ColCount + col);
      } catch (const EPintoolaError&) {
        // A custom string that is no colour is reported where it is read (SelectedColor); painting it
        // on every repaint would raise the error again and again.
      }
      const bool selected = FCurrent == TGridCoord{col, row};
      PaintColorCell(s, cell, fill, selected, selected && focused, FLineColors);
    }
  }
  // What lies beyond the last line column and row (only when the control is larger than its grid).
  const int gridRight = FMetrics.ColCount * (FMetrics.ColWidth + FMetrics.LineWidth);
  const int gridBottom = FMetrics.RowCount * (FMetrics.RowHeight + FMetrics.LineWidth);
  s.FillSolid(Rect(gridRight, 0, std::max(gridRight, client.width()), client.height()), FColor);
  s.FillSolid(Rect(0, gridBottom, gridRight, std::max(gridBottom, client.height())), FColor);
}

void TCnColorGrid::mousePressEvent(QMouseEvent* event) {
  if (!TakeFocus()) return;
  if (event->button() != Qt::LeftButton) return;
  const TGridCoord cell = CellAtPoint(event->position().toPoint());
  if (cell.Col < 0) return;
  FSelecting = true;
  FScrollTimer.start(kScrollTimerMs, this);
  // With Shift the anchor moves instead; without range selection that moves the current cell too.
  MoveCurrent(cell);
}

void TCnColorGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!TakeFocus()) return;
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void TCnColorGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (FSelecting) {
    TrackPoint(pos);
  } else if (FHotTrace) {
    // Without a held button the pointer is only seen over the client area.
    if (event->buttons() != Qt::NoButton || ClientRect().contains(pos)) TrackPoint(pos);
  }
}

void TCnColorGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !FSelecting) return;
  TrackPoint(event->position().toPoint());
  FScrollTimer.stop();
  FSelecting = false;
  emit clicked();
}

void TCnColorGrid::keyPressEvent(QKeyEvent* event) {
  TGridKey key;
  if (event->key() == Qt::Key_F2) return;  // no cell editor
  if (!NavigationKey(event->key(), key)) {
    QWidget::keyPressEvent(event);
    return;
  }
  const QRect client = ClientRect();
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  ChooseByKey(KeyTarget(FMetrics, FCurrent, key, ctrl, LastFullyVisibleCol(FMetrics, client.width()),
                        LastFullyVisibleRow(FMetrics, client.height())));
}

void TCnColorGrid::wheelEvent(QWheelEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  FWheelRemainder += event->angleDelta().y();
  while (FWheelRemainder >= kWheelNotch) {
    FWheelRemainder -= kWheelNotch;
    if (FCurrent.Row > 0) ChooseByKey({FCurrent.Col, FCurrent.Row - 1});
  }
  while (FWheelRemainder <= -kWheelNotch) {
    FWheelRemainder += kWheelNotch;
    if (FCurrent.Row < FMetrics.RowCount - 1) ChooseByKey({FCurrent.Col, FCurrent.Row + 1});
  }
  event->accept();
}

void TCnColorGrid::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  InvalidateCell(FCurrent);
}

void TCnColorGrid::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  InvalidateCell(FCurrent);
}

void TCnColorGrid::timerEvent(QTimerEvent* event) {
  // The scroll timer would scroll the view while the pointer is outside it; the view never scrolls.
  if (event->timerId() != FScrollTimer.timerId()) QWidget::timerEvent(event);
}

}  // namespace pintoola
