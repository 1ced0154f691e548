#pragma once
// Places children against the sides of their parent's remaining client area: all top ones first,
// then bottom, left, right, and client ones fill what remains; within a side in the order added.
#include <QLayout>
#include <QMargins>
#include <vector>

namespace pintoola {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class AlignLayout : public QLayout {
  Q_OBJECT
 public:
  // The parent's border (a panel's edge or bevel rings) is the layout's contents margins.
  explicit AlignLayout(QWidget* parent, int border = 0);
  ~AlignLayout() override;

  // The control keeps its current width (left/right) or height (top/bottom). Margins, when given,
  // are kept free around it.
  void Add(QWidget* control, TAlign align, QMargins margins = QMargins());
  void SetBorder(int border);

  void addItem(QLayoutItem* item) override;
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  int count() const override;
  QSize sizeHint() const override;
  QSize minimumSize() const override;
  void setGeometry(const QRect& rect) override;

 private:
  struct Entry {
    QLayoutItem* item;
    TAlign align;
    QMargins margins;
    int extent;  // height for top/bottom, width for left/right
  };
  std::vector<Entry> entries_;
};

// Standard margins of a control placed "with margins".
inline QMargins WithMargins(int all = 3) { return QMargins(all, all, all, all); }

}  // namespace pintoola
