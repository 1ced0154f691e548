#pragma once
// A windowless-looking text label: transparent over its parent unless told otherwise, with a caption
// shadow, indents, ellipsis rules, auto size and a scrolling animation.
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/DrawSurface.h"
#include "styled/cyClasses.h"
#include "styled/cyTypes.h"

class QTimer;

namespace pintoola {

class TcyBaseLabel;

// Scrolling of the caption: every tick adds the pixels-per-tick to the offsets and repaints.
class TcyAnimation {
 public:
  explicit TcyAnimation(TcyBaseLabel* label) : label_(label) {}
  ~TcyAnimation();

  bool Active() const { return timer_ != nullptr; }
  void SetActive(bool value);
  int TimerInterval() const { return FTimerInterval; }
  void SetTimerInterval(int value);
  int HorizontalPixelsMove() const { return FHorizontalPixelsMove; }
  void SetHorizontalPixelsMove(int value) { FHorizontalPixelsMove = value; }
  int VerticalPixelsMove() const { return FVerticalPixelsMove; }
  void SetVerticalPixelsMove(int value) { FVerticalPixelsMove = value; }
  int HorizontalOffset() const { return FHorizontalOffset; }
  int VerticalOffset() const { return FVerticalOffset; }
  void Pause();
  void Resume();
  // One tick, as the timer runs it.
  void Tick();

 private:
  friend class TcyBaseLabel;
  TcyBaseLabel* label_;
  QTimer* timer_ = nullptr;  // owned by the label (Qt parent) while active
  uint16_t FTimerInterval = 100;
  int FHorizontalPixelsMove = 5;
  int FVerticalPixelsMove = 0;
  int FHorizontalOffset = 0;
  int FVerticalOffset = 0;
};

class TcyBaseLabel : public QWidget {
  Q_OBJECT
 public:
  explicit TcyBaseLabel(QWidget* parent = nullptr);
  ~TcyBaseLabel() override;

  void SetCaption(const QString& value);
  QString Caption() const { return FCaption; }
  void SetAlignment(TAlignment value);
  TAlignment Alignment() const { return FAlignment; }
  void SetLayout(TTextLayout value);
  TTextLayout Layout() const { return FLayout; }
  void SetAutoSize(bool value);
  bool AutoSize() const { return FAutoSize; }
  void SetWordWrap(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetShowAccelChar(bool value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetTransparent(bool value);
  bool Transparent() const { return FTransparent; }
  void SetFont(const TFontSpec& value);
  const TFontSpec& Font() const { return FFont; }
  void SetCaptionIndentLeft(int value);
  int CaptionIndentLeft() const { return FIndentLeft; }
  void SetCaptionIndentTop(int value);
  int CaptionIndentTop() const { return FIndentTop; }
  void SetCaptionIndentRight(int value);
  int CaptionIndentRight() const { return FIndentRight; }
  void SetCaptionIndentBottom(int value);
  int CaptionIndentBottom() const { return FIndentBottom; }
  void SetCaptionRender(TCaptionRender value);
  TCaptionRender CaptionRender() const { return FCaptionRender; }
  void SetCaptionOrientation(TCaptionOrientation value);
  TCaptionOrientation CaptionOrientation() const { return FCaptionOrientation; }
  // A label whose parent's layout manages it keeps its width; only its height follows the text.
  void AdjustBounds();

  TcyShadowText& Shadow() { return FShadow; }
  TcyAnimation& Animation() { return FAnimation; }
  // The caption's last measured place (kept while the animation runs).
  TRect SaveCaptionRect() const { return FSaveCaptionRect; }

  std::function<void()> OnPaint;

 signals:
  void clicked();

 protected:
  virtual void PaintBackground(DrawSurface& canvas, TRect& rect);
  virtual void PaintCaption(DrawSurface& canvas, TRect captionRect);

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

  // The label's text routine: measuring (DT_CALCRECT) or drawing, with the accelerator, empty
  // caption and disabled rules.
  void DoDrawText(DrawSurface& canvas, TRect& rect, unsigned flags, const TFontSpec& font);

 private:
  friend class TcyAnimation;

  TRect FSaveCaptionRect;
  uint16_t FIndentLeft = 0, FIndentRight = 0, FIndentTop = 0, FIndentBottom = 0;
  TCaptionRender FCaptionRender = crNormal;
  TCaptionOrientation FCaptionOrientation = coHorizontal;
  TcyShadowText FShadow;
  TcyAnimation FAnimation{this};

  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  bool FTransparent = false;
  bool FPressed = false;
  QString FCaption;
  TFontSpec FFont;
};

}  // namespace pintoola
