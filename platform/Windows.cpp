#include "platform/Windows.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QWidget>

namespace pintoola {

void CenterOver(QWidget* dialog, QWidget* owner) {
  QRect area;
  if (owner && owner->isVisible())
    area = owner->frameGeometry();
  else if (QScreen* screen = QGuiApplication::primaryScreen())
    area = screen->availableGeometry();
  if (area.isEmpty()) return;
  QRect frame = dialog->frameGeometry();
  frame.moveCenter(area.center());
  dialog->move(frame.topLeft());
}

void OpenAddress(const char* address) { QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromUtf8(address))); }

}  // namespace pintoola
