#pragma once
// The program's own artwork, drawn by code on first use and kept for the rest of the run.
#include <QIcon>
#include <QImage>
#include <QString>

class QPainter;

namespace pintoola::art {

// The twenty glyphs of the main window, named after the buttons that show them.
enum class GlyphId {
  btn1,   // "Open a new coloring page...": an uncoloured face drawing on a stack of pages
  btn4,   // "Open existing project...": the same face drawing, coloured
  btn20,  // "Undo last change": a landscape picture crossed by a white band
  btn22,  // "Reset coloring page": a landscape picture, half blank
  btn23,  // "Close coloring page": a red cross
  btn24,  // "Save project...": a landscape picture pinned at the top
  btn25,  // "Print project...": a landscape picture with a curled corner
  btn13,  // "Copy image to clipboard": two overlapping sheets
  btn19,  // "Exit to Windows": a door
  btn8,   // "Minimize": a window above a task bar
  btn26,  // "About...": a letter i
  btn3,   // "Solid fill": a white square
  btn2,   // "Cross lines fill": a fine square grid
  btn5,   // "Diagonal cross lines fill": a diagonal lattice
  btn7,   // "Vertical lines fill": vertical lines
  btn6,   // "Horizontal lines fill": horizontal lines
  btn9,   // "Diagonal lines fill 1": lines falling from upper left to lower right
  btn10,  // "Diagonal lines fill 2": lines rising from lower left to upper right
  btn12,  // "Add your signature": a pencil
  btn11,  // "Fix image": bands of sky, grass and earth
};
constexpr int kGlyphCount = 20;

// A 32 × 32 glyph in Format_ARGB32 (not premultiplied). Black is the key colour: every pixel left
// out when drawn is exactly 0x00000000 (black, alpha 0), the bottom-left pixel among them, and every
// pixel that shows is opaque and never pure black (outlines are dark grey 20, 20, 20). So the glyph
// draws the same whether the key is matched on RGB, on the whole ARGB value, or by alpha.
QImage Glyph(GlyphId id);

// The standard glyphs of the button kinds, as the resources BBOK … BBALL hold them.
enum class KindGlyphId { OK, Cancel, Help, Yes, No, Close, Abort, Retry, Ignore, All };

// Two cells side by side, normal then disabled: 36 × 18 (All: 36 × 19). Format_Indexed8 with a
// 16-colour table (the classic 16 colours, index 3 olive 128, 128, 0); olive is the key colour and
// is the bottom-left pixel of each cell.
QImage KindGlyph(KindGlyphId kind);
// The same by resource name ("BBOK", "BBCANCEL", … "BBALL"); a null image for any other name.
QImage KindGlyphResource(const QString& name);

// The program icon: a crayon over a page with a coloured flower, at the sizes of the desktop's
// icon theme. Every size is painted at that size, never resampled from another bitmap.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// Draws the icon of a `size`-pixel square from (0, 0) on any paint device; sizes up to 24 are drawn
// to the pixel grid, 64 and up with the most detail. The scalable icon is the 256 drawing.
void PaintIcon(QPainter& p, int size);
// One of kIconSizes, drawn anew, Format_ARGB32 with real transparency; a null image for other sizes.
QImage IconImage(int size);
// Every size, for the window manager and the task bar to pick from.
QIcon ProgramIcon();

// The about box picture: a colouring book titled "Pintoola 1.0", 338 × 265, Format_RGB888.
QImage AboutPicture();

}  // namespace pintoola::art
