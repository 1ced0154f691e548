#pragma once
// Pure cell geometry, key navigation and cell painting of the colour grid, kept apart from the
// widget so that tests can call them directly.
#include "core/Colors.h"
#include "core/Geometry.h"

namespace pintoola {

class DrawSurface;

struct TGridCoord {
  int Col = 0, Row = 0;
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

struct TGridMetrics {
  int ColCount = 0, RowCount = 0;
  int ColWidth = 0, RowHeight = 0;
  int LineWidth = 1;
};

// The cell's fill rectangle; Right and Bottom are the first pixels of its own line column and row.
TRect CellRect(const TGridMetrics& m, int col, int row);
// The column (row) whose cell or trailing line holds the client coordinate; -1 for none.
int ColumnAt(const TGridMetrics& m, int x);
int RowAt(const TGridMetrics& m, int y);

// Control size that fits every cell and the lines between them inside a two-pixel border.
int GridWidth(const TGridMetrics& m);
int GridHeight(const TGridMetrics& m);

// The last column (row) whose fill lies wholly inside a client area of the given size, counting
// from column (row) 0; never below 0.
int LastFullyVisibleCol(const TGridMetrics& m, int clientWidth);
int LastFullyVisibleRow(const TGridMetrics& m, int clientHeight);

enum class TGridKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

// Where a navigation key moves the current cell, clamped to the grid. `lastCol` / `lastRow` are the
// last fully visible column and row (the view never scrolls, so the first visible ones are 0).
TGridCoord KeyTarget(const TGridMetrics& m, TGridCoord current, TGridKey key, bool ctrl, int lastCol,
                     int lastRow);

struct TCellLineColors {
  TColor GridLine1 = clGrayText;  // top and left edge
  TColor GridLine2 = clWindow;    // line column and line row
  TColor SelectLine = clBlack;    // outer and inner frame of the current cell
  TColor SelectRange = clWindow;  // middle frame of the current cell
};

// Paints one cell: its fill, then either the three nested frames of the current cell over its
// 16 × 16 square or the sunken edge of an ordinary one, then the focus rectangle when focused.
// The pixels (Right, Top) and (Left, Bottom) of an ordinary cell are left untouched.
void PaintColorCell(DrawSurface& s, const TRect& cell, TColor fill, bool selected, bool focused,
                    const TCellLineColors& colors);

// The two-pixel sunken border around a control of the given outer rectangle.
void DrawSunkenBorder(DrawSurface& s, const TRect& outer);

// The square erased before painting, in client coordinates: as wide as a vertical scroll bar and as
// high as a horizontal one, measured back from the control's outer size.
TRect CornerEraseRect(int outerWidth, int outerHeight, int scrollBarWidth, int scrollBarHeight);

}  // namespace pintoola
