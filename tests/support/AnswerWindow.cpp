#include "support/AnswerWindow.h"

#include <gtest/gtest.h>

#include <QDialog>

namespace pintoola::testing {
namespace {

// Ends every modal loop still running, innermost first.
void CloseModalWindows() {
  for (int i = 0; i < 16; ++i) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->done(QDialog::Rejected);
    else
      modal->close();
  }
}

}  // namespace

WindowWaiter::WindowWaiter(std::function<QWidget*()> find, std::string name, std::function<void(QWidget*)> answer,
                           bool expected)
    : find_(std::move(find)), name_(std::move(name)), answer_(std::move(answer)), expected_(expected) {
  clock_.start();
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start();
}

WindowWaiter::~WindowWaiter() {
  timer_.stop();
  if (expected_ && !answered_ && !failed_) ADD_FAILURE() << name_ << " never showed";
}

void WindowWaiter::Poll() {
  if (!expected_) {
    if (!find_()) return;
    if (!failed_) ADD_FAILURE() << name_ << " showed";
    failed_ = true;
    CloseModalWindows();
    return;
  }
  if (!answered_) {
    if (QWidget* window = find_()) {
      answered_ = true;
      deadline_ = clock_.elapsed() + kWindowWaitMs;
      answer_(window);
      return;
    }
  }
  if (clock_.elapsed() < deadline_) return;
  if (answered_ && !find_() && !QApplication::activeModalWidget()) return;
  if (!failed_) {
    failed_ = true;
    ADD_FAILURE() << name_ << (answered_ ? " was still open " : " did not show within ") << kWindowWaitMs
                  << (answered_ ? " ms after its answer" : " ms");
  }
  CloseModalWindows();
}

std::function<QWidget*()> Shown(QWidget* window) {
  return [window]() -> QWidget* { return window->isVisible() ? window : nullptr; };
}

}  // namespace pintoola::testing
