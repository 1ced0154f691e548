// Every bundled page through the routine under the print command, to PDF on A4 and on Letter in
// portrait, at two printer resolutions; each sheet is rendered back to see where the page landed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPageSize>
#include <QProcess>
#include <QTemporaryDir>

#include "art/Pages.h"
#include "engine/PageBitmap.h"
#include "platform/Printing.h"

namespace pintoola::art {
namespace {

constexpr int kScreenDpi = 96;  // the main window's pixels per inch on a standard screen
constexpr qreal kMargin = 0.25;  // inches: the printable area a print queue leaves by default
constexpr int kBand = 16;        // page pixels along each edge marked red, so the edges show on paper
constexpr int kRenderDpi = 36;   // the sheet rendered back: the band is at least 5 pixels wide there

// The page with a red band inside its four edges. Pixels are 24-bit BGR.
void MarkEdges(PageBitmap& page) {
  PageWriter writer(page);
  for (int y = 0; y < page.Height(); ++y) {
    uint8_t* row = writer.ScanLine(y);
    for (int x = 0; x < page.Width(); ++x)
      if (x < kBand || y < kBand || x >= page.Width() - kBand || y >= page.Height() - kBand) {
        row[3 * x] = 0;
        row[3 * x + 1] = 0;
        row[3 * x + 2] = 255;
      }
  }
  writer.Commit();
}

// Where the red band lies on the rendered sheet, and whether the drawing shows inside it.
struct Landing {
  QRect red;
  int inkInside = 0;
};

Landing Measure(const QImage& sheet) {
  Landing l;
  for (int y = 0; y < sheet.height(); ++y)
    for (int x = 0; x < sheet.width(); ++x) {
      const QColor c = sheet.pixelColor(x, y);
      if (c.red() > 160 && c.green() < 160 && c.blue() < 160) l.red |= QRect(x, y, 1, 1);
    }
  for (int y = l.red.top(); y <= l.red.bottom(); ++y)
    for (int x = l.red.left(); x <= l.red.right(); ++x) l.inkInside += qGray(sheet.pixel(x, y)) < 96;
  return l;
}

TEST(PrintedBundledPages, LandWholeOnA4AndLetterInPortrait) {
  if (QProcess::execute("sh", {"-c", "command -v pdftoppm >/dev/null"}) != 0) GTEST_SKIP() << "pdftoppm is missing";
  struct Paper {
    const char* name;
    QPageSize::PageSizeId id;
  };
  const Paper papers[] = {{"A4", QPageSize::A4}, {"Letter", QPageSize::Letter}};
  // 300 dots per inch is a common printer's; at 576, a whole multiple of 96, the scale has no
  // remainder to drop and the page prints at its largest.
  const int resolutions[] = {300, 576};

  struct Job {
    QString page, pdf;
    QSize size;
    const Paper* paper;
    int dpi;
  };
  std::vector<Job> jobs;
  QTemporaryDir dir;
  for (const BundledPage& bundled : BundledPages()) {
    PageBitmap page;
    page.LoadFromFile((QCoreApplication::applicationDirPath() + "/images/" + bundled.fileName).toStdString());
    ASSERT_FALSE(page.Empty()) << bundled.fileName.toStdString();
    MarkEdges(page);
    for (const Paper& paper : papers)
      for (int dpi : resolutions) {
        const QString pdf = dir.filePath(QStringLiteral("%1-%2-%3.pdf").arg(jobs.size()).arg(paper.name).arg(dpi));
        TPrinter printer;
        QPrinter& device = printer.Device();
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setResolution(dpi);
        device.setPageSize(QPageSize(paper.id));
        device.setPageOrientation(QPageLayout::Portrait);
        device.setPageMargins(QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Inch);
        device.setOutputFileName(pdf);
        PrintPage(printer, page, kScreenDpi);
        jobs.push_back({bundled.fileName, pdf, QSize(page.Width(), page.Height()), &paper, dpi});
      }
  }
  // One renderer run for all sheets.
  QStringList script;
  for (const Job& job : jobs)
    script << QStringLiteral("pdftoppm -r %1 -png -singlefile '%2' '%2' || exit 1").arg(kRenderDpi).arg(job.pdf);
  ASSERT_EQ(QProcess::execute("sh", {"-c", script.join('\n')}), 0);

  for (const Job& job : jobs) {
    SCOPED_TRACE(QStringLiteral("%1 on %2 at %3 dpi").arg(job.page, job.paper->name).arg(job.dpi).toStdString());
    const QImage sheet(job.pdf + ".png");
    ASSERT_FALSE(sheet.isNull());
    const QSizeF paper = QPageSize(job.paper->id).size(QPageSize::Inch);
    EXPECT_NEAR(sheet.width(), paper.width() * kRenderDpi, 1);
    EXPECT_NEAR(sheet.height(), paper.height() * kRenderDpi, 1);

    // The page lands at the printable area's corner, a whole number of printer dots per pixel.
    const int scale = job.dpi / kScreenDpi;
    const qreal right = (kMargin + qreal(job.size.width()) * scale / job.dpi) * kRenderDpi;
    const qreal bottom = (kMargin + qreal(job.size.height()) * scale / job.dpi) * kRenderDpi;
    const Landing landing = Measure(sheet);
    ASSERT_FALSE(landing.red.isEmpty());
    EXPECT_NEAR(landing.red.left(), kMargin * kRenderDpi, 1);
    EXPECT_NEAR(landing.red.top(), kMargin * kRenderDpi, 1);
    // Its right and bottom edges are on the sheet where the scale puts them, not cut at the
    // paper's edge, and within the printable area.
    EXPECT_NEAR(landing.red.right() + 1, right, 1);
    EXPECT_NEAR(landing.red.bottom() + 1, bottom, 1);
    EXPECT_LE(landing.red.right() + 1, (paper.width() - kMargin) * kRenderDpi);
    EXPECT_LE(landing.red.bottom() + 1, (paper.height() - kMargin) * kRenderDpi);
    EXPECT_GT(landing.inkInside, 0);
  }
}

}  // namespace
}  // namespace pintoola::art
