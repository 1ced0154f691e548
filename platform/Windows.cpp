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

namespace {
std::function<void(const char*)>& Opener() {
  static std::function<void(const char*)> opener;
  return opener;
}
}  // namespace

void SetAddressOpener(std::function<void(const char*)> opener) { Opener() = std::move(opener); }

void OpenAddress(const char* address) {
  if (Opener()) {
    Opener()(address);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromUtf8(address)));
}

}  // namespace pintoola
