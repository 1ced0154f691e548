#include "i18n/WindowTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

#include "platform/DrawSurface.h"
#include "platform/Panel.h"
#include "styled/cyBaseButton.h"
#include "styled/cyBaseLabel.h"
#include "styled/cyBasePanel.h"
#include "styled/cyBaseSpeedButton.h"

namespace pintoola::testing {

namespace {

// The styled buttons' outer and inner ring, a pixel each on every side; glyph, spacing and caption
// are centred together in what is left.
constexpr int kButtonRings = 2;
// The one-pixel bevels of a panel, inside and out.
constexpr int kPanelBevels = 2;

int Width(const QFont& font, const QString& text) {
  // The accelerator's "&" is not drawn; "&&" draws one "&".
  QString shown = text;
  shown.replace(QLatin1String("&&"), QLatin1String("\x01"));
  shown.remove(u'&');
  shown.replace(u'\x01', u'&');
  int widest = 0;
  for (const QString& line : shown.split(u'\n')) widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
  return widest;
}

int GlyphRoom(const QImage& glyph, int cells, int spacing) {
  return glyph.isNull() ? 0 : glyph.width() / std::max(1, cells) + spacing;
}

}  // namespace

std::vector<ShownText> TextsOf(QWidget* window) {
  std::vector<ShownText> out;
  out.push_back({window, window->windowTitle(), "title"});
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets) {
    if (!w->isVisibleTo(window) && w != window) continue;
    if (!w->toolTip().isEmpty()) out.push_back({w, w->toolTip(), "hint"});
    if (auto* b = qobject_cast<TcyBaseButton*>(w)) {
      const int room = b->width() - 2 * kButtonRings - GlyphRoom(b->Glyph(), b->NumGlyphs(), b->Spacing());
      out.push_back({w, b->Caption(), "caption", room, Width(ToQFont(b->Font()), b->Caption())});
    } else if (auto* s = qobject_cast<TcyBaseSpeedButton*>(w)) {
      const int room = s->width() - 2 * kButtonRings - GlyphRoom(s->Glyph(), 1, 4);
      out.push_back({w, s->Caption(), "caption", room, Width(ToQFont(s->Font()), s->Caption())});
    } else if (auto* l = qobject_cast<TcyBaseLabel*>(w)) {
      out.push_back({w, l->Caption(), "caption", l->width(), Width(ToQFont(l->Font()), l->Caption())});
    } else if (auto* p = qobject_cast<tcyBasePanel*>(w)) {
      if (p->ShowCaption())
        out.push_back({w, p->Caption(), "caption", p->width() - 2 * kPanelBevels,
                       Width(ToQFont(p->Font()), p->Caption())});
    } else if (auto* t = qobject_cast<TPanel*>(w)) {
      out.push_back({w, t->Caption(), "caption", t->width() - 2 * kPanelBevels, Width(t->font(), t->Caption())});
    } else if (auto* q = qobject_cast<QLabel*>(w)) {
      out.push_back({w, q->text(), "caption", q->width(), q->minimumSizeHint().width()});
    } else if (auto* a = qobject_cast<QAbstractButton*>(w)) {
      out.push_back({w, a->text(), "caption", a->width(), a->minimumSizeHint().width()});
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      out.push_back({w, g->title(), "caption", g->width(), g->minimumSizeHint().width()});
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < c->count(); ++i) out.push_back({w, c->itemText(i), "item"});
    }
  }
  std::erase_if(out, [](const ShownText& t) { return t.text.isEmpty(); });
  return out;
}

QString Describe(const ShownText& t) {
  QString where = t.widget->window()->objectName();
  if (where.isEmpty()) where = QString::fromUtf8(t.widget->window()->metaObject()->className());
  QString text = QStringLiteral("%1 %2 of %3: \"%4\"")
                     .arg(where, QString::fromUtf8(t.kind), QString::fromUtf8(t.widget->metaObject()->className()), t.text);
  if (t.room >= 0) text += QStringLiteral(" needs %1 of %2 px").arg(t.needed).arg(t.room);
  return text;
}

}  // namespace pintoola::testing
