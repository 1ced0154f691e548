// The real program under a virtual X server, driven with the pointer and keys only.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <functional>

#include "art/Pages.h"
#include "engine/PageBitmap.h"
#include "engine/RegionFill.h"
#include "palette/CnColorGrid.h"
#include "palette/CnGridLayout.h"

namespace pintoola {
namespace {

using Clock = std::chrono::steady_clock;

bool WaitFor(const std::function<bool()>& ready, int ms) {
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  while (Clock::now() < end) {
    if (ready()) return true;
    QThread::msleep(100);
  }
  return ready();
}

// The bundled page the pages library lists first: it sorts names without regard to case.
const art::BundledPage& FirstBundledPage() {
  return *std::min_element(art::BundledPages().begin(), art::BundledPages().end(), [](const auto& a, const auto& b) {
    return a.fileName.compare(b.fileName, Qt::CaseInsensitive) < 0;
  });
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QProcess::execute("sh", {"-c", "command -v Xvfb && command -v xdotool"}) != 0)
      GTEST_SKIP() << "Xvfb or xdotool is not installed: the end-to-end test cannot run here";
    display = QString(":%1").arg(90 + (QCoreApplication::applicationPid() % 100));
    xvfb.start("Xvfb", {display, "-screen", "0", "1366x768x24", "-nolisten", "tcp"});
    const QString socket = "/tmp/.X11-unix/X" + display.mid(1);
    if (!xvfb.waitForStarted(5000) || !WaitFor([&] { return QFile::exists(socket); }, 10000))
      GTEST_SKIP() << "Xvfb could not start on " << display.toStdString();
    env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    env.remove("QT_QPA_PLATFORM");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
  }
  void TearDown() override {
    if (program.state() != QProcess::NotRunning) {
      program.kill();
      program.waitForFinished(5000);
    }
    if (xvfb.state() != QProcess::NotRunning) {
      xvfb.terminate();
      xvfb.waitForFinished(5000);
    }
  }

  QString Xdotool(const QStringList& args) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start("xdotool", args);
    p.waitForFinished(15000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
  }
  // The window with exactly this title, or empty.
  QString FindWindow(const QString& title) {
    const QStringList ids = Xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"}).split('\n');
    return ids.isEmpty() ? QString() : ids.last().trimmed();
  }
  bool WaitWindow(const QString& title, int ms = 20000) {
    return WaitFor([&] { return !FindWindow(title).isEmpty(); }, ms);
  }
  QPoint WindowOrigin(const QString& id) {
    const QString out = Xdotool({"getwindowgeometry", "--shell", id});
    int x = 0, y = 0;
    for (const QString& line : out.split('\n')) {
      if (line.startsWith("X=")) x = line.mid(2).toInt();
      if (line.startsWith("Y=")) y = line.mid(2).toInt();
    }
    return {x, y};
  }
  void Click(QPoint p, int repeat = 1) {
    Xdotool({"mousemove", QString::number(p.x()), QString::number(p.y())});
    QThread::msleep(150);
    QStringList args{"click"};
    if (repeat > 1) args << "--repeat" << QString::number(repeat) << "--delay" << "80";
    args << "1";
    Xdotool(args);
    QThread::msleep(400);
  }

  QString display;
  QProcess xvfb, program;
  QProcessEnvironment env;
};

TEST_F(EndToEnd, OpenColourUndoRecolourSaveAndExit) {
  QTemporaryDir dir;
  const QString folder = dir.path();
  const QString exe = QCoreApplication::applicationDirPath() + "/pintoola";
  ASSERT_TRUE(QFile::copy(exe, folder + "/pintoola"));
  QFile::setPermissions(folder + "/pintoola", QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
  // The pages the build drew, as an installed program has them.
  ASSERT_TRUE(QDir(folder).mkdir("images"));
  const QDir bundled(QCoreApplication::applicationDirPath() + "/images");
  for (const art::BundledPage& page : art::BundledPages())
    ASSERT_TRUE(QFile::copy(bundled.filePath(page.fileName), folder + "/images/" + page.fileName));
  const art::BundledPage& firstPage = FirstBundledPage();
  const std::string first = (folder + "/images/" + firstPage.fileName).toStdString();

  program.setProcessEnvironment(env);
  program.setWorkingDirectory("/");
  program.start(folder + "/pintoola", {});
  ASSERT_TRUE(program.waitForStarted(10000));
  ASSERT_TRUE(WaitWindow("Pintoola", 60000)) << "the main window did not appear";
  QThread::msleep(1500);

  // Open the pages library and confirm the first page by double clicking its tile.
  Click({42, 28});
  ASSERT_TRUE(WaitWindow("Coloring pages Library")) << "the pages library did not open";
  QThread::msleep(800);
  const QPoint lib = WindowOrigin(FindWindow("Coloring pages Library"));
  Click(lib + QPoint(60, 60), 2);
  ASSERT_TRUE(WaitFor([&] { return FindWindow("Coloring pages Library").isEmpty(); }, 10000));

  // Pick red in the palette: the grid sits at (1, 58) in the window.
  TCnColorGrid grid;
  grid.SetColCount(7);
  grid.SetRowCount(34);
  grid.SetDefaultColWidth(15);
  grid.SetDefaultRowHeight(15);
  grid.SetCustomRowCount(10);
  grid.SetCustomColCount(10);
  int redCell = -1;
  for (int i = 0; i < 7 * 34 && redCell < 0; ++i)
    if (grid.CellColor(i) == clRed) redCell = i;
  ASSERT_GE(redCell, 0);
  const TRect cell = CellRect(grid.Metrics(), redCell % 7, redCell / 7);
  const QPoint cellCentre = QPoint(1, 58) + grid.ClientRect().topLeft() +
                            QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
  Click(cellCentre);

  // The page view starts at (120, 61): fill inside an area of the page, undo, fill again.
  const QPoint inside = art::PageSeeds(firstPage).front();
  Click(QPoint(120, 61) + inside);
  Click({5 + 2 * 81 + 37, 28});  // undo
  Click(QPoint(120, 61) + inside);

  // Save, then close the saved notice with its OK button.
  Click({5 + 5 * 81 + 37, 28});
  ASSERT_TRUE(WaitWindow("Project image")) << "the saved notice did not appear";
  QThread::msleep(500);
  const QPoint notice = WindowOrigin(FindWindow("Project image"));
  Click(notice + QPoint(160 + 37, 40 + 12));
  ASSERT_TRUE(WaitFor([&] { return FindWindow("Project image").isEmpty(); }, 10000));

  // Exit, answering the question with its default button.
  Click({1366 - 2 - 3 - 37, 28});
  ASSERT_TRUE(WaitWindow("Confirm")) << "the exit question did not appear";
  QThread::msleep(500);
  const QString confirm = FindWindow("Confirm");
  Xdotool({"windowfocus", "--sync", confirm});
  Xdotool({"key", "--window", confirm, "Return"});
  ASSERT_TRUE(program.waitForFinished(20000)) << "the program did not end after the exit question";
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);

  // The project holds the page with exactly that area in red, and the red reaches the black lines
  // all round: no pixel of another colour lies between them.
  PageBitmap expected, saved;
  expected.LoadFromFile(first);
  FillRegion(expected, inside.x(), inside.y(), clRed, bsSolid);
  ASSERT_TRUE(QFile::exists(folder + "/Projects/Sketcha1.bmp")) << "no project was saved";
  EXPECT_FALSE(QFile::exists(folder + "/Projects/Sketcha2.bmp"));
  saved.LoadFromFile((folder + "/Projects/Sketcha1.bmp").toStdString());
  ASSERT_EQ(saved.Width(), expected.Width());
  ASSERT_EQ(saved.Height(), expected.Height());
  int differing = 0, red = 0, fringe = 0;
  for (int y = 0; y < saved.Height(); ++y)
    for (int x = 0; x < saved.Width(); ++x) {
      differing += saved.Pixels(x, y) != expected.Pixels(x, y);
      if (saved.Pixels(x, y) != clRed) continue;
      ++red;
      for (const QPoint n : {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
        const TColor c = saved.Pixels(n.x(), n.y());
        fringe += c != clRed && c != clBlack && c != -1;  // −1: beyond the page
      }
    }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(red, 1000);
  EXPECT_EQ(fringe, 0);
}

}  // namespace
}  // namespace pintoola
