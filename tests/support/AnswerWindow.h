#pragma once
// Tests that open a window and answer it from inside its loop. A window that never shows, or an
// answer that leaves it open, fails the test and gets closed, so the call that opened it returns
// instead of waiting for a click that never comes.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>

namespace pintoola::testing {

// How long a window may take to show, and to go once answered.
inline constexpr int kWindowWaitMs = 10000;

class WindowWaiter {
 public:
  // `find` returns the window once it shows (or nullptr); `name` is what a failure calls it. With
  // `expected` false the window must not show: if it does, the test fails and it is closed.
  WindowWaiter(std::function<QWidget*()> find, std::string name, std::function<void(QWidget*)> answer,
               bool expected = true);
  // Fails the test when an expected window never showed.
  ~WindowWaiter();
  WindowWaiter(const WindowWaiter&) = delete;
  WindowWaiter& operator=(const WindowWaiter&) = delete;

 private:
  void Poll();

  std::function<QWidget*()> find_;
  std::string name_;
  std::function<void(QWidget*)> answer_;
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 deadline_ = kWindowWaitMs;
  bool expected_;
  bool answered_ = false;
  bool failed_ = false;
};

// `window` once it is visible.
std::function<QWidget*()> Shown(QWidget* window);
// The first visible top-level window of class T.
template <class T>
std::function<QWidget*()> ShownOf() {
  return []() -> QWidget* {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<T*>(w) && w->isVisible()) return w;
    return nullptr;
  };
}

inline std::string NameOf(QWidget* window) {
  return window->windowTitle().toStdString() + " (" + window->metaObject()->className() + ")";
}

// Runs `open`, which is to show `window`, answers it with `answer` once it shows and returns what
// `open` returns.
template <class Open>
auto WithWindow(QWidget* window, std::function<void()> answer, Open&& open) {
  const WindowWaiter waiter(Shown(window), NameOf(window), [a = std::move(answer)](QWidget*) { a(); });
  return open();
}

// Runs `open`, which must not show `window`.
template <class Open>
auto WithoutWindow(QWidget* window, Open&& open) {
  const WindowWaiter waiter(Shown(window), NameOf(window), nullptr, false);
  return open();
}

// The same for the first window of class T to show, handed to `answer`.
template <class T, class Open>
auto WithWindowOf(std::function<void(T*)> answer, Open&& open) {
  const WindowWaiter waiter(ShownOf<T>(), T::staticMetaObject.className(),
                            [a = std::move(answer)](QWidget* w) { a(qobject_cast<T*>(w)); });
  return open();
}

}  // namespace pintoola::testing
