// The real program under a virtual X server, driven with the pointer and keys only.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>

#include "art/Pages.h"
#include "engine/PageBitmap.h"
#include "support/XSession.h"

namespace pintoola {
namespace {

// The bundled page the pages library lists first: it sorts names without regard to case.
const art::BundledPage& FirstBundledPage() {
  return *std::min_element(art::BundledPages().begin(), art::BundledPages().end(), [](const auto& a, const auto& b) {
    return a.fileName.compare(b.fileName, Qt::CaseInsensitive) < 0;
  });
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const QString why = ui.Start(); !why.isEmpty())
      GTEST_SKIP() << why.toStdString() << ": the end-to-end test cannot run here";
  }
  void TearDown() override {
    if (program.state() != QProcess::NotRunning) {
      program.kill();
      program.waitForFinished(5000);
    }
  }

  // A copy of the built executable in `folder`, as an installed program has it.
  static void CopyExecutable(const QString& name, const QString& folder) {
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/" + name, folder + "/" + name));
    QFile::setPermissions(folder + "/" + name, QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
  }

  void StartProgram(const QString& folder) {
    QProcessEnvironment env = ui.Environment();
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    program.setProcessEnvironment(env);
    program.setWorkingDirectory("/");
    program.start(folder + "/pintoola", {});
    ASSERT_TRUE(program.waitForStarted(10000));
    ASSERT_TRUE(ui.WaitMainWindow());
  }

  void ExitProgram() {
    ASSERT_TRUE(ui.Exit());
    ASSERT_TRUE(program.waitForFinished(20000)) << "the program did not end after the exit question";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
  }

  XSession ui;
  QProcess program;
};

// Pixels coloured `colour` next to one that is neither that colour nor black: a pale fringe
// between the colour and its lines.
int Fringe(const QString& project, TColor colour) {
  PageBitmap saved;
  saved.LoadFromFile(project.toStdString());
  int fringe = 0;
  for (int y = 0; y < saved.Height(); ++y)
    for (int x = 0; x < saved.Width(); ++x) {
      if (saved.Pixels(x, y) != colour) continue;
      for (const QPoint n : {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
        const TColor c = saved.Pixels(n.x(), n.y());
        fringe += c != colour && c != clBlack && c != -1;  // −1: beyond the page
      }
    }
  return fringe;
}

TEST_F(EndToEnd, OpenColourUndoRecolourSaveAndExit) {
  QTemporaryDir dir;
  const QString folder = dir.path();
  CopyExecutable("pintoola", folder);
  // The pages the build drew, as an installed program has them.
  ASSERT_TRUE(QDir(folder).mkdir("images"));
  const QDir bundled(QCoreApplication::applicationDirPath() + "/images");
  for (const art::BundledPage& page : art::BundledPages())
    ASSERT_TRUE(QFile::copy(bundled.filePath(page.fileName), folder + "/images/" + page.fileName));
  const art::BundledPage& firstPage = FirstBundledPage();
  const QString first = folder + "/images/" + firstPage.fileName;

  StartProgram(folder);
  if (HasFatalFailure()) return;

  // Fill an area of the first page in red, undo and save: the project is the untouched page. Then
  // fill again and save.
  ASSERT_TRUE(ui.OpenFirstPage());
  ASSERT_TRUE(ui.PickColour(clRed));
  const QPoint inside = art::PageSeeds(firstPage).front();
  ui.ClickPage(inside);
  ui.Undo();
  ASSERT_TRUE(ui.SaveProject());
  EXPECT_TRUE(SavedUnchanged(folder + "/Projects/Sketcha1.bmp", first));
  ui.ClickPage(inside);
  ASSERT_TRUE(ui.SaveProject());
  ExitProgram();

  // The project holds the page with exactly that area in red, and the red reaches the black lines
  // all round: no pixel of another colour lies between them.
  const QString project = folder + "/Projects/Sketcha2.bmp";
  EXPECT_TRUE(SavedWithFill(project, first, inside, clRed, 1000));
  EXPECT_FALSE(QFile::exists(folder + "/Projects/Sketcha3.bmp"));
  EXPECT_EQ(Fringe(project, clRed), 0);
}

// A picture as a parent finds one: soft anti-aliased lines, larger than a page, a break in its
// outline. Imported with the real importer into the pages beside the program, it opens in the pages
// library and an area fills up to its lines all round and no further.
TEST_F(EndToEnd, ImportedPictureOpensAndFillsToItsLines) {
  QTemporaryDir dir;
  const QString folder = dir.path();
  CopyExecutable("pintoola", folder);
  CopyExecutable("pintoola-import", folder);
  ASSERT_TRUE(QDir(folder).mkdir("images"));
  QImage picture(1200, 900, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(30, 30, 30), 9));
    painter.drawArc(QRectF(300, 150, 600, 600), 0, 5740);  // all but 1 degree: a break of about 5 px
    painter.drawLine(QPointF(600, 150), QPointF(600, 750));
  }
  ASSERT_TRUE(picture.save(folder + "/circle.png"));

  QProcess import;
  QProcessEnvironment importEnv = QProcessEnvironment::systemEnvironment();
  importEnv.insert("ASAN_OPTIONS", "detect_leaks=0");
  import.setProcessEnvironment(importEnv);
  import.start(folder + "/pintoola-import", {folder + "/circle.png"});
  ASSERT_TRUE(import.waitForFinished(60000));
  ASSERT_EQ(import.exitCode(), 0) << import.readAllStandardError().toStdString();
  const QString page = folder + "/images/circle.bmp";
  ASSERT_TRUE(QFile::exists(page)) << import.readAllStandardOutput().toStdString();
  PageBitmap written;
  written.LoadFromFile(page.toStdString());
  // Right of the dividing line, in the half whose outline has the break.
  const QPoint inside(written.Width() * 750 / 1200, written.Height() / 2);
  const QPoint outside(2, 2);

  StartProgram(folder);
  if (HasFatalFailure()) return;
  ASSERT_TRUE(ui.OpenFirstPage());
  ASSERT_TRUE(ui.PickColour(clRed));
  ui.ClickPage(inside);
  ASSERT_TRUE(ui.SaveProject());
  ExitProgram();

  const QString project = folder + "/Projects/Sketcha1.bmp";
  EXPECT_TRUE(SavedWithFill(project, page, inside, clRed, 1000));
  EXPECT_EQ(Fringe(project, clRed), 0);
  PageBitmap saved;
  saved.LoadFromFile(project.toStdString());
  EXPECT_EQ(saved.Pixels(outside.x(), outside.y()), clWhite) << "the fill leaked out of the circle";
  EXPECT_EQ(saved.Pixels(written.Width() * 450 / 1200, written.Height() / 2), clWhite)
      << "the fill leaked across the dividing line";
}

}  // namespace
}  // namespace pintoola
