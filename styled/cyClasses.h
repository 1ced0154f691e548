#pragma once
// The settings objects the styled controls own: the gradient (Degrade), the bevel rings (Bevels),
// the caption shadow (Shadow) and the background picture (Wallpaper). Each belongs to exactly one
// control, which sets OnChange right after creating it and recomputes or repaints when it fires.
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/Colors.h"
#include "core/Geometry.h"
#include "styled/cyTypes.h"

class QWidget;

namespace pintoola {

class DrawSurface;

class TcyGradient {
 public:
  TcyGradient() = default;
  TcyGradient(const TcyGradient&) = delete;
  TcyGradient& operator=(const TcyGradient&) = delete;

  int Balance() const { return FBalance; }
  void SetBalance(int value);  // 0…100
  TColor FromColor() const { return FFromColor; }
  void SetFromColor(TColor value);
  TColor ToColor() const { return FToColor; }
  void SetToColor(TColor value);
  TDgradOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TDgradOrientation value);
  int AngleDegree() const { return FAngleDegree; }
  void SetAngleDegree(int value);  // 0…359; stored only, painting ignores it
  TDgradBalanceMode BalanceMode() const { return FBalanceMode; }
  void SetBalanceMode(TDgradBalanceMode value);
  int MaxDegrade() const { return FMaxDegrade; }
  void SetMaxDegrade(int value);  // 1…255
  int SpeedPercent() const { return FSpeedPercent; }
  void SetSpeedPercent(int value);  // 0…100

  // Copies every setting, then notifies once.
  void Assign(const TcyGradient& source);
  // One solid fill when both colours are equal, the full gradient otherwise.
  void Draw(DrawSurface& canvas, const TRect& rect) const;

  std::function<void()> OnChange;

 private:
  void Changed();

  uint16_t FBalance = 50;
  TColor FFromColor = clWhite;
  TColor FToColor = clBtnFace;
  TDgradOrientation FOrientation = dgdVertical;
  uint16_t FAngleDegree = 0;
  TDgradBalanceMode FBalanceMode = bmNormal;
  uint8_t FMaxDegrade = 255;
  int32_t FSpeedPercent = 100;
};

class tcyBevels;

// One ring of a bevel list. Changes are reported to the list, which tells the owner whether the
// space the rings take changed (NeedOwnerRealign).
class tcyBevel {
 public:
  explicit tcyBevel(tcyBevels* collection) : FCollection(collection) {}

  bool DrawLeft() const { return FDrawLeft; }
  void SetDrawLeft(bool value);
  bool DrawTop() const { return FDrawTop; }
  void SetDrawTop(bool value);
  bool DrawRight() const { return FDrawRight; }
  void SetDrawRight(bool value);
  bool DrawBottom() const { return FDrawBottom; }
  void SetDrawBottom(bool value);
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor value);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor value);
  TcyBevelCut Style() const { return FStyle; }
  void SetStyle(TcyBevelCut value);
  int Width() const { return FWidth; }
  void SetWidth(int value);

  void Assign(const tcyBevel& source);
  QString GetDisplayName() const;

 private:
  friend class tcyBevels;
  void Changed();

  tcyBevels* FCollection;
  TColor FHighlightColor = clBtnHighlight;
  TColor FShadowColor = clBtnShadow;
  uint16_t FWidth = 1;
  TcyBevelCut FStyle = bcRaised;
  bool FDrawRight = true, FDrawLeft = true, FDrawTop = true, FDrawBottom = true;
  bool FNeedOwnerRealign = true;
};

// The ordered list of rings, first ring outermost.
class tcyBevels {
 public:
  // control is repainted on a change when no OnChange is set; it may be null.
  explicit tcyBevels(QWidget* control = nullptr) : FControl(control) {}
  tcyBevels(const tcyBevels&) = delete;
  tcyBevels& operator=(const tcyBevels&) = delete;

  QWidget* Owner() const { return FControl; }
  int Count() const { return static_cast<int>(items_.size()); }
  tcyBevel& Items(int index) { return *items_.at(static_cast<size_t>(index)); }
  const tcyBevel& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
  tcyBevel& Add();
  void Delete(int index);
  void Clear();
  void Assign(const tcyBevels& source);

  // True during OnChange when the change alters the space the rings take.
  bool NeedOwnerRealign() const { return FNeedOwnerRealign; }
  // Sum of the widths of the rings that are not bcNone.
  int BevelsWidth() const;
  // Draws every ring and leaves boundsRect shrunk to the area inside them.
  void DrawBevels(DrawSurface& canvas, TRect& boundsRect, bool roundRect) const;

  std::function<void()> OnChange;

 private:
  friend class tcyBevel;
  void Update(tcyBevel* item);

  QWidget* FControl;
  std::vector<std::unique_ptr<tcyBevel>> items_;
  bool FNeedOwnerRealign = false;
};

// A second copy of a caption drawn behind it, offset and optionally enlarged.
class TcyShadowText {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  int ZoomPercent() const { return FZoomPercent; }
  void SetZoomPercent(int value);  // 0 is ignored
  int RelativePosX() const { return FRelativePosX; }
  void SetRelativePosX(int value);
  int RelativePosY() const { return FRelativePosY; }
  void SetRelativePosY(int value);

  // Notifies whatever the source.
  void Assign(const TcyShadowText& source);
  // An inactive shadow is never drawn.
  bool Active() const { return FZoomPercent != 100 || FRelativePosX != 0 || FRelativePosY != 0; }

  TRect CalcShadowRect(const TRect& captionRect, TAlignment alignment, TTextLayout layout,
                       int normalFontHeight) const;
  // Draws the shadow of a caption whose own rectangle is normalCaptionRect; the canvas font's
  // colour and height are restored afterwards.
  void DrawShadowText(DrawSurface& canvas, const TRect& normalCaptionRect, const QString& caption,
                      TAlignment alignment, TTextLayout layout, TCaptionOrientation orientation,
                      unsigned textFormat) const;

  std::function<void()> OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange();
  }

  int32_t FRelativePosX = 0;
  int32_t FRelativePosY = 0;
  TColor FColor = clGray;
  uint16_t FZoomPercent = 100;
};

// A picture placed, tiled or stretched over a button face.
class TcyBgPicture {
 public:
  int IndentX() const { return FIndentX; }
  void SetIndentX(int value);
  int IndentY() const { return FIndentY; }
  void SetIndentY(int value);
  int IntervalX() const { return FIntervalX; }
  void SetIntervalX(int value);
  int IntervalY() const { return FIntervalY; }
  void SetIntervalY(int value);
  int RepeatX() const { return FRepeatX; }
  void SetRepeatX(int value);
  int RepeatY() const { return FRepeatY; }
  void SetRepeatY(int value);
  const QImage& Picture() const { return FPicture; }
  void SetPicture(const QImage& value);
  TBgPosition Position() const { return FPosition; }
  void SetPosition(TBgPosition value);
  TBgStyle Style() const { return FStyle; }
  void SetStyle(TBgStyle value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);

  void Assign(const TcyBgPicture& source);
  bool SomethingToDraw() const { return !FPicture.isNull() && FStyle != bgNone; }
  void Draw(DrawSurface& canvas, const TRect& rect) const;

  std::function<void()> OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange();
  }

  int32_t FIndentX = 0;
  int32_t FIndentY = 0;
  bool FTransparent = false;
  QImage FPicture;
  TBgStyle FStyle = bgMosaic;
  uint16_t FRepeatX = 1;
  uint16_t FRepeatY = 1;
  int32_t FIntervalX = 0;
  int32_t FIntervalY = 0;
  TBgPosition FPosition = bgTopLeft;
};

}  // namespace pintoola
