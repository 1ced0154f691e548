#include "support/XSession.h"

#include <QFile>
#include <QThread>
#include <chrono>

#include "app/frmMain.h"
#include "engine/PageBitmap.h"
#include "engine/RegionFill.h"
#include "palette/CnColorGrid.h"
#include "palette/CnGridLayout.h"

namespace pintoola {

namespace {

// Toolbar buttons are 75 wide on an 81-pixel pitch from x = 5; the exit button sits at the right.
QPoint ToolbarButton(int index) { return {5 + index * 81 + 37, 28}; }
constexpr int kUndo = 2, kSave = 5;
const QPoint kExitButton{1366 - 2 - 3 - 37, 28};
const QPoint kOpenButton{42, 28};
const QPoint kPalette{1, 58};
const QPoint kPageView{120, 61};

}  // namespace

bool WaitFor(const std::function<bool()>& ready, int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    if (ready()) return true;
    QThread::msleep(100);
  }
  return ready();
}

::testing::AssertionResult SavedWithFill(const QString& project, const QString& page, QPoint point,
                                         TColor colour, int minColoured) {
  if (!QFile::exists(project)) return ::testing::AssertionFailure() << "no project " << project.toStdString();
  PageBitmap expected, saved;
  expected.LoadFromFile(page.toStdString());
  FillRegion(expected, point.x(), point.y(), colour, bsSolid);
  saved.LoadFromFile(project.toStdString());
  if (saved.Width() != expected.Width() || saved.Height() != expected.Height())
    return ::testing::AssertionFailure()
           << project.toStdString() << " is " << saved.Width() << " x " << saved.Height() << ", the page "
           << expected.Width() << " x " << expected.Height();
  int differing = 0, coloured = 0;
  for (int y = 0; y < saved.Height(); ++y)
    for (int x = 0; x < saved.Width(); ++x) {
      differing += saved.Pixels(x, y) != expected.Pixels(x, y);
      coloured += saved.Pixels(x, y) == colour;
    }
  if (differing != 0 || coloured < minColoured)
    return ::testing::AssertionFailure()
           << project.toStdString() << ": " << differing << " pixels differ from the filled page, "
           << coloured << " have the colour";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult SavedUnchanged(const QString& project, const QString& page) {
  if (!QFile::exists(project)) return ::testing::AssertionFailure() << "no project " << project.toStdString();
  PageBitmap expected, saved;
  expected.LoadFromFile(page.toStdString());
  saved.LoadFromFile(project.toStdString());
  if (saved.Width() != expected.Width() || saved.Height() != expected.Height())
    return ::testing::AssertionFailure() << project.toStdString() << " is " << saved.Width() << " x "
                                         << saved.Height() << ", the page " << expected.Width() << " x "
                                         << expected.Height();
  int differing = 0;
  for (int y = 0; y < saved.Height(); ++y)
    for (int x = 0; x < saved.Width(); ++x) differing += saved.Pixels(x, y) != expected.Pixels(x, y);
  if (differing != 0)
    return ::testing::AssertionFailure() << project.toStdString() << ": " << differing << " pixels differ from the page";
  return ::testing::AssertionSuccess();
}

XSession::~XSession() {
  if (xvfb.state() != QProcess::NotRunning) {
    xvfb.terminate();
    xvfb.waitForFinished(5000);
  }
}

QString XSession::Start() {
  if (QProcess::execute("sh", {"-c", "{ command -v Xvfb && command -v xdotool; } >/dev/null"}) != 0)
    return "Xvfb or xdotool is not installed";
  // The server writes the number of the display it found free.
  xvfb.setStandardErrorFile(QProcess::nullDevice());
  xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1366x768x24", "-nolisten", "tcp"});
  if (!xvfb.waitForStarted(5000)) return "Xvfb did not start";
  QByteArray number;
  WaitFor(
      [&] {
        xvfb.waitForReadyRead(100);
        number += xvfb.readAllStandardOutput();
        return number.contains('\n') || xvfb.state() == QProcess::NotRunning;
      },
      10000);
  if (!number.contains('\n')) return "Xvfb did not report a display";
  display = ":" + QString::fromUtf8(number).trimmed();
  if (!WaitFor([&] { return QFile::exists("/tmp/.X11-unix/X" + display.mid(1)); }, 10000))
    return "Xvfb did not open " + display;
  env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", display);
  env.remove("QT_QPA_PLATFORM");
  return {};
}

QString XSession::Xdotool(const QStringList& args) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.start("xdotool", args);
  p.waitForFinished(15000);
  return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString XSession::FindWindow(const QString& title) {
  const QStringList ids = Xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"}).split('\n');
  return ids.isEmpty() ? QString() : ids.last().trimmed();
}

bool XSession::WaitWindow(const QString& title, int ms) {
  return WaitFor([&] { return !FindWindow(title).isEmpty(); }, ms);
}

QPoint XSession::WindowOrigin(const QString& id) {
  const QString out = Xdotool({"getwindowgeometry", "--shell", id});
  int x = 0, y = 0;
  for (const QString& line : out.split('\n')) {
    if (line.startsWith("X=")) x = line.mid(2).toInt();
    if (line.startsWith("Y=")) y = line.mid(2).toInt();
  }
  return {x, y};
}

void XSession::Click(QPoint p, int repeat) {
  Xdotool({"mousemove", QString::number(p.x()), QString::number(p.y())});
  QThread::msleep(150);
  QStringList args{"click"};
  if (repeat > 1)
    args << "--repeat" << QString::number(repeat) << "--delay"
         << "80";
  args << "1";
  Xdotool(args);
  QThread::msleep(400);
}

::testing::AssertionResult XSession::WaitMainWindow() {
  if (!WaitWindow("Pintoola", 60000))
    return ::testing::AssertionFailure() << "the main window did not appear";
  QThread::msleep(1500);
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult XSession::OpenFirstPage() {
  Click(kOpenButton);
  if (!WaitWindow("Coloring pages Library"))
    return ::testing::AssertionFailure() << "the pages library did not open";
  QThread::msleep(800);
  const QPoint library = WindowOrigin(FindWindow("Coloring pages Library"));
  Click(library + QPoint(60, 60), 2);
  if (!WaitFor([&] { return FindWindow("Coloring pages Library").isEmpty(); }, 10000))
    return ::testing::AssertionFailure() << "the pages library did not close";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult XSession::PickColour(TColor colour) {
  // The main window's grid, built with the main window's settings, tells where the colour's cell is.
  TCnColorGrid grid;
  SetUpPalette(grid);
  int index = -1;
  for (int i = 0; i < 7 * 34 && index < 0; ++i)
    if (grid.CellColor(i) == colour) index = i;
  if (index < 0) return ::testing::AssertionFailure() << "the palette has no cell of colour " << colour;
  const TRect cell = CellRect(grid.Metrics(), index % 7, index / 7);
  Click(kPalette + grid.ClientRect().topLeft() +
        QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
  return ::testing::AssertionSuccess();
}

void XSession::ClickPage(QPoint point) { Click(kPageView + point); }

void XSession::Undo() { Click(ToolbarButton(kUndo)); }

::testing::AssertionResult XSession::SaveProject() {
  Click(ToolbarButton(kSave));
  if (!WaitWindow("Project image")) return ::testing::AssertionFailure() << "the saved notice did not appear";
  QThread::msleep(500);
  const QPoint notice = WindowOrigin(FindWindow("Project image"));
  Click(notice + QPoint(160 + 37, 40 + 12));
  if (!WaitFor([&] { return FindWindow("Project image").isEmpty(); }, 10000))
    return ::testing::AssertionFailure() << "the saved notice did not close";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult XSession::Exit() {
  Click(kExitButton);
  if (!WaitWindow("Confirm")) return ::testing::AssertionFailure() << "the exit question did not appear";
  QThread::msleep(500);
  const QString confirm = FindWindow("Confirm");
  Xdotool({"windowfocus", "--sync", confirm});
  Xdotool({"key", "--window", confirm, "Return"});
  return ::testing::AssertionSuccess();
}

}  // namespace pintoola
