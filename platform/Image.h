#pragma once
// A picture control. It holds one page object or none (asking for the page when there is none
// makes an empty one), drawn unscaled at its top-left corner, so control coordinates are page
// pixels; or a fixed picture that may be stretched proportionally and centred.
#include <QImage>
#include <QWidget>
#include <memory>

#include "core/Types.h"
#include "engine/PageBitmap.h"

namespace pintoola {

class TImage : public QWidget {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent = nullptr);
  ~TImage() override;

  // The page shown; created empty on first request.
  PageBitmap& Picture();
  bool HasPicture() const { return page_ != nullptr; }
  // Drops the page object: the control shows its parent's background.
  void ClearPicture();
  // Installs a page object (e.g. one restored from a snapshot), taking ownership.
  void SetPicture(std::unique_ptr<PageBitmap> page);
  bool PageEmpty() const { return !page_ || page_->Empty(); }

  // A fixed picture instead of a page (the about box artwork).
  void SetStaticPicture(const QImage& picture) {
    static_ = picture;
    update();
  }
  void SetStretch(bool stretch) { stretch_ = stretch; }
  void SetProportional(bool proportional) { proportional_ = proportional; }
  void SetCenter(bool center) { center_ = center; }

  // What is on screen: the visible part of the page, converted after it last changed.
  const QImage& DisplayedImage() const;

 signals:
  void Click();
  void MouseDown(pintoola::TMouseButton button);
  void MouseMove();
  void MouseEnter();
  void MouseLeave();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PageChanged();
  // MouseEnter and MouseLeave follow the pointer crossing the control's edge, whatever Qt reports.
  void PointerCrossed(bool inside);
  bool PointerOver() const;
  void StopWatchingPointer();

  std::unique_ptr<PageBitmap> page_;
  mutable QImage shown_;
  mutable bool stale_ = true;
  QImage static_;
  bool stretch_ = false, proportional_ = false, center_ = false;
  bool leftPressed_ = false;
  bool doubleClickPress_ = false;
  bool pointerInside_ = false;
  bool watchingPointer_ = false;
};

}  // namespace pintoola
