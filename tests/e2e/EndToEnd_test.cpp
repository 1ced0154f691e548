// The real program under a virtual X server, driven with the pointer and keys only.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
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

  XSession ui;
  QProcess program;
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
  const QString first = folder + "/images/" + firstPage.fileName;

  QProcessEnvironment env = ui.Environment();
  env.insert("ASAN_OPTIONS", "detect_leaks=0");
  program.setProcessEnvironment(env);
  program.setWorkingDirectory("/");
  program.start(folder + "/pintoola", {});
  ASSERT_TRUE(program.waitForStarted(10000));
  ASSERT_TRUE(ui.WaitMainWindow());

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

  ASSERT_TRUE(ui.Exit());
  ASSERT_TRUE(program.waitForFinished(20000)) << "the program did not end after the exit question";
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);

  // The project holds the page with exactly that area in red, and the red reaches the black lines
  // all round: no pixel of another colour lies between them.
  const QString project = folder + "/Projects/Sketcha2.bmp";
  EXPECT_TRUE(SavedWithFill(project, first, inside, clRed, 1000));
  EXPECT_FALSE(QFile::exists(folder + "/Projects/Sketcha3.bmp"));
  PageBitmap saved;
  saved.LoadFromFile(project.toStdString());
  int fringe = 0;
  for (int y = 0; y < saved.Height(); ++y)
    for (int x = 0; x < saved.Width(); ++x) {
      if (saved.Pixels(x, y) != clRed) continue;
      for (const QPoint n : {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
        const TColor c = saved.Pixels(n.x(), n.y());
        fringe += c != clRed && c != clBlack && c != -1;  // −1: beyond the page
      }
    }
  EXPECT_EQ(fringe, 0);
}

}  // namespace
}  // namespace pintoola
