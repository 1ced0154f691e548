#include "platform/Application.h"

#include <exception>
#include <new>

#include "platform/MessageBox.h"

namespace pintoola {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Doodlo"));
  setApplicationDisplayName(QString());
  setApplicationVersion(QStringLiteral("1.0.0.0"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc&) {
    ShowErrorBox(QStringLiteral("Out of memory"));
  } catch (const std::exception& e) {
    ShowErrorBox(QString::fromUtf8(e.what()));
  }
  return true;
}

}  // namespace pintoola
