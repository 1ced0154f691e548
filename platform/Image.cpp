#include "platform/Image.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include "platform/PageImage.h"

namespace pintoola {

namespace {
TMouseButton ToButton(Qt::MouseButton b) {
  switch (b) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}
}  // namespace

TImage::TImage(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

TImage::~TImage() = default;

PageBitmap& TImage::Picture() {
  if (!page_) {
    page_ = std::make_unique<PageBitmap>();
    page_->SetOnChange([this] { PageChanged(); });
    PageChanged();
  }
  return *page_;
}

void TImage::ClearPicture() {
  page_.reset();
  PageChanged();
}

void TImage::SetPicture(std::unique_ptr<PageBitmap> page) {
  page_ = std::move(page);
  if (page_) page_->SetOnChange([this] { PageChanged(); });
  PageChanged();
}

void TImage::PageChanged() {
  stale_ = true;
  update();
}

const QImage& TImage::DisplayedImage() const {
  if (stale_) {
    // Only what the control can show: a page larger than the view is cut at its edges.
    if (page_ && page_->Image())
      ToQImage(*page_->Image(), size(), shown_);
    else
      shown_ = QImage();
    stale_ = false;
  }
  return shown_;
}

void TImage::resizeEvent(QResizeEvent*) { stale_ = true; }

void TImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!static_.isNull()) {
    QRect target(0, 0, static_.width(), static_.height());
    if (stretch_) {
      QSize size = static_.size();
      size.scale(this->size(), proportional_ ? Qt::KeepAspectRatio : Qt::IgnoreAspectRatio);
      target.setSize(size);
    }
    if (center_) target.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, static_);
    return;
  }
  const QImage& img = DisplayedImage();
  if (!img.isNull()) painter.drawImage(0, 0, img);
}

void TImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    leftPressed_ = true;
    doubleClickPress_ = false;
  }
  emit MouseDown(ToButton(event->button()));
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is a press, but its release is no click.
  if (event->button() == Qt::LeftButton) {
    leftPressed_ = true;
    doubleClickPress_ = true;
  }
  emit MouseDown(ToButton(event->button()));
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !leftPressed_) return;
  leftPressed_ = false;
  const bool inside = rect().contains(event->position().toPoint());
  if (inside && !doubleClickPress_) emit Click();
  doubleClickPress_ = false;
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
  // Only a left press holds the mouse. Qt sends the moves of any held button here, but outside the
  // control those of another button belong to whatever lies under the pointer.
  if (!leftPressed_) {
    const bool inside = rect().contains(event->position().toPoint());
    PointerCrossed(inside);
    if (!inside) return;
  }
  emit MouseMove();
}

void TImage::enterEvent(QEnterEvent*) { PointerCrossed(true); }

void TImage::leaveEvent(QEvent*) {
  // Qt also reports a leave when a modal window opens over the control, though the pointer has not
  // moved. That is no leave; the pointer is watched until it is seen outside the control.
  if (PointerOver()) {
    if (!watchingPointer_) QCoreApplication::instance()->installEventFilter(this);
    watchingPointer_ = true;
    return;
  }
  StopWatchingPointer();
  pointerInside_ = false;
  emit MouseLeave();
}

bool TImage::eventFilter(QObject* watched, QEvent* event) {
  if (watchingPointer_ && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) && !PointerOver())
    PointerCrossed(false);
  return QWidget::eventFilter(watched, event);
}

void TImage::StopWatchingPointer() {
  if (watchingPointer_) QCoreApplication::instance()->removeEventFilter(this);
  watchingPointer_ = false;
}

void TImage::PointerCrossed(bool inside) {
  StopWatchingPointer();
  if (inside == pointerInside_) return;
  pointerInside_ = inside;
  if (inside)
    emit MouseEnter();
  else
    emit MouseLeave();
}

bool TImage::PointerOver() const { return rect().contains(mapFromGlobal(QCursor::pos())); }

}  // namespace pintoola
