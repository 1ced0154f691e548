#include <sys/stat.h>

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <fstream>
#include <set>

#include "app/ProjectStore.h"
#include "engine/RegionFill.h"
#include "platform/Image.h"
#include "platform/PageImage.h"
#include "tests/app/AppFixture.h"

namespace pintoola::testing {
namespace {

class Commands : public AppTest {
 protected:
  PageBitmap& Page() { return form->image2->Picture(); }
  void LoadPage(const std::string& name, int w, int h, TColor (*colour)(int, int)) {
    WriteBmp(base + "images/" + name, w, h, colour);
    form->CurrentPageFile = base + "images/" + name;
    Page().LoadFromFile(form->CurrentPageFile);
  }
  static TColor Stripes(int x, int) { return x % 4 == 0 ? clBlack : clWhite; }
  static TColor Greys(int x, int) { return RGB(100 + x, 128, 200); }
  bool Exists(const std::string& name) const { return FileExists(base + "Projects/" + name); }
  int SavedNotices = 0;
  // The save button, with its notice answered.
  void SaveWithNotice() {
    WithWindow(
        Form5,
        [this] {
          ++SavedNotices;
          Form5->done(mrOk);
        },
        [this] { form->btn24Click(); });
  }
  // The button of the pages (Form2) or the projects library, with the dialog answered by `answer`.
  void OpenFromLibrary(QDialog* library, std::function<void()> answer) {
    WithWindow(library, std::move(answer), [this, library] {
      if (library == Form2)
        form->btn1Click();
      else
        form->btn4Click();
    });
  }
};

TEST_F(Commands, SavesNumberedProjectsReusingGapsAndShowsTheNotice) {
  LoadPage("page.bmp", 5, 4, Stripes);
  SaveWithNotice();
  EXPECT_TRUE(Exists("Sketcha1.bmp"));
  EXPECT_EQ(SavedNotices, 1);
  std::ofstream(base + "Projects/Sketcha2.bmp") << "someone else's";
  std::ofstream(base + "Projects/Sketcha4.bmp") << "someone else's";
  SaveWithNotice();
  EXPECT_TRUE(Exists("Sketcha3.bmp"));
  EXPECT_EQ(SavedNotices, 2);
  PageBitmap saved;
  saved.LoadFromFile(base + "Projects/Sketcha3.bmp");
  for (int x = 0; x < 5; ++x) EXPECT_EQ(saved.Pixels(x, 0), Stripes(x, 0));
  std::ifstream other(base + "Projects/Sketcha2.bmp");
  std::string text;
  std::getline(other, text);
  EXPECT_EQ(text, "someone else's");
  EXPECT_TRUE(messages.empty());
}

TEST_F(Commands, AFolderWithTheFirstNameFailsTheSave) {
  LoadPage("page.bmp", 5, 4, Stripes);
  ASSERT_EQ(mkdir((base + "Projects/Sketcha1.bmp").c_str(), 0777), 0);
  EXPECT_THROW(WithoutWindow(Form5, [this] { form->btn24Click(); }), EPintoolaError);
  EXPECT_FALSE(Exists("Sketcha2.bmp"));
}

TEST(ProjectStore, NextFreeFileNameFindsTheFirstGap) {
  const struct {
    std::vector<int> existing;
    int expected;
  } cases[] = {{{}, 1}, {{1, 3}, 2}, {{1, 2, 4}, 3}, {{2, 4}, 1}, {{1, 2, 3, 4}, 5}};
  for (const auto& c : cases) {
    QTemporaryDir dir;
    const std::string prefix = dir.path().toStdString() + "/Sketcha";
    for (int n : c.existing) std::ofstream(prefix + std::to_string(n) + ".bmp") << "x";
    EXPECT_EQ(NextFreeFileName(prefix, ".bmp", true), prefix + std::to_string(c.expected) + ".bmp") << c.expected;
  }
  QTemporaryDir dir;
  const std::string prefix = dir.path().toStdString() + "/Sketcha";
  std::ofstream(prefix + "1.bmp") << "x";
  std::ofstream(prefix + "3.bmp") << "x";
  EXPECT_EQ(NextFreeFileName(prefix, ".bmp", false), prefix + ".bmp");
  std::ofstream(prefix + ".bmp") << "x";
  EXPECT_EQ(NextFreeFileName(prefix, ".bmp", false), prefix + "2.bmp");
}

TEST(ProjectStore, AProjectThatAppearsMeanwhileIsNeverOverwritten) {
  QTemporaryDir dir;
  const std::string prefix = dir.path().toStdString() + "/Sketcha";
  PageBitmap page;
  page.SetSize(3, 2, clRed);
  EXPECT_EQ(SaveProject(page, prefix, ".bmp"), prefix + "1.bmp");
  EXPECT_EQ(SaveProject(page, prefix, ".bmp"), prefix + "2.bmp");
  // No temporary file is left behind.
  int files = 0;
  for (const auto& e : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) files += !e.isEmpty();
  EXPECT_EQ(files, 2);
}

TEST_F(Commands, EmptyPageCommands) {
  form->btn24Click();
  form->btn25Click();
  form->btn11Click();
  form->btn23Click();
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(QDir(QString::fromStdString(base + "Projects")).isEmpty());
  QGuiApplication::clipboard()->setText("before");
  form->btn13Click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "No image to copy !");
  EXPECT_EQ(messages[0].caption, "Warning");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
}

TEST_F(Commands, CopyPutsAnIndependentImageOnTheClipboard) {
  LoadPage("page.bmp", 5, 4, Stripes);
  form->btn13Click();
  PageWriter writer(Page());
  writer.ScanLine(0)[0] = 0x12;  // a later change must not reach the clipboard
  writer.Commit();
  const QImage copied = QGuiApplication::clipboard()->image();
  ASSERT_EQ(copied.size(), QSize(5, 4));
  EXPECT_EQ(copied.pixelColor(0, 0), QColor(0, 0, 0));
  EXPECT_EQ(copied.pixelColor(1, 0), QColor(255, 255, 255));
}

TEST_F(Commands, CloseResetAndUndoWorkTogether) {
  LoadPage("page.bmp", 5, 4, Stripes);
  form->SelectedColor = clRed;
  form->UndoHistory.PushUndo(Page());
  FillRegion(Page(), 1, 1, clRed, bsSolid);
  form->btn23Click();
  EXPECT_TRUE(form->image2->PageEmpty());
  EXPECT_FALSE(form->CurrentPageFile.empty());
  form->btn22Click();  // reset brings the closed page back from its file
  EXPECT_EQ(Page().Pixels(1, 1), clWhite);
  form->btn23Click();
  form->btn20Click();  // undo after close brings the last snapshot back
  EXPECT_EQ(Page().Pixels(1, 1), clWhite);
  EXPECT_EQ(Page().Width(), 5);
  EXPECT_TRUE(form->UndoHistory.Empty());
}

TEST_F(Commands, ResetOfAFileThatHasGoneKeepsThePage) {
  LoadPage("page.bmp", 5, 4, Stripes);
  std::remove(form->CurrentPageFile.c_str());
  EXPECT_THROW(form->btn22Click(), EPintoolaError);
  EXPECT_EQ(Page().Width(), 5);
}

TEST_F(Commands, FixImagePushesChannelsApartWithoutASnapshot) {
  LoadPage("page.bmp", 5, 4, Greys);
  form->btn11Click();
  EXPECT_EQ(Page().Pixels(0, 0), RGB(17, 130, 255));
  EXPECT_EQ(Page().Pixels(4, 0), RGB(33, 130, 255));
  EXPECT_TRUE(form->UndoHistory.Empty());
}

TEST_F(Commands, ExitQuestionDecidesWhetherTheWindowCloses) {
  LoadPage("page.bmp", 5, 4, Stripes);
  form->show();
  answer = mrNo;
  form->btn19Click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Do you want to exit Pintoola ?");
  EXPECT_EQ(messages[0].caption, "Confirm");
  EXPECT_EQ(messages[0].defaultResult, mrYes);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Page().Width(), 5);
  for (const auto& [given, closes] : {std::pair{mrYes, true}, std::pair{mrNo, false}, std::pair{mrCancel, false}, std::pair{mrNone, false}}) {
    answer = given;
    EXPECT_EQ(form->FormCloseQuery(), closes) << given;
  }
}

TEST_F(Commands, OpeningFromTheLibrarySetsTheFileBeforeReading) {
  WriteBmp(base + "images/a.bmp", 6, 3, Stripes);
  OpenFromLibrary(Form2, [] { Form2->done(mrOk); });
  EXPECT_EQ(form->CurrentPageFile, base + "images/a.bmp");
  EXPECT_EQ(Page().Width(), 6);
  form->CurrentPageFile = "kept";
  OpenFromLibrary(Form2, [] { Form2->done(mrCancel); });
  EXPECT_EQ(form->CurrentPageFile, "kept");
}

}  // namespace
}  // namespace pintoola::testing

#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "styled/cyBitBtn.h"
#include "support/PrintedSheet.h"

namespace pintoola::testing {
namespace {

TEST(ProjectStore, SavesRacingFromTwoWritersNeverLoseAProject) {
  QTemporaryDir dir;
  const std::string prefix = dir.path().toStdString() + "/Sketcha";
  constexpr int kEach = 25;
  auto writer = [&](TColor colour, std::vector<std::string>& names) {
    PageBitmap page;
    page.SetSize(64, 48, colour);
    for (int i = 0; i < kEach; ++i) names.push_back(SaveProject(page, prefix, ".bmp"));
  };
  std::vector<std::string> red, blue;
  std::thread a(writer, clRed, std::ref(red));
  std::thread b(writer, clBlue, std::ref(blue));
  a.join();
  b.join();
  std::set<std::string> all(red.begin(), red.end());
  all.insert(blue.begin(), blue.end());
  EXPECT_EQ(all.size(), 2u * kEach) << "no name was handed out twice";
  // Every project holds exactly what its writer saved: none was overwritten by the other.
  for (const auto& [names, colour] : {std::pair{&red, clRed}, std::pair{&blue, clBlue}})
    for (const std::string& name : *names) {
      PageBitmap saved;
      saved.LoadFromFile(name);
      ASSERT_EQ(saved.Width(), 64) << name;
      EXPECT_EQ(saved.Pixels(63, 47), colour) << name;
    }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2 * kEach) << "no temporary file left";
}

TEST_F(Commands, SecondStyleButtonInSignatureModeKeepsTheMode) {
  form->btn12Click();
  form->btn6Click();
  EXPECT_TRUE(form->SignatureMode);
  EXPECT_EQ(form->SelectedBrushStyle, bsHorizontal);
}

TEST_F(Commands, OpeningAnotherPageKeepsTheHistory) {
  LoadPage("a.bmp", 5, 4, Stripes);
  form->UndoHistory.PushUndo(Page());
  FillRegion(Page(), 1, 1, clRed, bsSolid);
  WriteBmp(base + "images/b.bmp", 7, 2, Stripes);
  OpenFromLibrary(Form2, [] {
    Form2->jvthmbvw1->SetSelected(1);
    Form2->done(mrOk);
  });
  EXPECT_EQ(Page().Width(), 7);
  EXPECT_EQ(form->UndoHistory.Count(), 1u);
  form->btn20Click();
  EXPECT_EQ(Page().Width(), 5) << "undo brings the previous page back";
  EXPECT_EQ(form->CurrentPageFile, base + "images/b.bmp");
}

TEST_F(Commands, LibraryConfirmedWithNothingSelectedReportsTheEmptyName) {
  try {
    OpenFromLibrary(Form3, [] { Form3->done(mrOk); });
    FAIL() << "an empty projects library gives no file to open";
  } catch (const EPintoolaError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"\". ", 0), 0u) << e.what();
  }
  EXPECT_TRUE(form->CurrentPageFile.empty());
}

TEST_F(Commands, OpenedProjectIsWhatResetReloads) {
  LoadPage("page.bmp", 5, 4, Stripes);
  SaveWithNotice();
  OpenFromLibrary(Form3, [] { Form3->done(mrOk); });
  EXPECT_EQ(form->CurrentPageFile, base + "Projects/Sketcha1.bmp");
  PageWriter writer(Page());
  writer.ScanLine(0)[0] = 0x55;
  writer.Commit();
  form->btn22Click();
  EXPECT_EQ(Page().Pixels(0, 0), clBlack);
}

TEST_F(Commands, YesToTheExitQuestionClosesTheWindow) {
  form->show();
  answer = mrYes;
  EXPECT_TRUE(form->close());
  EXPECT_FALSE(form->isVisible());
}

TEST_F(Commands, AProjectGoneBeforeTheCheckIsReportedWithoutTheNotice) {
  LoadPage("page.bmp", 5, 4, Stripes);
  // Another program takes the project away during the half second the save waits.
  const std::string project = base + "Projects/Sketcha1.bmp";
  std::atomic<bool> removed = false;
  std::thread remover([&] {
    for (int i = 0; i < 5000 && !removed; ++i) {
      if (std::remove(project.c_str()) == 0) removed = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  WithoutWindow(Form5, [this] { form->btn24Click(); });
  remover.join();
  ASSERT_TRUE(removed);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Pintoola can't save the image !");
  EXPECT_EQ(messages[0].caption, "Error");
  EXPECT_EQ(messages[0].icon, TMsgIcon::Error);
  EXPECT_EQ(messages[0].buttons, static_cast<TMsgDlgButtons>(mbOK));
  EXPECT_EQ(messages[0].defaultResult, mrOk);
  EXPECT_EQ(Page().Pixels(0, 0), clBlack);
  EXPECT_TRUE(form->UndoHistory.Empty());
}

TEST_F(Commands, ResetAfterABrokenLibraryPageReadsTheBrokenFileAgain) {
  LoadPage("b.bmp", 5, 4, Stripes);
  std::ofstream(base + "images/a.bmp") << "not a picture";  // first in name order
  try {
    OpenFromLibrary(Form2, [] { Form2->done(mrOk); });
    FAIL() << "a broken page cannot be opened";
  } catch (const EPintoolaError& e) {
    EXPECT_STREQ(e.what(), "Stream read error") << "shorter than a file header";
  }
  // The chosen name is recorded before the file is read: the page on screen stays, and reset goes
  // back to the broken file, not to the page shown.
  EXPECT_EQ(form->CurrentPageFile, base + "images/a.bmp");
  EXPECT_EQ(Page().Width(), 5);
  {
    PageWriter writer(Page());
    writer.ScanLine(0)[0] = 0x55;
    writer.Commit();
  }
  EXPECT_THROW(form->btn22Click(), EPintoolaError);
  EXPECT_EQ(Page().Width(), 5);
  EXPECT_EQ(Page().ConstScanLine(0)[0], 0x55) << "the page on screen is kept as it is";
}

TEST_F(Commands, PrintButtonEnlargesThePageByPrinterOverWindowResolution) {
  if (!testing::CanRenderSheets()) GTEST_SKIP() << "pdftoppm is missing";
  LoadPage("red.bmp", 40, 30, [](int, int) { return clRed; });
  form->show();
  // The window's own resolution, then another one it could have been made with.
  const struct {
    int windowDpi;
    QRect atHundredDpi;  // 40 × 30 pixels × (600 ÷ window dpi, remainder dropped) dots at 600 dpi
  } cases[] = {
      {96, QRect(0, 0, 40, 30)},   // scale 6: 240 × 180 dots, 0.4 × 0.3 inch
      {200, QRect(0, 0, 20, 15)},  // scale 3: 120 × 90 dots
      {250, QRect(0, 0, 13, 10)},  // scale 2 (2.4 dropped): 80 × 60 dots
  };
  ASSERT_EQ(form->PixelsPerInch, 96) << "the offscreen screen's logical resolution";
  for (const auto& c : cases) {
    form->PixelsPerInch = c.windowDpi;
    const QString pdf = dir.path() + "/sheet" + QString::number(c.windowDpi) + ".pdf";
    // The print dialog, answered as a parent would, prints into a PDF printer at 600 dpi.
    WithWindowOf<QPrintDialog>(
        [&](QPrintDialog* dialog) {
          QObject::connect(dialog, qOverload<QPrinter*>(&QPrintDialog::accepted), [&](QPrinter* printer) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setResolution(600);
            printer->setPageMargins(QMarginsF(0, 0, 0, 0));
          });
          dialog->accept();
        },
        [this] { QTest::mouseClick(form->btn25, Qt::LeftButton); });
    const QImage sheet = testing::RenderSheet(pdf, 100);
    ASSERT_FALSE(sheet.isNull()) << c.windowDpi;
    const QRect red = testing::RedArea(sheet);
    EXPECT_LE(red.left() + red.top(), 1) << c.windowDpi;
    EXPECT_NEAR(red.width(), c.atHundredDpi.width(), 1) << c.windowDpi;
    EXPECT_NEAR(red.height(), c.atHundredDpi.height(), 1) << c.windowDpi;
  }
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace pintoola::testing
