#include "palette/CnGridLayout.h"

#include <algorithm>

#include "platform/DrawSurface.h"

namespace pintoola {

namespace {

int CellAt(int pos, int size, int line, int count) {
  const int stride = size + line;
  if (pos < 0 || stride <= 0) return -1;
  const int index = pos / stride;
  return index < count ? index : -1;
}

int LastFullyVisible(int size, int line, int count, int client) {
  int last = 0;
  for (int i = 0; i < count; ++i)
    if (i * (size + line) + size <= client) last = i;
  return last;
}

}  // namespace

TRect CellRect(const TGridMetrics& m, int col, int row) {
  const int left = col * (m.ColWidth + m.LineWidth), top = row * (m.RowHeight + m.LineWidth);
  return Rect(left, top, left + m.ColWidth, top + m.RowHeight);
}

int ColumnAt(const TGridMetrics& m, int x) { return CellAt(x, m.ColWidth, m.LineWidth, m.ColCount); }
int RowAt(const TGridMetrics& m, int y) { return CellAt(y, m.RowHeight, m.LineWidth, m.RowCount); }

int GridWidth(const TGridMetrics& m) { return (m.ColWidth + m.LineWidth) * m.ColCount + 3; }
int GridHeight(const TGridMetrics& m) { return (m.RowHeight + m.LineWidth) * m.RowCount + 3; }

int LastFullyVisibleCol(const TGridMetrics& m, int clientWidth) {
  return LastFullyVisible(m.ColWidth, m.LineWidth, m.ColCount, clientWidth);
}
int LastFullyVisibleRow(const TGridMetrics& m, int clientHeight) {
  return LastFullyVisible(m.RowHeight, m.LineWidth, m.RowCount, clientHeight);
}

TGridCoord KeyTarget(const TGridMetrics& m, TGridCoord current, TGridKey key, bool ctrl, int lastCol,
                     int lastRow) {
  TGridCoord t = current;
  const int pageCols = lastCol, pageRows = lastRow;  // the first visible column and row are 0
  switch (key) {
    case TGridKey::Left: t.Col -= ctrl ? pageCols : 1; break;
    case TGridKey::Right: t.Col += ctrl ? pageCols : 1; break;
    case TGridKey::Up:
      if (!ctrl) t.Row -= 1;  // Ctrl would only scroll the view, which never scrolls
      break;
    case TGridKey::Down:
      if (!ctrl) t.Row += 1;
      break;
    case TGridKey::PageUp: t.Row = ctrl ? 0 : t.Row - pageRows; break;
    case TGridKey::PageDown: t.Row = ctrl ? lastRow : t.Row + pageRows; break;
    case TGridKey::Home:
      t.Col = 0;
      if (ctrl) t.Row = 0;
      break;
    case TGridKey::End:
      t.Col = m.ColCount - 1;
      if (ctrl) t.Row = m.RowCount - 1;
      break;
  }
  t.Col = std::clamp(t.Col, 0, std::max(0, m.ColCount - 1));
  t.Row = std::clamp(t.Row, 0, std::max(0, m.RowCount - 1));
  return t;
}

void PaintColorCell(DrawSurface& s, const TRect& cell, TColor fill, bool selected, bool focused,
                    const TCellLineColors& colors) {
  const int l = cell.Left, t = cell.Top, r = cell.Right, b = cell.Bottom;
  s.FillSolid(cell, fill);
  if (selected) {
    // Frames given by inclusive corners; the outer one covers the cell's own line column and row.
    s.FrameRect(Rect(l, t, r + 1, b + 1), colors.SelectLine);
    s.FrameRect(Rect(l + 1, t + 1, r, b), colors.SelectRange);
    s.FrameRect(Rect(l + 2, t + 2, r - 1, b - 1), colors.SelectLine);
  } else {
    s.FillSolid(Rect(l, t, r, t + 1), colors.GridLine1);
    s.FillSolid(Rect(l, t + 1, l + 1, b), colors.GridLine1);
    s.FillSolid(Rect(r, t + 1, r + 1, b), colors.GridLine2);
    s.FillSolid(Rect(l + 1, b, r + 1, b + 1), colors.GridLine2);
  }
  if (focused) s.DrawFocusRect(cell.Inflated(-1, -1));
}

void DrawSunkenBorder(DrawSurface& s, const TRect& o) {
  // Outer ring shadow / highlight, inner ring dark shadow / light: light from the top left.
  s.FillSolid(Rect(o.Left, o.Top, o.Right - 1, o.Top + 1), clBtnShadow);
  s.FillSolid(Rect(o.Left, o.Top, o.Left + 1, o.Bottom - 1), clBtnShadow);
  s.FillSolid(Rect(o.Left, o.Bottom - 1, o.Right, o.Bottom), clBtnHighlight);
  s.FillSolid(Rect(o.Right - 1, o.Top, o.Right, o.Bottom), clBtnHighlight);
  const TRect i = o.Inflated(-1, -1);
  s.FillSolid(Rect(i.Left, i.Top, i.Right - 1, i.Top + 1), cl3DDkShadow);
  s.FillSolid(Rect(i.Left, i.Top, i.Left + 1, i.Bottom - 1), cl3DDkShadow);
  s.FillSolid(Rect(i.Left, i.Bottom - 1, i.Right, i.Bottom), cl3DLight);
  s.FillSolid(Rect(i.Right - 1, i.Top, i.Right, i.Bottom), cl3DLight);
}

TRect CornerEraseRect(int outerWidth, int outerHeight, int scrollBarWidth, int scrollBarHeight) {
  return Rect(outerWidth - scrollBarWidth, outerHeight - scrollBarHeight, outerWidth, outerHeight);
}

}  // namespace pintoola
