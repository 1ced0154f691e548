#pragma once
// The drawing routines of the styled controls. Each routine is split into a pure planner that
// computes the rectangles, lines and colours (what the tests check) and a painter that applies
// the plan to a drawing surface.
#include <QImage>
#include <QString>
#include <vector>

#include "core/Colors.h"
#include "core/Geometry.h"
#include "platform/DrawSurface.h"
#include "styled/cyTypes.h"

namespace pintoola {

// ---- colours ----------------------------------------------------------------------------------

// Adds MulDiv(255, percent, 100) to every resolved channel, clamped to 0…255.
TColor ShiftBrightness(TColor color, int percent);
// a itself when a == b (a system colour stays one); else the channel-wise truncated mean.
TColor HalfwayColor(TColor a, TColor b);

// ---- gradients --------------------------------------------------------------------------------

enum TBandAxis : uint8_t { baTopToBottom, baLeftToRight };
enum TBandShape : uint8_t { shEllipse, shRectangle };

// One paint operation of a gradient: a solid rectangle fill, or an ellipse whose outline and inside
// take the colour.
struct TGradientStep {
  TRect rect;
  TColor color = clBlack;
  bool ellipse = false;
  friend bool operator==(const TGradientStep&, const TGradientStep&) = default;
};
using TGradientPlan = std::vector<TGradientStep>;

// count bands (at most one per pixel of extent), the first one step from fromColor, the last exactly
// toColor.
TGradientPlan LinearBands(const TRect& rect, TColor fromColor, TColor toColor, int count, TBandAxis axis);
// Shapes from outer (fromColor) in to inner (toColor), each painted over the previous.
TGradientPlan ConcentricBands(const TRect& outer, TColor fromColor, TBandShape shape, const TRect& inner,
                              int count, TColor toColor);
// The whole gradient: single pass for balance 50, bmNormal and speed 100, split pass otherwise.
TGradientPlan GradientSteps(const TRect& rect, TColor fromColor, TColor toColor,
                            TDgradOrientation orientation, int balance, TDgradBalanceMode balanceMode,
                            int maxDegrade, int speedPercent);

void PaintPlan(DrawSurface& canvas, const TGradientPlan& plan);
void PaintLinearBands(DrawSurface& canvas, const TRect& rect, TColor fromColor, TColor toColor, int count,
                      TBandAxis axis);
void PaintConcentricBands(DrawSurface& canvas, const TRect& outer, TColor fromColor, TBandShape shape,
                          const TRect& inner, int count, TColor toColor);
void PaintGradient(DrawSurface& canvas, const TRect& rect, TColor fromColor, TColor toColor,
                   TDgradOrientation orientation, int balance, TDgradBalanceMode balanceMode, int maxDegrade,
                   int speedPercent);

// ---- rings ------------------------------------------------------------------------------------

// A one-pixel line from `from` up to, not including, `to`.
struct TLineSegment {
  TPoint from, to;
  TColor color = clBlack;
  friend bool operator==(const TLineSegment&, const TLineSegment&) = default;
};
using TLinePlan = std::vector<TLineSegment>;

void PaintLines(DrawSurface& canvas, const TLinePlan& lines);

// `width` nested frames, colorA top and left, colorB right and bottom; with cut the corner pixels
// of the outermost frame are left out. rect ends `width` pixels smaller on every side.
TLinePlan BevelFrameLines(TRect& rect, TColor colorA, TColor colorB, int width, bool drawLeft, bool drawTop,
                          bool drawRight, bool drawBottom, bool cut);
void PaintBevelFrame(DrawSurface& canvas, TRect& rect, TColor colorA, TColor colorB, int width, bool drawLeft,
                     bool drawTop, bool drawRight, bool drawBottom, bool cut);

// One ring without its corner pixels: A left and top, B right and bottom.
TLinePlan ButtonFrameLines(const TRect& rect, TColor a, TColor b);
// One closed ring: L on top, M at the bottom, the sides running L, c2, c1, c3, M down the height.
TLinePlan GlossFrameLines(const TRect& rect, TColor l, TColor m);
// Both shrink rect by one pixel on every side (PaintButtonFrame only when shrink is set).
void PaintButtonFrame(DrawSurface& canvas, TRect& rect, TColor a, TColor b, bool shrink = true);
void PaintGlossFrame(DrawSurface& canvas, TRect& rect, TColor l, TColor m);

// ---- text -------------------------------------------------------------------------------------

unsigned ComposeTextFormat(TAlignment alignment, TTextLayout layout, bool wordWrap);
// DrawText that also places word-wrapped text vertically; with DT_CALCRECT only measures (rect's
// bottom then follows the text).
void DrawCaptionText(DrawSurface& canvas, const QString& text, TRect& rect, unsigned flags);
TFontSpec CreateRotatedFont(const TFontSpec& font, TCaptionOrientation orientation);
// Where TextOut puts turned text of extent w × h (unturned) in rect.
TPoint RotatedTextOrigin(const TRect& rect, int w, int h, TTextLayout layout, TAlignment alignment,
                         TCaptionOrientation orientation);
// One line of text in the canvas's current (turned) font.
void TextOutRotated(DrawSurface& canvas, const QString& text, const TRect& rect, TTextLayout layout,
                    TAlignment alignment, TCaptionOrientation orientation);

// ---- background picture -----------------------------------------------------------------------

struct TBgPicturePlan {
  bool stretch = false;       // one copy stretched into copies[0]
  std::vector<TRect> copies;  // destination rectangles, in drawing order (columns outer)
};
TBgPicturePlan BackgroundPicturePlan(const TRect& rect, int graphicWidth, int graphicHeight, TBgStyle style,
                                     TBgPosition position, int indentX, int indentY, int intervalX,
                                     int intervalY, int repeatX, int repeatY);
// With transparent the picture's bottom-left pixel colour is left out.
void PaintBackgroundPicture(DrawSurface& canvas, const TRect& rect, const QImage& graphic, bool transparent,
                            TBgStyle style, TBgPosition position, int indentX, int indentY, int intervalX,
                            int intervalY, int repeatX, int repeatY);

}  // namespace pintoola
