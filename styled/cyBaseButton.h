#pragma once
// The focusable push button with glyph settings, and the face both button families paint:
// state colours, gradient, wallpaper, outer ring, plain or gloss inner ring, glyph and caption.
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "core/Colors.h"
#include "core/Geometry.h"
#include "core/Types.h"
#include "platform/DrawSurface.h"
#include "styled/cyClasses.h"
#include "styled/cyTypes.h"

class QShortcut;

namespace pintoola {

// ---- the face ---------------------------------------------------------------------------------

// Hot, pressed and disabled colours derived from Degrade's two colours.
struct TStateColors {
  TColor hotFrom = clNone, hotTo = clNone;
  TColor downFrom = clNone, downTo = clNone;
  TColor disabledFrom = clNone, disabledTo = clNone;
};
TStateColors ComputeStateColors(TColor fromColor, TColor toColor);

// Gradient colours, balance mode and frame colours of one draw state.
struct TFaceColors {
  TColor from = clNone, to = clNone;
  TDgradBalanceMode balanceMode = bmNormal;
  TColor outer = clNone, a = clNone, b = clNone;
  bool gloss = true;
};
TFaceColors FaceColors(TButtonState state, bool mouseOver, const TcyGradient& degrade,
                       const TStateColors& colors, TDgradBalanceMode hotBalanceMode);

// The gradient look both styled buttons own: Degrade with the state colours derived from it, the
// wallpaper, and the balance mode of the hot face. A change repaints the owner.
class TcyGradientFace {
 public:
  explicit TcyGradientFace(QWidget* owner);
  TcyGradientFace(const TcyGradientFace&) = delete;
  TcyGradientFace& operator=(const TcyGradientFace&) = delete;

  TcyGradient& Degrade() { return FDegrade; }
  TcyBgPicture& Wallpaper() { return FWallpaper; }
  const TStateColors& StateColors() const { return FStateColors; }
  TDgradBalanceMode HotBalanceMode() const { return FHotBalanceMode; }

 protected:
  TFaceColors FaceColorsFor(TButtonState state, bool hot) const {
    return FaceColors(state, hot, FDegrade, FStateColors, FHotBalanceMode);
  }

  TcyGradient FDegrade;
  TcyBgPicture FWallpaper;

 private:
  QWidget* owner_;
  TStateColors FStateColors;
  TDgradBalanceMode FHotBalanceMode = bmReverseFromColor;
};

// Gradient, wallpaper and both rings; rect ends inside the rings. With keepCorners the four corner
// pixels of rect are left as the surface held them.
void PaintFaceBackground(DrawSurface& canvas, TRect& rect, const TFaceColors& colors,
                         const TcyGradient& degrade, const TcyBgPicture& wallpaper, bool keepCorners);

struct TGlyphPlacement {
  TPoint glyph;
  TRect caption;
  friend bool operator==(const TGlyphPlacement&, const TGlyphPlacement&) = default;
};
// captionExtent is the caption's measured extent along the layout axis (0 for no caption).
TGlyphPlacement PlaceGlyph(const TRect& rect, int glyphWidth, int glyphHeight, TButtonLayout layout,
                           int margin, int spacing, int captionExtent);

// The cell a draw state shows: the state's own cell when the picture has one, else the first.
int GlyphCellIndex(TButtonState state, int numGlyphs);
// A copy of one cell; its bottom-left pixel is the key colour.
QImage GlyphCell(const QImage& glyph, int numGlyphs, int cell);
void PaintGlyph(DrawSurface& canvas, int x, int y, const QImage& glyph, int numGlyphs, TButtonState state);

// Text settings a button caption is drawn with.
struct TButtonCaptionSettings {
  TButtonLayout layout = blGlyphLeft;
  bool wordWrap = false;
  TCaptionOrientation orientation = coHorizontal;
  int spacing = 4;
};
int MeasureCaption(DrawSurface& canvas, const TRect& rect, const QString& caption,
                   const TButtonCaptionSettings& s, int glyphWidth);
void PaintButtonCaption(DrawSurface& canvas, TRect captionRect, const QString& caption, bool hasGlyph,
                        const TButtonCaptionSettings& s);
// Glyph and caption of a face whose rings are drawn; rect is the area inside the rings.
void PaintFaceContent(DrawSurface& canvas, const TRect& rect, const QImage& glyph, int numGlyphs,
                      TButtonState state, const QString& caption, const TFontSpec& font,
                      const TButtonCaptionSettings& s, int margin);

// ---- the push button --------------------------------------------------------------------------

// Supplies the two-cell standard glyph of a button kind (the art library registers one at start-up);
// without one a plain placeholder is drawn.
using TKindGlyphProvider = std::function<QImage(TBitBtnKind)>;
void SetKindGlyphProvider(TKindGlyphProvider provider);
QImage KindGlyph(TBitBtnKind kind);

class TcyBaseButton : public QWidget {
  Q_OBJECT
 public:
  explicit TcyBaseButton(QWidget* parent = nullptr);
  ~TcyBaseButton() override;

  // The glyph picture (GlyphX) and the number of cells it holds side by side (1…4); without a
  // count the cells stay as NumGlyphs says.
  void SetGlyph(const QImage& glyph, int numGlyphs = 0);
  const QImage& Glyph() const { return FPicGlyph; }
  void SetNumGlyphs(int value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetCaption(const QString& value);
  QString Caption() const { return FCaption; }
  void SetKind(TBitBtnKind value);
  TBitBtnKind Kind() const { return FKind; }
  void SetModalResult(int value) { FModalResult = value; }
  int ModalResult() const { return FModalResult; }
  void SetDefault(bool value);
  bool Default() const { return FDefault; }
  void SetCancel(bool value);
  bool Cancel() const { return FCancel; }
  void SetLayout(TButtonLayout value);
  TButtonLayout Layout() const { return FLayout; }
  void SetMargin(int value);
  int Margin() const { return FMargin; }
  void SetSpacing(int value);
  int Spacing() const { return FSpacing; }
  void SetWordWrap(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetCaptionOrientation(TCaptionOrientation value);
  TCaptionOrientation CaptionOrientation() const { return FCaptionOrientation; }
  void SetFont(const TFontSpec& value);
  const TFontSpec& Font() const { return FFont; }

  bool MouseOver() const { return FMouseOver; }
  // Held down with the mouse (over the button) or with Space.
  bool Pressed() const { return FPressedByMouse || FPressedByKey; }
  TButtonState DrawState() const;

  // The click of a push button: a Close kind closes its window; otherwise a dialog window takes
  // ModalResult, clicked() runs, and a dialog whose result is still non-zero then ends with it.
  // (A handler may keep the dialog open by setting the dialog's result back to 0.)
  void Click();

  std::function<void()> OnPaint;

 signals:
  void clicked();

 protected:
  virtual void PaintButton(DrawSurface& canvas, TButtonState state, bool mouseOver);

  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

  TButtonCaptionSettings CaptionSettings() const {
    return {FLayout, FWordWrap, FCaptionOrientation, FSpacing};
  }

 private:
  void HookWindowKeys();
  // Alt plus the letter after "&" in the caption clicks the button.
  void UpdateMnemonic();

  TCaptionOrientation FCaptionOrientation = coHorizontal;
  QImage FPicGlyph;
  bool FMouseOver = false;
  bool FMouseLeftDown = false;
  bool FPressedByMouse = false;
  bool FPressedByKey = false;

  TBitBtnKind FKind = bkCustom;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  int FModalResult = mrNone;
  bool FDefault = false;
  bool FCancel = false;
  bool FWordWrap = false;
  QString FCaption;
  TFontSpec FFont;
  QShortcut* mnemonic_ = nullptr;  // child of this button
};

}  // namespace pintoola
