#include "styled/cyBaseButton.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>

#include "styled/cyGraphics.h"

namespace pintoola {

// ---- the face ---------------------------------------------------------------------------------

TStateColors ComputeStateColors(TColor f, TColor t) {
  TStateColors c;
  if (f == t) {
    c.hotFrom = c.hotTo = ShiftBrightness(f, 20);
  } else {
    c.hotFrom = f;
    c.hotTo = t;
  }
  c.downFrom = ShiftBrightness(f, -20);
  c.downTo = ShiftBrightness(t, -20);
  c.disabledFrom = ShiftBrightness(f, 30);
  c.disabledTo = ShiftBrightness(t, 30);
  return c;
}

TcyGradientFace::TcyGradientFace(QWidget* owner) : owner_(owner) {
  FDegrade.SetFromColor(clYellow);
  FDegrade.SetToColor(clOrange);
  FDegrade.SetSpeedPercent(90);
  FStateColors = ComputeStateColors(FDegrade.FromColor(), FDegrade.ToColor());
  FDegrade.OnChange = [this] {
    FStateColors = ComputeStateColors(FDegrade.FromColor(), FDegrade.ToColor());
    owner_->update();
  };
  FWallpaper.OnChange = [this] { owner_->update(); };
}

TFaceColors FaceColors(TButtonState state, bool mouseOver, const TcyGradient& degrade,
                       const TStateColors& colors, TDgradBalanceMode hotBalanceMode) {
  TFaceColors face;
  switch (state) {
    case bsUp:
      if (mouseOver) {
        face.from = colors.hotFrom, face.to = colors.hotTo, face.balanceMode = hotBalanceMode;
      } else {
        face.from = degrade.FromColor(), face.to = degrade.ToColor(),
        face.balanceMode = degrade.BalanceMode();
      }
      break;
    case bsDisabled:
      face.from = colors.disabledFrom, face.to = colors.disabledTo, face.balanceMode = degrade.BalanceMode();
      break;
    case bsDown:
    case bsExclusive:
      face.from = colors.downFrom, face.to = colors.downTo, face.balanceMode = bmMirror;
      break;
  }
  face.outer = ShiftBrightness(face.to, -20);
  const TColor light = ShiftBrightness(face.from, 40), middle = HalfwayColor(face.from, face.to);
  if (state == bsDown || state == bsExclusive) {
    face.a = middle, face.b = light;
  } else {
    face.a = light, face.b = middle;
  }
  face.gloss = state != bsDown;
  return face;
}

void PaintFaceBackground(DrawSurface& canvas, TRect& rect, const TFaceColors& colors,
                         const TcyGradient& degrade, const TcyBgPicture& wallpaper, bool keepCorners) {
  if (keepCorners) {
    canvas.SaveDC();
    canvas.ExcludeClipRect(Bounds(rect.Left, rect.Top, 1, 1));
    canvas.ExcludeClipRect(Bounds(rect.Right - 1, rect.Top, 1, 1));
    canvas.ExcludeClipRect(Bounds(rect.Right - 1, rect.Bottom - 1, 1, 1));
    canvas.ExcludeClipRect(Bounds(rect.Left, rect.Bottom - 1, 1, 1));
  }
  PaintGradient(canvas, rect, colors.from, colors.to, degrade.Orientation(), degrade.Balance(),
                colors.balanceMode, degrade.MaxDegrade(), degrade.SpeedPercent());
  wallpaper.Draw(canvas, rect);
  if (keepCorners) canvas.RestoreDC();
  PaintButtonFrame(canvas, rect, colors.outer, colors.outer);
  if (colors.gloss)
    PaintGlossFrame(canvas, rect, colors.a, colors.b);
  else
    PaintButtonFrame(canvas, rect, colors.a, colors.b);
}

TGlyphPlacement PlaceGlyph(const TRect& rect, int w, int h, TButtonLayout layout, int margin, int spacing,
                           int captionExtent) {
  TGlyphPlacement place{{rect.Left, rect.Top}, rect};
  if (w == 0) {
    if (margin >= 0) {
      switch (layout) {
        case blGlyphLeft:
          place.caption.Left += margin;
          break;
        case blGlyphRight:
          place.caption.Right -= margin;
          break;
        case blGlyphTop:
          place.caption.Top += margin;
          break;
        case blGlyphBottom:
          place.caption.Bottom -= margin;
          break;
      }
    }
    return place;
  }
  const int cx = rect.Left + (rect.Right - rect.Left) / 2, cy = rect.Top + (rect.Bottom - rect.Top) / 2;
  int x = 0, y = 0;
  if (margin < 0) {
    const bool across = layout == blGlyphLeft || layout == blGlyphRight;
    int total = across ? w : h;
    if (captionExtent > 0) total += captionExtent + spacing;
    switch (layout) {
      case blGlyphLeft:
        x = cx - total / 2, y = cy - h / 2;
        break;
      case blGlyphRight:
        x = cx + total / 2 - w, y = cy - h / 2;
        break;
      case blGlyphTop:
        x = cx - w / 2, y = cy - total / 2;
        break;
      case blGlyphBottom:
        x = cx - w / 2, y = cy + total / 2 - h;
        break;
    }
  } else {
    switch (layout) {
      case blGlyphLeft:
        x = rect.Left + margin, y = cy - h / 2;
        break;
      case blGlyphRight:
        x = rect.Right - w - margin, y = cy - h / 2;
        break;
      case blGlyphTop:
        x = cx - w / 2, y = rect.Top + margin;
        break;
      case blGlyphBottom:
        x = cx - w / 2, y = rect.Bottom - h - margin;
        break;
    }
  }
  place.glyph = {x, y};
  switch (layout) {
    case blGlyphLeft:
      place.caption = Rect(x + w + spacing, rect.Top, rect.Right, rect.Bottom);
      break;
    case blGlyphRight:
      place.caption = Rect(rect.Left, rect.Top, x - spacing, rect.Bottom);
      break;
    case blGlyphTop:
      place.caption = Rect(rect.Left, y + h + spacing, rect.Right, rect.Bottom);
      break;
    case blGlyphBottom:
      place.caption = Rect(rect.Left, rect.Top, rect.Right, y - spacing);
      break;
  }
  return place;
}

int GlyphCellIndex(TButtonState state, int numGlyphs) {
  return static_cast<int>(state) < numGlyphs ? state : 0;
}

QImage GlyphCell(const QImage& glyph, int numGlyphs, int cell) {
  if (glyph.isNull() || numGlyphs < 1) return QImage();
  const int cw = glyph.width() / numGlyphs;
  if (cw <= 0) return QImage();
  QImage copy = glyph.copy(cell * cw, 0, cw, glyph.height()).convertToFormat(QImage::Format_ARGB32);
  // The glyph's alpha channel plays no part: every pixel but the key colour is drawn opaque.
  for (int y = 0; y < copy.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < copy.width(); ++x) line[x] |= 0xFF000000u;
  }
  return copy;
}

void PaintGlyph(DrawSurface& canvas, int x, int y, const QImage& glyph, int numGlyphs, TButtonState state) {
  const QImage cell = GlyphCell(glyph, numGlyphs, GlyphCellIndex(state, numGlyphs));
  if (cell.isNull()) return;
  const TColor key = FromQColor(cell.pixelColor(0, cell.height() - 1));
  canvas.DrawBitmap(x, y, cell, key);
}

int MeasureCaption(DrawSurface& canvas, const TRect& rect, const QString& caption,
                   const TButtonCaptionSettings& s, int glyphWidth) {
  if (caption.isEmpty()) return 0;
  const bool wrap = s.wordWrap && s.orientation == coHorizontal;
  TRect r = rect;
  if (wrap) r.Right -= s.spacing + glyphWidth;
  canvas.DrawText(caption, r, ComposeTextFormat(taLeftJustify, tlTop, wrap) | DT_CALCRECT);
  int w = r.Width(), h = r.Height();
  if (s.orientation == coVertical || s.orientation == coVerticalReversed) std::swap(w, h);
  return (s.layout == blGlyphLeft || s.layout == blGlyphRight) ? w : h;
}

void PaintButtonCaption(DrawSurface& canvas, TRect captionRect, const QString& caption, bool hasGlyph,
                        const TButtonCaptionSettings& s) {
  if (caption.isEmpty()) return;
  TAlignment alignment = taCenter;
  TTextLayout layout = tlCenter;
  if (hasGlyph) {
    switch (s.layout) {
      case blGlyphLeft:
        alignment = taLeftJustify;
        break;
      case blGlyphRight:
        alignment = taRightJustify;
        break;
      case blGlyphTop:
        layout = tlTop;
        break;
      case blGlyphBottom:
        layout = tlBottom;
        break;
    }
  }
  if (s.orientation == coHorizontal) {
    DrawCaptionText(canvas, caption, captionRect, ComposeTextFormat(alignment, layout, s.wordWrap));
  } else {
    canvas.SetFont(CreateRotatedFont(canvas.Font(), s.orientation));
    TextOutRotated(canvas, caption, captionRect, layout, alignment, s.orientation);
  }
}

void PaintFaceContent(DrawSurface& canvas, const TRect& rect, const QImage& glyph, int numGlyphs,
                      TButtonState state, const QString& caption, const TFontSpec& font,
                      const TButtonCaptionSettings& s, int margin) {
  canvas.SetFont(font);
  canvas.SetTextColor(font.color);
  const int gw = (!glyph.isNull() && numGlyphs > 0) ? glyph.width() / numGlyphs : 0;
  const bool hasGlyph = gw > 0;
  const int gh = hasGlyph ? glyph.height() : 0;
  const TGlyphPlacement place =
      PlaceGlyph(rect, gw, gh, s.layout, margin, s.spacing,
                 hasGlyph && margin < 0 ? MeasureCaption(canvas, rect, caption, s, gw) : 0);
  if (hasGlyph) PaintGlyph(canvas, place.glyph.X, place.glyph.Y, glyph, numGlyphs, state);
  canvas.SetBkMode(TRANSPARENT);
  PaintButtonCaption(canvas, place.caption, caption, hasGlyph, s);
}

// ---- kind glyphs ------------------------------------------------------------------------------

namespace {

TKindGlyphProvider& KindGlyphProvider() {
  static TKindGlyphProvider provider;
  return provider;
}

// Two 18 × 18 cells (normal, disabled) on the olive key colour: a plain mark per kind, used until
// the program's artwork registers its glyphs.
QImage PlaceholderKindGlyph(TBitBtnKind kind) {
  QImage image(36, 18, QImage::Format_RGB32);
  image.fill(ToQColor(clOlive));
  const QColor mark = kind == bkCancel || kind == bkNo || kind == bkAbort ? QColor(192, 0, 0)
                      : kind == bkOK || kind == bkYes || kind == bkAll    ? QColor(0, 128, 0)
                                                                          : QColor(0, 0, 128);
  const bool cross = kind == bkCancel || kind == bkNo || kind == bkAbort;
  for (int cell = 0; cell < 2; ++cell) {
    const QColor c = cell == 0 ? mark : QColor(128, 128, 128);
    for (int i = 4; i < 14; ++i) {
      if (cross) {
        image.setPixelColor(cell * 18 + i, i, c);
        image.setPixelColor(cell * 18 + 17 - i, i, c);
      } else {
        // A tick: down from (4, 9) to (7, 12), then up to (13, 6).
        image.setPixelColor(cell * 18 + i, i <= 7 ? i + 5 : 19 - i, c);
      }
    }
  }
  return image;
}

}  // namespace

void SetKindGlyphProvider(TKindGlyphProvider provider) { KindGlyphProvider() = std::move(provider); }

QImage KindGlyph(TBitBtnKind kind) {
  if (kind == bkCustom) return QImage();
  if (const TKindGlyphProvider& provider = KindGlyphProvider()) {
    QImage glyph = provider(kind);
    if (!glyph.isNull()) return glyph;
  }
  return PlaceholderKindGlyph(kind);
}

// ---- window keys ------------------------------------------------------------------------------

namespace {

const char kWindowKeysName[] = "pintoolaButtonKeys";

// One per window: Enter clicks the default button (when the focused control is not a button and
// does not claim the key), Esc the cancel button.
class TWindowButtonKeys : public QObject {
 public:
  explicit TWindowButtonKeys(QWidget* window) : QObject(window), window_(window) {
    setObjectName(QLatin1String(kWindowKeysName));
    for (QKeySequence key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
      auto* shortcut = new QShortcut(key, window, nullptr, nullptr, Qt::WindowShortcut);
      connect(shortcut, &QShortcut::activated, this, [this] { Enter(); });
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window, nullptr, nullptr, Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] { Escape(); });
  }

 private:
  static bool CanTakeFocus(const TcyBaseButton* b) {
    return b->isEnabled() && b->isVisible() && b->focusPolicy() != Qt::NoFocus;
  }

  TcyBaseButton* Find(bool wantDefault) const {
    for (TcyBaseButton* b : window_->findChildren<TcyBaseButton*>())
      if ((wantDefault ? b->Default() : b->Cancel()) && b->window() == window_ && CanTakeFocus(b)) return b;
    return nullptr;
  }

  void Enter() {
    if (auto* focused = qobject_cast<TcyBaseButton*>(QApplication::focusWidget())) {
      focused->Click();
      return;
    }
    if (TcyBaseButton* b = Find(true)) b->Click();
  }

  // A window without a cancel button ignores Esc; only its close box answers Cancel.
  void Escape() {
    if (TcyBaseButton* b = Find(false)) b->Click();
  }

  QWidget* window_;
};

}  // namespace

// ---- the push button --------------------------------------------------------------------------

TcyBaseButton::TcyBaseButton(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  resize(75, 25);
}

TcyBaseButton::~TcyBaseButton() = default;

void TcyBaseButton::SetGlyph(const QImage& glyph, int numGlyphs) {
  FPicGlyph = glyph;
  if (numGlyphs > 0) FNumGlyphs = std::clamp(numGlyphs, 1, 4);
  update();
}

void TcyBaseButton::SetNumGlyphs(int value) {
  FNumGlyphs = std::clamp(value, 1, 4);
  update();
}

void TcyBaseButton::SetCaption(const QString& value) {
  FCaption = value;
  UpdateMnemonic();
  update();
}

void TcyBaseButton::UpdateMnemonic() {
  delete mnemonic_;
  mnemonic_ = nullptr;
  const QKeySequence key = QKeySequence::mnemonic(FCaption);
  if (key.isEmpty()) return;
  mnemonic_ = new QShortcut(key, this, nullptr, nullptr, Qt::WindowShortcut);
  connect(mnemonic_, &QShortcut::activated, this, [this] {
    if (isEnabled() && isVisible()) Click();
  });
}

void TcyBaseButton::SetKind(TBitBtnKind value) {
  if (value == FKind) return;
  FKind = value;
  if (value == bkCustom) return;
  static const struct {
    const char* caption;
    int modalResult;
    bool isDefault, isCancel;
  } kKinds[] = {
      {"", mrNone, false, false},
      {QT_TRANSLATE_NOOP("TcyBitBtn", "OK"), mrOk, true, false},
      {QT_TRANSLATE_NOOP("TcyBitBtn", "Cancel"), mrCancel, false, true},
      {QT_TRANSLATE_NOOP("TcyBitBtn", "&Help"), mrNone, false, false},
      {QT_TRANSLATE_NOOP("TcyBitBtn", "&Yes"), mrYes, true, false},
      {QT_TRANSLATE_NOOP("TcyBitBtn", "&No"), mrNo, false, true},
      {QT_TRANSLATE_NOOP("TcyBitBtn", "&Close"), mrNone, false, false},
      {QT_TRANSLATE_NOOP("TcyBitBtn", "Abort"), mrAbort, false, false},
      {QT_TRANSLATE_NOOP("TcyBitBtn", "&Retry"), mrRetry, false, false},
      {QT_TRANSLATE_NOOP("TcyBitBtn", "&Ignore"), mrIgnore, false, false},
      {QT_TRANSLATE_NOOP("TcyBitBtn", "&All"), mrAll, false, false},
  };
  const auto& k = kKinds[value];
  SetDefault(k.isDefault);
  SetCancel(k.isCancel);
  FCaption = QCoreApplication::translate("TcyBitBtn", k.caption);
  UpdateMnemonic();
  FModalResult = k.modalResult;
  SetGlyph(KindGlyph(value), 2);
}

void TcyBaseButton::SetDefault(bool value) {
  FDefault = value;
  if (value && isVisible()) HookWindowKeys();
}

void TcyBaseButton::SetCancel(bool value) {
  FCancel = value;
  if (value && isVisible()) HookWindowKeys();
}

void TcyBaseButton::SetLayout(TButtonLayout value) {
  FLayout = value;
  update();
}

void TcyBaseButton::SetMargin(int value) {
  FMargin = value;
  update();
}

void TcyBaseButton::SetSpacing(int value) {
  FSpacing = value;
  update();
}

void TcyBaseButton::SetWordWrap(bool value) {
  FWordWrap = value;
  update();
}

void TcyBaseButton::SetCaptionOrientation(TCaptionOrientation value) {
  FCaptionOrientation = value;
  update();
}

void TcyBaseButton::SetFont(const TFontSpec& value) {
  FFont = value;
  update();
}

TButtonState TcyBaseButton::DrawState() const {
  if (!isEnabled()) return bsDisabled;
  return Pressed() ? bsDown : bsUp;
}

void TcyBaseButton::Click() {
  if (FKind == bkHelp) return;  // no help system
  if (FKind == bkClose) {
    window()->close();
    return;
  }
  QPointer<QDialog> dialog = qobject_cast<QDialog*>(window());
  const int result = FModalResult;
  if (dialog) dialog->setResult(result);
  emit clicked();
  if (result != mrNone && dialog && dialog->isVisible() && dialog->result() == result) dialog->done(result);
}

void TcyBaseButton::HookWindowKeys() {
  QWidget* w = window();
  if (w == this) return;
  if (!w->findChild<QObject*>(QLatin1String(kWindowKeysName), Qt::FindDirectChildrenOnly))
    new TWindowButtonKeys(w);
}

void TcyBaseButton::PaintButton(DrawSurface&, TButtonState, bool) {}

bool TcyBaseButton::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::ShortcutOverride: {
      // A focused button takes Enter itself rather than passing it to the window's default button.
      auto* key = static_cast<QKeyEvent*>(e);
      if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
          (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        e->accept();
        return true;
      }
      break;
    }
    // Hooked once shown, when the button's window is the one it will stay in.
    case QEvent::Show:
      if (FDefault || FCancel) HookWindowKeys();
      break;
    default:
      break;
  }
  return QWidget::event(e);
}

void TcyBaseButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawSurface surface(painter);
  PaintButton(surface, DrawState(), FMouseOver);
  if (OnPaint) OnPaint();
}

void TcyBaseButton::enterEvent(QEnterEvent*) {
  if (isEnabled() && !FMouseOver) {
    FMouseOver = true;
    update();
  }
}

void TcyBaseButton::leaveEvent(QEvent*) {
  if (FMouseOver) {
    FMouseOver = false;
    if (isEnabled()) update();
  }
}

void TcyBaseButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled()) return QWidget::mousePressEvent(e);
  FMouseLeftDown = true;
  FPressedByMouse = true;
  if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
  update();
}

void TcyBaseButton::mouseMoveEvent(QMouseEvent* e) {
  if (!FMouseLeftDown) return QWidget::mouseMoveEvent(e);
  const bool inside = rect().contains(e->position().toPoint());
  if (inside != FPressedByMouse) {
    FPressedByMouse = inside;
    update();
  }
}

void TcyBaseButton::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !FMouseLeftDown) return QWidget::mouseReleaseEvent(e);
  FMouseLeftDown = false;
  FPressedByMouse = false;
  update();
  if (isEnabled() && rect().contains(e->position().toPoint())) Click();
}

void TcyBaseButton::keyPressEvent(QKeyEvent* e) {
  const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (e->key() == Qt::Key_Space && plain) {
    if (!e->isAutoRepeat() && isEnabled()) {
      FPressedByKey = true;
      update();
    }
    return;
  }
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && plain) {
    if (isEnabled()) Click();
    return;
  }
  QWidget::keyPressEvent(e);
}

void TcyBaseButton::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Space && !e->isAutoRepeat() && FPressedByKey) {
    FPressedByKey = false;
    update();
    if (isEnabled()) Click();
    return;
  }
  QWidget::keyReleaseEvent(e);
}

void TcyBaseButton::focusInEvent(QFocusEvent* e) {
  update();
  QWidget::focusInEvent(e);
}

void TcyBaseButton::focusOutEvent(QFocusEvent* e) {
  // Losing the focus while Space is held cancels the press.
  FPressedByKey = false;
  update();
  QWidget::focusOutEvent(e);
}

void TcyBaseButton::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) {
    if (!isEnabled()) FPressedByKey = FPressedByMouse = FMouseLeftDown = false;
    update();
  }
  QWidget::changeEvent(e);
}

}  // namespace pintoola
