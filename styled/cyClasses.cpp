#include "styled/cyClasses.h"

#include <QWidget>
#include <cmath>

#include "platform/DrawSurface.h"
#include "styled/cyGraphics.h"

namespace pintoola {

// ---- TcyGradient ------------------------------------------------------------------------------

void TcyGradient::Changed() {
  if (OnChange) OnChange();
}

void TcyGradient::SetBalance(int value) {
  if (value == FBalance || value < 0 || value > 100) return;
  FBalance = static_cast<uint16_t>(value);
  Changed();
}

void TcyGradient::SetFromColor(TColor value) {
  if (value == FFromColor) return;
  FFromColor = value;
  Changed();
}

void TcyGradient::SetToColor(TColor value) {
  if (value == FToColor) return;
  FToColor = value;
  Changed();
}

void TcyGradient::SetOrientation(TDgradOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  Changed();
}

void TcyGradient::SetAngleDegree(int value) {
  if (value == FAngleDegree || value < 0 || value >= 360) return;
  FAngleDegree = static_cast<uint16_t>(value);
  Changed();
}

void TcyGradient::SetBalanceMode(TDgradBalanceMode value) {
  if (value == FBalanceMode) return;
  FBalanceMode = value;
  Changed();
}

void TcyGradient::SetMaxDegrade(int value) {
  if (value == FMaxDegrade || value <= 0 || value > 255) return;
  FMaxDegrade = static_cast<uint8_t>(value);
  Changed();
}

void TcyGradient::SetSpeedPercent(int value) {
  if (value == FSpeedPercent || value < 0 || value > 100) return;
  FSpeedPercent = value;
  Changed();
}

void TcyGradient::Assign(const TcyGradient& source) {
  FBalance = source.FBalance;
  FFromColor = source.FFromColor;
  FToColor = source.FToColor;
  FOrientation = source.FOrientation;
  FAngleDegree = source.FAngleDegree;
  FBalanceMode = source.FBalanceMode;
  FMaxDegrade = source.FMaxDegrade;
  FSpeedPercent = source.FSpeedPercent;
  Changed();
}

void TcyGradient::Draw(DrawSurface& canvas, const TRect& rect) const {
  if (FFromColor == FToColor) {
    canvas.SetBrush(FFromColor, bsSolid);
    canvas.FillRect(rect);
    return;
  }
  PaintGradient(canvas, rect, FFromColor, FToColor, FOrientation, FBalance, FBalanceMode, FMaxDegrade,
                FSpeedPercent);
}

// ---- tcyBevel ---------------------------------------------------------------------------------

void tcyBevel::Changed() {
  if (FCollection) FCollection->Update(this);
}

void tcyBevel::SetDrawLeft(bool value) {
  FDrawLeft = value;
  Changed();
}
void tcyBevel::SetDrawTop(bool value) {
  FDrawTop = value;
  Changed();
}
void tcyBevel::SetDrawRight(bool value) {
  FDrawRight = value;
  Changed();
}
void tcyBevel::SetDrawBottom(bool value) {
  FDrawBottom = value;
  Changed();
}
void tcyBevel::SetHighlightColor(TColor value) {
  FHighlightColor = value;
  Changed();
}
void tcyBevel::SetShadowColor(TColor value) {
  FShadowColor = value;
  Changed();
}

void tcyBevel::SetStyle(TcyBevelCut value) {
  if (value == FStyle) return;
  if (value == bcNone || FStyle == bcNone) FNeedOwnerRealign = true;
  FStyle = value;
  Changed();
}

void tcyBevel::SetWidth(int value) {
  if (value == FWidth || value < 0 || value > 0xFFFF) return;
  FNeedOwnerRealign = true;
  FWidth = static_cast<uint16_t>(value);
  Changed();
}

void tcyBevel::Assign(const tcyBevel& source) {
  FHighlightColor = source.FHighlightColor;
  FShadowColor = source.FShadowColor;
  FWidth = source.FWidth;
  FStyle = source.FStyle;
  FDrawRight = source.FDrawRight;
  FDrawLeft = source.FDrawLeft;
  FDrawTop = source.FDrawTop;
  FDrawBottom = source.FDrawBottom;
  // A copied ring may take a different width.
  FNeedOwnerRealign = true;
  Changed();
}

QString tcyBevel::GetDisplayName() const {
  static const char* const kStyles[] = {"Lowered", "Raised", "None", "Transparent"};
  return QStringLiteral("%1 Bevel Width = %2").arg(QLatin1String(kStyles[FStyle])).arg(FWidth);
}

// ---- tcyBevels --------------------------------------------------------------------------------

tcyBevel& tcyBevels::Add() {
  items_.push_back(std::make_unique<tcyBevel>(this));
  tcyBevel& bevel = *items_.back();
  Update(&bevel);
  return bevel;
}

void tcyBevels::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  FNeedOwnerRealign = true;
  Update(nullptr);
}

void tcyBevels::Clear() {
  if (items_.empty()) return;
  items_.clear();
  FNeedOwnerRealign = true;
  Update(nullptr);
}

void tcyBevels::Assign(const tcyBevels& source) {
  if (&source == this) return;
  items_.clear();
  for (const auto& item : source.items_) {
    items_.push_back(std::make_unique<tcyBevel>(this));
    tcyBevel& copy = *items_.back();
    copy.FHighlightColor = item->FHighlightColor;
    copy.FShadowColor = item->FShadowColor;
    copy.FWidth = item->FWidth;
    copy.FStyle = item->FStyle;
    copy.FDrawRight = item->FDrawRight;
    copy.FDrawLeft = item->FDrawLeft;
    copy.FDrawTop = item->FDrawTop;
    copy.FDrawBottom = item->FDrawBottom;
    copy.FNeedOwnerRealign = false;
  }
  FNeedOwnerRealign = true;
  Update(nullptr);
}

void tcyBevels::Update(tcyBevel* item) {
  if (!OnChange) {
    if (item) item->FNeedOwnerRealign = false;
    FNeedOwnerRealign = false;
    if (FControl) FControl->update();
    return;
  }
  if (item && item->FNeedOwnerRealign) {
    FNeedOwnerRealign = true;
    item->FNeedOwnerRealign = false;
  }
  OnChange();
  FNeedOwnerRealign = false;
}

int tcyBevels::BevelsWidth() const {
  int width = 0;
  for (const auto& item : items_)
    if (item->FStyle != bcNone) width += item->FWidth;
  return width & 0xFFFF;
}

void tcyBevels::DrawBevels(DrawSurface& canvas, TRect& boundsRect, bool roundRect) const {
  for (const auto& item : items_) {
    const tcyBevel& b = *item;
    switch (b.FStyle) {
      case bcLowered:
      case bcRaised: {
        const bool raised = b.FStyle == bcRaised;
        PaintBevelFrame(canvas, boundsRect, raised ? b.FHighlightColor : b.FShadowColor,
                        raised ? b.FShadowColor : b.FHighlightColor, b.FWidth, b.FDrawLeft, b.FDrawTop,
                        b.FDrawRight, b.FDrawBottom, roundRect);
        roundRect = false;
        break;
      }
      case bcTransparent:
        boundsRect = boundsRect.Inflated(-b.FWidth, -b.FWidth);
        roundRect = false;
        break;
      case bcNone:
        break;
    }
  }
}

// ---- TcyShadowText ----------------------------------------------------------------------------

void TcyShadowText::SetColor(TColor value) {
  FColor = value;
  Changed();
}

void TcyShadowText::SetZoomPercent(int value) {
  if (value <= 0 || value > 0xFFFF) return;
  FZoomPercent = static_cast<uint16_t>(value);
  Changed();
}

void TcyShadowText::SetRelativePosX(int value) {
  FRelativePosX = value;
  Changed();
}

void TcyShadowText::SetRelativePosY(int value) {
  FRelativePosY = value;
  Changed();
}

void TcyShadowText::Assign(const TcyShadowText& source) {
  FRelativePosX = source.FRelativePosX;
  FRelativePosY = source.FRelativePosY;
  FColor = source.FColor;
  FZoomPercent = source.FZoomPercent;
  Changed();
}

namespace {

// Halves to even, as the rounding of the shadow font's height.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

TRect TcyShadowText::CalcShadowRect(const TRect& captionRect, TAlignment alignment, TTextLayout layout,
                                    int normalFontHeight) const {
  TRect r = captionRect;
  int dx = 0, dy = 0;
  if (FZoomPercent != 100 && normalFontHeight != 0) {
    const int z = RoundEven(normalFontHeight * static_cast<double>(FZoomPercent) / 100.0);
    const double q = static_cast<double>(z) / normalFontHeight;
    dx = static_cast<int>(std::ceil(r.Width() * (q - 1)));
    dy = static_cast<int>(std::ceil(r.Height() * (q - 1)));
  }
  switch (alignment) {
    case taLeftJustify:
      r.Right += dx;
      break;
    case taRightJustify:
      r.Left -= dx;
      break;
    case taCenter:
      r.Left -= dx;
      r = r.Offset(dx / 2, 0);
      break;
  }
  switch (layout) {
    case tlTop:
      r.Bottom += dy;
      break;
    case tlCenter:
      r.Top -= dy;
      r = r.Offset(0, dy / 2);
      break;
    case tlBottom:
      r.Top -= dy;
      break;
  }
  return r.Offset(FRelativePosX, FRelativePosY);
}

void TcyShadowText::DrawShadowText(DrawSurface& canvas, const TRect& normalCaptionRect,
                                   const QString& caption, TAlignment alignment, TTextLayout layout,
                                   TCaptionOrientation orientation, unsigned textFormat) const {
  const TFontSpec saved = canvas.Font();
  TRect r = CalcShadowRect(normalCaptionRect, alignment, layout, saved.height);
  TFontSpec shadow = saved;
  shadow.color = FColor;
  shadow.height = RoundEven(saved.height * static_cast<double>(FZoomPercent) / 100.0);
  canvas.SetFont(shadow);
  canvas.SetTextColor(FColor);
  if (orientation == coHorizontal)
    DrawCaptionText(canvas, caption, r, textFormat);
  else
    TextOutRotated(canvas, caption, r, layout, alignment, orientation);
  canvas.SetFont(saved);
  canvas.SetTextColor(saved.color);
}

// ---- TcyBgPicture -----------------------------------------------------------------------------

void TcyBgPicture::SetIndentX(int value) {
  FIndentX = value;
  Changed();
}
void TcyBgPicture::SetIndentY(int value) {
  FIndentY = value;
  Changed();
}
void TcyBgPicture::SetIntervalX(int value) {
  FIntervalX = value;
  Changed();
}
void TcyBgPicture::SetIntervalY(int value) {
  FIntervalY = value;
  Changed();
}
void TcyBgPicture::SetRepeatX(int value) {
  FRepeatX = static_cast<uint16_t>(std::clamp(value, 0, 0xFFFF));
  Changed();
}
void TcyBgPicture::SetRepeatY(int value) {
  FRepeatY = static_cast<uint16_t>(std::clamp(value, 0, 0xFFFF));
  Changed();
}
void TcyBgPicture::SetPicture(const QImage& value) {
  FPicture = value;
  Changed();
}
void TcyBgPicture::SetPosition(TBgPosition value) {
  FPosition = value;
  Changed();
}
void TcyBgPicture::SetStyle(TBgStyle value) {
  FStyle = value;
  Changed();
}
void TcyBgPicture::SetTransparent(bool value) {
  FTransparent = value;
  Changed();
}

void TcyBgPicture::Assign(const TcyBgPicture& source) {
  FIndentX = source.FIndentX;
  FIndentY = source.FIndentY;
  FTransparent = source.FTransparent;
  FPicture = source.FPicture;
  FStyle = source.FStyle;
  FRepeatX = source.FRepeatX;
  FRepeatY = source.FRepeatY;
  FIntervalX = source.FIntervalX;
  FIntervalY = source.FIntervalY;
  FPosition = source.FPosition;
  Changed();
}

void TcyBgPicture::Draw(DrawSurface& canvas, const TRect& rect) const {
  if (!SomethingToDraw()) return;
  PaintBackgroundPicture(canvas, rect, FPicture, FTransparent, FStyle, FPosition, FIndentX, FIndentY,
                         FIntervalX, FIntervalY, FRepeatX, FRepeatY);
}

}  // namespace pintoola
