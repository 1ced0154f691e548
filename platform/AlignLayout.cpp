#include "platform/AlignLayout.h"

#include <QWidget>
#include <QWidgetItem>

namespace pintoola {

AlignLayout::AlignLayout(QWidget* parent, int border) : QLayout(parent) {
  setContentsMargins(border, border, border, border);
  setSpacing(0);
  setSizeConstraint(QLayout::SetNoConstraint);
}

AlignLayout::~AlignLayout() {
  for (auto& e : entries_) delete e.item;
}

void AlignLayout::SetBorder(int border) { setContentsMargins(border, border, border, border); }

void AlignLayout::Add(QWidget* control, TAlign align, QMargins margins) {
  addChildWidget(control);
  const bool vertical = align == TAlign::alTop || align == TAlign::alBottom;
  entries_.push_back({new QWidgetItem(control), align, margins, vertical ? control->height() : control->width()});
  invalidate();
}

void AlignLayout::addItem(QLayoutItem* item) {
  entries_.push_back({item, TAlign::alNone, QMargins(), 0});
}

QLayoutItem* AlignLayout::itemAt(int index) const {
  return index >= 0 && index < count() ? entries_[static_cast<size_t>(index)].item : nullptr;
}

QLayoutItem* AlignLayout::takeAt(int index) {
  if (index < 0 || index >= count()) return nullptr;
  QLayoutItem* item = entries_[static_cast<size_t>(index)].item;
  entries_.erase(entries_.begin() + index);
  return item;
}

int AlignLayout::count() const { return static_cast<int>(entries_.size()); }

QSize AlignLayout::sizeHint() const { return QSize(0, 0); }
QSize AlignLayout::minimumSize() const { return QSize(0, 0); }

void AlignLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  const QMargins b = contentsMargins();
  int left = rect.left() + b.left(), top = rect.top() + b.top();
  int right = rect.right() + 1 - b.right(), bottom = rect.bottom() + 1 - b.bottom();
  auto place = [](const Entry& e, int x, int y, int w, int h) {
    const QMargins& m = e.margins;
    e.item->widget()->setGeometry(x + m.left(), y + m.top(), std::max(0, w - m.left() - m.right()),
                                  std::max(0, h - m.top() - m.bottom()));
  };
  for (TAlign side : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (const Entry& e : entries_) {
      if (e.align != side || !e.item->widget() || e.item->widget()->isHidden()) continue;
      const int h = e.extent + e.margins.top() + e.margins.bottom();
      const int w = e.extent + e.margins.left() + e.margins.right();
      switch (side) {
        case TAlign::alTop:
          place(e, left, top, right - left, h);
          top += h;
          break;
        case TAlign::alBottom:
          place(e, left, bottom - h, right - left, h);
          bottom -= h;
          break;
        case TAlign::alLeft:
          place(e, left, top, w, bottom - top);
          left += w;
          break;
        case TAlign::alRight:
          place(e, right - w, top, w, bottom - top);
          right -= w;
          break;
        case TAlign::alClient:
          place(e, left, top, right - left, bottom - top);
          break;
        case TAlign::alNone:
          break;
      }
    }
  }
}

}  // namespace pintoola
