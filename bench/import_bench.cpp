// The real pintoola-import of this build, one page per run, pinned to one core: wall time per page
// and the child's peak resident size (wait4's ru_maxrss), for an A4 scan at 300 dpi (a JPEG with
// uneven paper), a 1000-pixel PNG and a PDF page.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <chrono>

namespace {

// Circles and a grid of lines over the whole picture, `line` pixels wide, in `ink`.
void DrawLineArt(QPainter& painter, int width, int height, double line, QColor ink = Qt::black) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ink, line));
  painter.setBrush(Qt::NoBrush);
  for (int i = 1; i < 8; ++i) {
    painter.drawLine(QPointF(width * i / 8.0, 0), QPointF(width * i / 8.0, height));
    painter.drawLine(QPointF(0, height * i / 8.0), QPointF(width, height * i / 8.0));
  }
  for (int i = 0; i < 12; ++i)
    painter.drawEllipse(QPointF(width * (i % 4 + 0.5) / 4, height * (i / 4 + 0.5) / 3), width / 10.0, width / 10.0);
}

struct Fixtures {
  QTemporaryDir dir;
  QString scan, png, pdf;

  Fixtures() {
    // A4 at 300 dpi: 2480 x 3508, paper that darkens towards one corner, grain, grey lines.
    QImage page(2480, 3508, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(page.scanLine(y));
      for (int x = 0; x < page.width(); ++x) {
        const int v = 250 - 50 * (x + y) / (page.width() + page.height()) +
                      static_cast<int>(QRandomGenerator::global()->bounded(9)) - 4;
        row[x] = qRgb(v, v, v - 6);
      }
    }
    {
      QPainter painter(&page);
      DrawLineArt(painter, page.width(), page.height(), 7, QColor(50, 50, 50));
    }
    scan = dir.filePath("scan.jpg");
    page.save(scan, "JPEG", 85);

    QImage picture(1000, 1000, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
      QPainter painter(&picture);
      DrawLineArt(painter, 1000, 1000, 3);
    }
    png = dir.filePath("picture.png");
    picture.save(png, "PNG");

    pdf = dir.filePath("book.pdf");
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    DrawLineArt(painter, writer.width(), writer.height(), writer.width() / 300.0);
  }
};

Fixtures& Inputs() {
  static Fixtures fixtures;
  return fixtures;
}

void ImportOnce(benchmark::State& state, const QString& picture) {
  QTemporaryDir into;
  const QByteArray exe = PINTOOLA_IMPORT_EXE;
  const QByteArray folder = QFile::encodeName(into.path());
  const QByteArray file = QFile::encodeName(picture);
  long peakKb = 0;
  double cpu = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
      cpu_set_t one;
      CPU_ZERO(&one);
      CPU_SET(0, &one);
      sched_setaffinity(0, sizeof one, &one);
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, STDOUT_FILENO);
      execl(exe.constData(), exe.constData(), "--into", folder.constData(), file.constData(), nullptr);
      _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("pintoola-import failed");
      break;
    }
    peakKb = std::max(peakKb, usage.ru_maxrss);
    cpu += usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    for (const QString& name : QDir(into.path()).entryList(QDir::Files)) QFile::remove(into.filePath(name));
  }
  state.counters["peak_MB"] = peakKb / 1024.0;
  state.counters["cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

void BM_ImportA4Scan300Dpi(benchmark::State& state) { ImportOnce(state, Inputs().scan); }
void BM_ImportPng1000(benchmark::State& state) { ImportOnce(state, Inputs().png); }
void BM_ImportPdfPage(benchmark::State& state) { ImportOnce(state, Inputs().pdf); }

BENCHMARK(BM_ImportA4Scan300Dpi)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ImportPng1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ImportPdfPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
