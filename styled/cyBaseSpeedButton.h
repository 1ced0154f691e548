#pragma once
// A button drawn over its parent that never takes the focus and can latch down as a toggle within
// a group of speed buttons on the same parent.
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/DrawSurface.h"
#include "styled/cyBaseButton.h"
#include "styled/cyTypes.h"

namespace pintoola {

class TcyBaseSpeedButton : public QWidget {
  Q_OBJECT
 public:
  explicit TcyBaseSpeedButton(QWidget* parent = nullptr);

  // Without a count the cells stay as NumGlyphs says.
  void SetGlyph(const QImage& glyph, int numGlyphs = 0);
  const QImage& Glyph() const { return FPicGlyph; }
  void SetNumGlyphs(int value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetCaption(const QString& value);
  QString Caption() const { return FCaption; }
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
  void SetFlat(bool value);
  bool Flat() const { return FFlat; }
  void SetTransparent(bool value);
  bool Transparent() const { return FTransparent; }
  void SetFlatHotStyle(TFlatHotStyle value);
  TFlatHotStyle FlatHotStyle() const { return FFlatHotStyle; }
  void SetFlatDownStyle(TFlatDownStyle value);
  TFlatDownStyle FlatDownStyle() const { return FFlatDownStyle; }

  // Toggle rules: GroupIndex 0 never latches; a down button whose AllowAllUp is False stays down;
  // latching one button releases the others of its group on the same parent.
  void SetGroupIndex(int value);
  int GroupIndex() const { return FGroupIndex; }
  void SetAllowAllUp(bool value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetDown(bool value);
  bool Down() const { return FDown; }
  // Also moves the draw state to and from bsDisabled (as does setEnabled).
  void SetEnabled(bool value) { setEnabled(value); }

  TButtonState State() const { return FState; }
  bool MouseOver() const { return FMouseOver; }

  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;
  std::function<void()> OnPaint;

 signals:
  void clicked();

 protected:
  virtual void PaintButton(DrawSurface& canvas, TButtonState state, bool mouseOver);

  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

  TButtonCaptionSettings CaptionSettings() const {
    return {FLayout, FWordWrap, FCaptionOrientation, FSpacing};
  }

 private:
  // The point test of a drag: the row just below the button still counts as inside.
  bool InsideForDrag(const QPoint& p) const;
  // The other speed buttons of this one's group on the same parent.
  std::vector<TcyBaseSpeedButton*> GroupMates() const;
  void UpdateExclusive();
  void SetState(TButtonState state);

  TCaptionOrientation FCaptionOrientation = coHorizontal;
  TFlatHotStyle FFlatHotStyle = hsClassic;
  TFlatDownStyle FFlatDownStyle = dsClassic;
  bool FMouseOver = false;
  bool FWordWrap = false;
  QImage FPicGlyph;

  TButtonState FState = bsUp;
  bool FDragging = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FDown = false;
  bool FFlat = false;
  bool FTransparent = true;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  QString FCaption;
  TFontSpec FFont;
};

}  // namespace pintoola
