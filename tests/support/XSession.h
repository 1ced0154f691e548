#pragma once
// The real program on a virtual X server, driven with the pointer and keys only (xdotool), the way
// a child would. The steps know where the main window puts its controls on a 1366 × 768 screen.
#include <gtest/gtest.h>

#include <QPoint>
#include <QProcess>
#include <QString>
#include <functional>

#include "core/Colors.h"

namespace pintoola {

// Polls `ready` every 100 ms for up to `ms` milliseconds.
bool WaitFor(const std::function<bool()>& ready, int ms);

// Whether the saved project is exactly the page file with the area at `point` filled solid in
// `colour`, with at least `minColoured` pixels of that colour.
::testing::AssertionResult SavedWithFill(const QString& project, const QString& page, QPoint point,
                                         TColor colour, int minColoured);

// Whether the saved project has exactly the pixels of the page file.
::testing::AssertionResult SavedUnchanged(const QString& project, const QString& page);

class XSession {
 public:
  XSession() = default;
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;
  ~XSession();

  // Starts Xvfb on a display number it picks itself. Empty on success, otherwise why it could not.
  QString Start();
  const QString& Display() const { return display; }
  // The caller's environment with this display and without the offscreen platform of the tests.
  const QProcessEnvironment& Environment() const { return env; }

  QString Xdotool(const QStringList& args);
  // The last visible window with exactly this title, or empty.
  QString FindWindow(const QString& title);
  bool WaitWindow(const QString& title, int ms = 20000);
  QPoint WindowOrigin(const QString& id);
  void Click(QPoint p, int repeat = 1);

  // The program's own steps; each waits until what it opened or closed has done so.
  ::testing::AssertionResult WaitMainWindow();
  // Opens the pages library and confirms its first page by double clicking the tile.
  ::testing::AssertionResult OpenFirstPage();
  ::testing::AssertionResult PickColour(TColor colour);
  // A click at this point of the page, which the view shows unscaled from its top-left corner.
  void ClickPage(QPoint point);
  void Undo();
  // "Save project...", then the saved notice closed with its OK button.
  ::testing::AssertionResult SaveProject();
  // The exit button, with the question answered by its default button.
  ::testing::AssertionResult Exit();

 private:
  QString display;
  QProcess xvfb;
  QProcessEnvironment env;
};

}  // namespace pintoola
