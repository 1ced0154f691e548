#pragma once
// A container framed by bevel rings, with an optional caption and caption shadow. Its children are
// placed by an alignment layout inside the rings, the border width and the padding.
#include <QMargins>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/AlignLayout.h"
#include "platform/DrawSurface.h"
#include "styled/cyClasses.h"
#include "styled/cyTypes.h"

namespace pintoola {

class tcyBasePanel : public QWidget {
  Q_OBJECT
 public:
  explicit tcyBasePanel(QWidget* parent = nullptr);

  AlignLayout* ChildLayout() { return layout_; }
  tcyBevels& Bevels() { return FBevels; }
  TcyShadowText& Shadow() { return FShadow; }

  void SetCaption(const QString& value);
  QString Caption() const { return FCaption; }
  void SetShowCaption(bool value);
  bool ShowCaption() const { return FShowCaption; }
  void SetAlignment(TAlignment value);
  TAlignment Alignment() const { return FAlignment; }
  void SetLayout(TTextLayout value);
  TTextLayout Layout() const { return FLayout; }
  void SetWordWrap(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetCaptionOrientation(TCaptionOrientation value);
  TCaptionOrientation CaptionOrientation() const { return FCaptionOrientation; }
  void SetBorderWidth(int value);
  int BorderWidth() const { return FBorderWidth; }
  void SetPadding(const QMargins& value);
  QMargins Padding() const { return FPadding; }
  void SetFont(const TFontSpec& value);
  const TFontSpec& Font() const { return FFont; }

  // The client rectangle shrunk by the rings, the border width and the padding.
  TRect ChildArea() const;

  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;
  std::function<void()> OnPaint;
  std::function<void(bool)> OnVisibleChanging;

 protected:
  virtual void PaintBackground(DrawSurface& canvas, const TRect& rect);
  virtual void PaintCaption(DrawSurface& canvas, const TRect& rect);

  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void setVisible(bool visible) override;

 private:
  void Realign();
  void BevelsChanged();

  tcyBevels FBevels{this};
  TcyShadowText FShadow;
  TTextLayout FLayout = tlCenter;
  bool FWordWrap = false;
  TCaptionOrientation FCaptionOrientation = coHorizontal;
  TAlignment FAlignment = taCenter;
  int FBorderWidth = 0;
  bool FShowCaption = true;
  QMargins FPadding;
  QString FCaption;
  TFontSpec FFont;
  AlignLayout* layout_;
};

}  // namespace pintoola
