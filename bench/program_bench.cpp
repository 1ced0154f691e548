// The real program's memory over a long colouring session: the executable of this build under a
// virtual X server, driven by pointer events only (as the end-to-end test drives it). A page of
// 250-pixel cells is opened from the pages library, then every fill click is preceded by a click
// on another palette colour. Reports the resident size after the page opened and after the clicks.
// PINTOOLA_PROGRAM names another executable to measure (an older build, for comparison).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <fstream>
#include <functional>

#include "app/frmMain.h"
#include "bench/Resident.h"
#include "engine/PageBitmap.h"
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

// CPU time of a process, in clock ticks.
long CpuTicks(qint64 pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string field;
  long ticks = 0;
  for (int i = 1; i <= 15 && stat >> field; ++i)
    if (i == 14 || i == 15) ticks += std::stol(field);
  return ticks;
}

constexpr int kCell = 250;

void WriteCellPage(const std::string& path, int w, int h) {
  PageBitmap page;
  page.SetSize(w, h, clWhite);
  PageWriter writer(page);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = writer.ScanLine(y);
    for (int x = 0; x < w; ++x)
      if (y % kCell < 3 || x % kCell < 3) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = 0;
  }
  writer.Commit();
  page.SaveToFile(path);
}

class Desktop {
 public:
  bool Start() {
    display_ = QString(":%1").arg(150 + QCoreApplication::applicationPid() % 100);
    xvfb_.start("Xvfb", {display_, "-screen", "0", "2560x1440x24", "-nolisten", "tcp"});
    env_ = QProcessEnvironment::systemEnvironment();
    env_.insert("DISPLAY", display_);
    env_.remove("QT_QPA_PLATFORM");
    return xvfb_.waitForStarted(5000) &&
           WaitFor([&] { return QFile::exists("/tmp/.X11-unix/X" + display_.mid(1)); }, 10000);
  }
  ~Desktop() {
    xvfb_.terminate();
    xvfb_.waitForFinished(5000);
  }
  QString Xdotool(const QStringList& args) const {
    QProcess p;
    p.setProcessEnvironment(env_);
    p.start("xdotool", args);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
  }
  bool HasWindow(const QString& title) const {
    return !Xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"}).isEmpty();
  }
  const QProcessEnvironment& Env() const { return env_; }

 private:
  QString display_;
  QProcess xvfb_;
  QProcessEnvironment env_;
};

// Waits until the process has used no CPU for half a second: the queued events are done.
void WaitIdle(qint64 pid) {
  long last = -1;
  for (int i = 0; i < 600; ++i) {
    const long now = CpuTicks(pid);
    if (now == last) return;
    last = now;
    QThread::msleep(500);
  }
}

// Centres of palette cells away from white, in screen coordinates (the grid sits at (1, 58)).
std::vector<QPoint> PaletteCells() {
  TCnColorGrid grid;
  SetUpPalette(grid);
  std::vector<QPoint> cells;
  for (int i = 0; i < 7 * 20; ++i) {
    if (grid.CellColor(i) == clWhite) continue;
    const TRect r = CellRect(grid.Metrics(), i % 7, i / 7);
    cells.push_back(QPoint(1, 58) + grid.ClientRect().topLeft() + QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  }
  return cells;
}

void BM_ProgramSession(benchmark::State& state) {
  const int clicks = static_cast<int>(state.range(0)), w = 1920, h = 1080;
  const QByteArray other = qgetenv("PINTOOLA_PROGRAM");
  const QString exe = other.isEmpty() ? QCoreApplication::applicationDirPath() + "/pintoola" : QString(other);
  if (QProcess::execute("sh", {"-c", "command -v Xvfb && command -v xdotool"}) != 0) {
    state.SkipWithError("Xvfb and xdotool are needed");
    return;
  }
  for (auto _ : state) {
    Desktop desktop;
    QTemporaryDir dir;
    if (!desktop.Start() || !QFile::copy(exe, dir.path() + "/pintoola") || !QDir(dir.path()).mkdir("images")) {
      state.SkipWithError("no desktop or no program to start");
      return;
    }
    WriteCellPage((dir.path() + "/images/cells.bmp").toStdString(), w, h);
    QProcess program;
    program.setProcessEnvironment(desktop.Env());
    program.start(dir.path() + "/pintoola", {});
    if (!program.waitForStarted(10000) || !WaitFor([&] { return desktop.HasWindow("Pintoola"); }, 60000)) {
      state.SkipWithError("the program did not start");
      return;
    }
    QThread::msleep(1500);
    desktop.Xdotool({"mousemove", "42", "28", "click", "1"});  // "Open a new coloring page..."
    if (!WaitFor([&] { return desktop.HasWindow("Coloring pages Library"); }, 20000)) {
      state.SkipWithError("the pages library did not open");
      return;
    }
    QThread::msleep(800);
    desktop.Xdotool({"search", "--onlyvisible", "--name", "^Coloring pages Library$", "mousemove", "--window", "%1",
                     "60", "60", "click", "--repeat", "2", "--delay", "80", "1"});
    WaitFor([&] { return !desktop.HasWindow("Coloring pages Library"); }, 10000);
    WaitIdle(program.processId());
    const std::string pid = std::to_string(program.processId());
    const double opened = ResidentBytes(pid) / (1 << 20);

    // Batches of palette-then-page clicks, each in one xdotool call. Consecutive page clicks land
    // in different cells, so no two make a double click.
    const std::vector<QPoint> palette = PaletteCells();
    const int cols = w / kCell, rows = h / kCell;
    const auto start = Clock::now();
    for (int done = 0; done < clicks;) {
      QStringList args;
      for (int i = 0; i < 50 && done < clicks; ++i, ++done) {
        const QPoint colour = palette[static_cast<size_t>(done * 11) % palette.size()];
        const int cell = done * 5 % (cols * rows);
        const QPoint at(120 + cell % cols * kCell + kCell / 2, 61 + cell / cols * kCell + kCell / 2);
        args << "mousemove" << QString::number(colour.x()) << QString::number(colour.y()) << "click" << "1";
        args << "mousemove" << QString::number(at.x()) << QString::number(at.y()) << "click" << "1";
      }
      desktop.Xdotool(args);
      WaitIdle(program.processId());
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double after = ResidentBytes(pid) / (1 << 20);
    state.counters["rss_page_open_MiB"] = opened;
    state.counters["rss_after_clicks_MiB"] = after;
    state.counters["per_click_KiB"] = (after - opened) * 1024.0 / clicks;
    state.counters["session_s"] = seconds;
    program.kill();
    program.waitForFinished(5000);
  }
}
BENCHMARK(BM_ProgramSession)->Arg(1000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace pintoola

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");  // for the palette's metrics; the program gets the X server
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
