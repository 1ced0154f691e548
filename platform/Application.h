#pragma once
#include <QApplication>

namespace pintoola {

// The application object: an exception that leaves an event handler is shown in the error box and
// the event loop goes on with the next event. The program takes no command-line options, Qt's own
// (-reverse, -style, -platform, ...) included: Qt is handed the program's name and nothing else.
class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  static constexpr int kHintPause = 500;     // ms the pointer rests before a hint shows
  static constexpr int kHintShowTime = 2500;  // ms a hint stays up
};

}  // namespace pintoola
