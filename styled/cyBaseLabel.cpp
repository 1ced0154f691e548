#include "styled/cyBaseLabel.h"

#include <QImage>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <cmath>

#include "styled/cyGraphics.h"

namespace pintoola {

namespace {

constexpr unsigned kRenderFlags[] = {0, 0x4000 /* DT_PATH_ELLIPSIS */, DT_END_ELLIPSIS,
                                     0x40000 /* DT_WORD_ELLIPSIS */};

unsigned AlignmentFlag(TAlignment a) {
  return a == taRightJustify ? DT_RIGHT : a == taCenter ? DT_CENTER : DT_LEFT;
}

int ZoomedHeight(int height, int zoomPercent) {
  return static_cast<int>(std::nearbyint(height * static_cast<double>(zoomPercent) / 100.0));
}

}  // namespace

// ---- TcyAnimation -----------------------------------------------------------------------------

TcyAnimation::~TcyAnimation() = default;

void TcyAnimation::SetActive(bool value) {
  if (value == Active()) return;
  if (value) {
    timer_ = new QTimer(label_);
    timer_->setInterval(FTimerInterval);
    QObject::connect(timer_, &QTimer::timeout, label_, [this] { Tick(); });
    timer_->start();
  } else {
    delete timer_;
    timer_ = nullptr;
    FHorizontalOffset = FVerticalOffset = 0;
    label_->update();
  }
}

void TcyAnimation::SetTimerInterval(int value) {
  FTimerInterval = static_cast<uint16_t>(std::clamp(value, 0, 0xFFFF));
  if (timer_) timer_->setInterval(FTimerInterval);
}

void TcyAnimation::Pause() {
  if (timer_) timer_->stop();
}

void TcyAnimation::Resume() {
  if (timer_) timer_->start();
}

void TcyAnimation::Tick() {
  FHorizontalOffset += FHorizontalPixelsMove;
  FVerticalOffset += FVerticalPixelsMove;
  label_->update();
}

// ---- TcyBaseLabel -----------------------------------------------------------------------------

TcyBaseLabel::TcyBaseLabel(QWidget* parent) : QWidget(parent) {
  FShadow.OnChange = [this] { update(); };
  resize(65, 17);
  AdjustBounds();
}

TcyBaseLabel::~TcyBaseLabel() { FAnimation.timer_ = nullptr; }  // the timer goes with its Qt parent

void TcyBaseLabel::SetCaption(const QString& value) {
  if (value == FCaption) return;
  FCaption = value;
  AdjustBounds();
  update();
}

void TcyBaseLabel::SetAlignment(TAlignment value) {
  FAlignment = value;
  update();
}

void TcyBaseLabel::SetLayout(TTextLayout value) {
  FLayout = value;
  update();
}

void TcyBaseLabel::SetAutoSize(bool value) {
  FAutoSize = value;
  AdjustBounds();
}

void TcyBaseLabel::SetWordWrap(bool value) {
  FWordWrap = value;
  AdjustBounds();
  update();
}

void TcyBaseLabel::SetShowAccelChar(bool value) {
  FShowAccelChar = value;
  AdjustBounds();
  update();
}

void TcyBaseLabel::SetTransparent(bool value) {
  FTransparent = value;
  update();
}

void TcyBaseLabel::SetFont(const TFontSpec& value) {
  FFont = value;
  AdjustBounds();
  update();
}

void TcyBaseLabel::SetCaptionIndentLeft(int value) {
  if (value == FIndentLeft) return;
  FIndentLeft = static_cast<uint16_t>(std::clamp(value, 0, 0xFFFF));
  FAutoSize ? AdjustBounds() : update();
}

void TcyBaseLabel::SetCaptionIndentTop(int value) {
  if (value == FIndentTop) return;
  FIndentTop = static_cast<uint16_t>(std::clamp(value, 0, 0xFFFF));
  FAutoSize ? AdjustBounds() : update();
}

void TcyBaseLabel::SetCaptionIndentRight(int value) {
  if (value == FIndentRight) return;
  FIndentRight = static_cast<uint16_t>(std::clamp(value, 0, 0xFFFF));
  FAutoSize ? AdjustBounds() : update();
}

void TcyBaseLabel::SetCaptionIndentBottom(int value) {
  if (value == FIndentBottom) return;
  FIndentBottom = static_cast<uint16_t>(std::clamp(value, 0, 0xFFFF));
  FAutoSize ? AdjustBounds() : update();
}

void TcyBaseLabel::SetCaptionRender(TCaptionRender value) {
  FCaptionRender = value;
  update();
}

void TcyBaseLabel::SetCaptionOrientation(TCaptionOrientation value) {
  if (value == FCaptionOrientation) return;
  FCaptionOrientation = value;
  AdjustBounds();
  update();
}

void TcyBaseLabel::AdjustBounds() {
  if (!FAutoSize) return;
  QImage screen(1, 1, QImage::Format_RGB32);
  QPainter painter(&screen);
  DrawSurface surface(painter);
  TRect r = Bounds(0, 0, width(), height());
  const unsigned flags = FCaptionOrientation == coHorizontal
                             ? DT_CALCRECT | DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0u)
                             : DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE;
  DoDrawText(surface, r, flags, FFont);
  int w = r.Width(), h = r.Height();
  if (FCaptionOrientation == coVertical || FCaptionOrientation == coVerticalReversed) std::swap(w, h);
  const int newWidth = w + FIndentLeft + FIndentRight, newHeight = h + FIndentTop + FIndentBottom;
  // A label placed by its parent's layout keeps the width the layout gives it.
  const QLayout* managing = parentWidget() ? parentWidget()->layout() : nullptr;
  if (managing && managing->indexOf(const_cast<TcyBaseLabel*>(this)) >= 0) {
    resize(width(), newHeight);
    return;
  }
  const int left = FAlignment == taRightJustify ? x() + (width() - w) : x();
  setGeometry(left, y(), newWidth, newHeight);
}

void TcyBaseLabel::DoDrawText(DrawSurface& canvas, TRect& rect, unsigned flags, const TFontSpec& font) {
  QString text = FCaption;
  const bool measuring = flags & DT_CALCRECT;
  if (measuring) {
    // An empty caption still measures one line high.
    if (text.isEmpty() || (FShowAccelChar && text == QLatin1String("&"))) text += QLatin1Char(' ');
  } else if (text.isEmpty()) {
    return;
  }
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  canvas.SetFont(font);
  if (measuring) {
    canvas.DrawText(text, rect, flags);
    return;
  }
  canvas.SetBkMode(TRANSPARENT);
  if (!isEnabled()) {
    // The embossed look of disabled text: a light copy one pixel right and down, the dark one on top.
    TRect light = rect.Offset(1, 1);
    canvas.SetTextColor(clBtnHighlight);
    canvas.DrawText(text, light, flags);
    canvas.SetTextColor(clBtnShadow);
    canvas.DrawText(text, rect, flags);
    return;
  }
  canvas.SetTextColor(font.color);
  canvas.DrawText(text, rect, flags);
}

void TcyBaseLabel::PaintBackground(DrawSurface&, TRect&) {}

void TcyBaseLabel::PaintCaption(DrawSurface& canvas, TRect captionRect) {
  canvas.SetBkMode(TRANSPARENT);
  const bool shadow = isEnabled() && FShadow.Active();
  const bool animated = FAnimation.Active();
  TFontSpec shadowFont = FFont;
  shadowFont.color = FShadow.Color();
  shadowFont.height = ZoomedHeight(FFont.height, FShadow.ZoomPercent());

  if (FCaptionOrientation == coHorizontal) {
    const unsigned flags = kRenderFlags[FCaptionRender] | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE) |
                           DT_EXPANDTABS | AlignmentFlag(FAlignment);
    if (FLayout == tlCenter || FLayout == tlBottom) {
      TRect measured = captionRect;
      DoDrawText(canvas, measured, flags | DT_CALCRECT, FFont);
      const int room = height() - measured.Bottom;
      captionRect = captionRect.Offset(0, FLayout == tlCenter ? room / 2 : room);
    }
    if (animated) {
      FSaveCaptionRect = captionRect;
      DoDrawText(canvas, FSaveCaptionRect, flags | DT_CALCRECT, FFont);
    }
    if (shadow) {
      TRect shadowRect = FShadow.CalcShadowRect(captionRect, FAlignment, tlTop, FFont.height);
      if (animated) {
        TRect measured = shadowRect;
        DoDrawText(canvas, measured, flags | DT_CALCRECT, shadowFont);
        FSaveCaptionRect = Union(FSaveCaptionRect, measured);
      }
      DoDrawText(canvas, shadowRect, flags, shadowFont);
    }
    DoDrawText(canvas, captionRect, flags, FFont);
    return;
  }

  const unsigned flags = kRenderFlags[FCaptionRender] | DT_EXPANDTABS | DT_SINGLELINE;
  if (animated) {
    FSaveCaptionRect = captionRect;
    DoDrawText(canvas, FSaveCaptionRect, flags | DT_CALCRECT, FFont);
    if (shadow) {
      TRect measured = FShadow.CalcShadowRect(captionRect, FAlignment, tlTop, FFont.height);
      DoDrawText(canvas, measured, flags | DT_CALCRECT, shadowFont);
      FSaveCaptionRect = Union(FSaveCaptionRect, measured);
    }
  }
  if (FCaption.isEmpty()) return;
  const QString text = FShowAccelChar ? QString(FCaption).remove(QLatin1Char('&')) : FCaption;
  if (shadow) {
    canvas.SetFont(CreateRotatedFont(shadowFont, FCaptionOrientation));
    canvas.SetTextColor(FShadow.Color());
    TextOutRotated(canvas, text, FShadow.CalcShadowRect(captionRect, FAlignment, tlTop, FFont.height),
                   FLayout, FAlignment, FCaptionOrientation);
  }
  canvas.SetFont(CreateRotatedFont(FFont, FCaptionOrientation));
  canvas.SetTextColor(isEnabled() ? FFont.color : clBtnShadow);
  TextOutRotated(canvas, text, captionRect, FLayout, FAlignment, FCaptionOrientation);
}

void TcyBaseLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawSurface surface(painter);
  TRect rect = Bounds(0, 0, width(), height());
  PaintBackground(surface, rect);
  TRect captionRect = Rect(rect.Left + FIndentLeft, rect.Top + FIndentTop, rect.Right - FIndentRight,
                           rect.Bottom - FIndentBottom);
  if (FAnimation.Active()) {
    // Wrap around once the caption has left the label completely.
    const TRect& last = FSaveCaptionRect;
    if (FAnimation.FHorizontalPixelsMove != 0) {
      if (last.Left > width())
        FAnimation.FHorizontalOffset -= width() + last.Width();
      else if (last.Right < 0)
        FAnimation.FHorizontalOffset += width() + last.Width();
    }
    if (FAnimation.FVerticalPixelsMove != 0) {
      if (last.Top > height())
        FAnimation.FVerticalOffset -= height() + last.Height();
      else if (last.Bottom < 0)
        FAnimation.FVerticalOffset += height() + last.Height();
    }
    captionRect = captionRect.Offset(FAnimation.FHorizontalOffset, FAnimation.FVerticalOffset);
  }
  PaintCaption(surface, captionRect);
  if (OnPaint) OnPaint();
}

void TcyBaseLabel::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) FPressed = true;
  QWidget::mousePressEvent(e);
}

void TcyBaseLabel::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = FPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  FPressed = false;
  QWidget::mouseReleaseEvent(e);
  if (click) emit clicked();
}

void TcyBaseLabel::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(e);
}

}  // namespace pintoola
