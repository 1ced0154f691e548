// The real program under a virtual X server, driven with the pointer and keys only.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "engine/PageBitmap.h"
#include "support/XSession.h"

namespace pintoola {
namespace {

// Two closed boxes on white: a fill inside one must not reach the other.
void WritePage(const std::string& path, int w, int h, int inset) {
  PageBitmap page;
  page.SetSize(w, h, clWhite);
  BitmapImage* img = page.BeginDraw();
  auto box = [&](int l, int t, int r, int b) {
    for (int y = t; y <= b; ++y)
      for (int x = l; x <= r; ++x) {
        if (x > l + 2 && x < r - 2 && y > t + 2 && y < b - 2) continue;
        uint8_t* p = img->Row(y) + 3 * x;
        p[0] = p[1] = p[2] = 0;
      }
  };
  box(inset, inset, w / 2 - 5, h - inset);
  box(w / 2 + 5, inset, w - inset, h - inset);
  page.SaveToFile(path);
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
  ASSERT_TRUE(QDir(folder).mkdir("images"));
  const std::string first = (folder + "/images/a_first.bmp").toStdString();
  WritePage(first, 300, 200, 10);
  WritePage((folder + "/images/b_second.bmp").toStdString(), 240, 160, 20);

  QProcessEnvironment env = ui.Environment();
  env.insert("ASAN_OPTIONS", "detect_leaks=0");
  program.setProcessEnvironment(env);
  program.setWorkingDirectory("/");
  program.start(folder + "/pintoola", {});
  ASSERT_TRUE(program.waitForStarted(10000));
  ASSERT_TRUE(ui.WaitMainWindow());

  // Fill inside the left box in red, undo, fill again, save.
  ASSERT_TRUE(ui.OpenFirstPage());
  ASSERT_TRUE(ui.PickColour(clRed));
  const QPoint inside(60, 80);
  ui.ClickPage(inside);
  ui.Undo();
  ui.ClickPage(inside);
  ASSERT_TRUE(ui.SaveProject());

  ASSERT_TRUE(ui.Exit());
  ASSERT_TRUE(program.waitForFinished(20000)) << "the program did not end after the exit question";
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);

  // The project holds the page with exactly the box's inside in red.
  EXPECT_TRUE(
      SavedWithFill(folder + "/Projects/Sketcha1.bmp", QString::fromStdString(first), inside, clRed, 10000));
  EXPECT_FALSE(QFile::exists(folder + "/Projects/Sketcha2.bmp"));
}

}  // namespace
}  // namespace pintoola
