// The real program follows the session's language; signatures in any script are stamped.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/signFrm.h"
#include "engine/PageBitmap.h"
#include "platform/DrawSurface.h"
#include "platform/Files.h"
#include "platform/TextStamp.h"
#include "support/XSession.h"

namespace pintoola::testing {
namespace {

// The exit button at the toolbar's right end on the session's 1366-pixel-wide screen.
const QPoint kExitButton{1366 - 2 - 3 - 37, 28};

struct SessionCase {
  const char* lang;
  const char* title;  // of the exit question
  const char* yes;    // the keys of its buttons
  const char* no;
  const char* foreignYes;  // the other language's Yes key, which must do nothing here
};

// The exit question of the real program, read from outside as a user meets it: its title, and its
// buttons by their keys (Qt 6.4 on X11 offers no way to read a message box's text from outside; the
// in-process window tests check that text in every language).
class ExitQuestion : public ::testing::TestWithParam<SessionCase> {
 protected:
  void SetUp() override {
    if (const QString why = ui.Start(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
  }
  void TearDown() override {
    if (program.state() != QProcess::NotRunning) {
      program.kill();
      program.waitForFinished(5000);
    }
  }

  // Asks to exit and answers with Alt and `key`; true when the question was there to answer.
  bool AskAndPress(const QString& title, const char* key) {
    ui.Click(kExitButton);
    if (!ui.WaitWindow(title)) return false;
    QThread::msleep(500);
    ui.Xdotool({"windowfocus", "--sync", ui.FindWindow(title)});
    ui.Xdotool({"key", QStringLiteral("alt+") + key});
    QThread::msleep(800);
    return true;
  }

  XSession ui;
  QProcess program;
};

TEST_P(ExitQuestion, SpeaksTheSessionsLanguage) {
  const SessionCase& c = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/pintoola", dir.filePath("pintoola")));
  QFile::setPermissions(dir.filePath("pintoola"), QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);

  QProcessEnvironment env = ui.Environment();
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
  env.insert("LANG", c.lang);
  env.insert("ASAN_OPTIONS", "detect_leaks=0");
  program.setProcessEnvironment(env);
  program.start(dir.filePath("pintoola"), {});
  ASSERT_TRUE(program.waitForStarted(10000));
  ASSERT_TRUE(ui.WaitMainWindow());

  const QString title = QString::fromUtf8(c.title);
  ASSERT_TRUE(AskAndPress(title, c.foreignYes)) << "no exit question titled " << c.title;
  EXPECT_FALSE(ui.FindWindow(title).isEmpty()) << "the key " << c.foreignYes << " answered the question";
  ui.Xdotool({"key", QStringLiteral("alt+") + c.no});
  ASSERT_TRUE(WaitFor([&] { return ui.FindWindow(title).isEmpty(); }, 5000)) << "No has the key " << c.no;
  EXPECT_EQ(program.state(), QProcess::Running) << "No leaves the program running";

  ASSERT_TRUE(AskAndPress(title, c.yes));
  ASSERT_TRUE(program.waitForFinished(20000)) << "Yes has the key " << c.yes;
  EXPECT_EQ(program.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, ExitQuestion,
                         ::testing::Values(SessionCase{"de_DE.UTF-8", "Frage", "j", "n", "y"},
                                           SessionCase{"C", "Confirm", "y", "n", "j"}),
                         [](const auto& info) { return std::string(info.param.title); });

// ---- signatures in other scripts ----------------------------------------------------------------

TEST(Signature, NamesInOtherScriptsAreTakenAndStampedWithTheProgramsFont) {
  QTemporaryDir dir;
  SetExeFolderForTesting(dir.path().toStdString() + "/");
  InstallArtwork();
  CreateWindows();
  const QFont font = ToQFont(TFontSpec{});
  for (const char* name : {"Łucja", "Зоя", "Zoë"}) {
    const QString text = QString::fromUtf8(name);
    SCOPED_TRACE(name);
    Form4->edt1->clear();
    Form4->edt1->setFocus();
    // Typed on a keyboard of that script: key events that carry their letter as text.
    for (QChar letter : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(letter));
      QCoreApplication::sendEvent(Form4->edt1, &press);
      QCoreApplication::sendEvent(Form4->edt1, &release);
    }
    ASSERT_EQ(Form4->SignatureText(), text);
    // The font the stamp uses has every letter: nothing is drawn as an empty box.
    for (char32_t letter : text.toStdU32String())
      EXPECT_TRUE(QFontMetrics(font).inFontUcs4(letter)) << "no glyph for U+" << std::hex << unsigned(letter);

    PageBitmap page;
    page.SetSize(120, 40, clWhite);
    page.Canvas().font.name = Form4->dlgFont1.name.toStdString();
    page.Canvas().font.size = 14;
    page.Canvas().font.color = clBlack;
    page.Canvas().brushColor = clWhite;
    StampText(page, 4, 4, Form4->SignatureText().toStdU32String(), 96);
    int ink = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 120; ++x) ink += page.Pixels(x, y) == clBlack;
    EXPECT_GT(ink, 20) << "the name left no ink on the page";
  }
  DestroyWindows();
  SetExeFolderForTesting("");
}

}  // namespace
}  // namespace pintoola::testing
