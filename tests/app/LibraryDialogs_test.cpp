// The two library dialogs: their build, how they end and with what, focus, and the rescan on show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "app/PicLibFrm.h"
#include "app/ProjLibFrm.h"
#include "engine/PageBitmap.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Panel.h"
#include "styled/cyBitBtn.h"
#include "styled/cyPanel.h"
#include "support/AnswerWindow.h"
#include "thumbs/JvThumbViews.h"

namespace pintoola {
namespace {

void WriteSolidBmp(const std::string& path, int w, int h) {
  PageBitmap page;
  page.SetSize(w, h, clRed);
  page.SaveToFile(path);
}

class LibraryDialogTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    base_ = dir_.path().toStdString() + "/";
    SetExeFolderForTesting(base_);
    QDir().mkpath(QString::fromStdString(base_ + "images"));
    QDir().mkpath(QString::fromStdString(base_ + "Projects"));
    owner_.resize(900, 700);
    owner_.move(40, 30);
    owner_.show();
  }
  void TearDown() override {
    dialog_.reset();
    SetExeFolderForTesting("");
  }

  bool Projects() const { return GetParam(); }
  std::string Folder() const { return base_ + (Projects() ? "Projects/" : "images/"); }
  void AddFile(const std::string& name, int w = 80, int h = 60) { WriteSolidBmp(Folder() + name, w, h); }

  TLibraryForm& Dialog() {
    if (Projects())
      dialog_ = std::make_unique<TForm3>(&owner_);
    else
      dialog_ = std::make_unique<TForm2>(&owner_);
    return *dialog_;
  }

  // Runs the dialog modally; `act` runs inside its loop once it is showing.
  int Run(TLibraryForm& d, const std::function<void()>& act) {
    stillOpen_ = false;
    return testing::WithWindow(
        &d,
        [&] {
          EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
          act();
          // A dialog still open after the action is closed with the box.
          if (d.isVisible()) {
            stillOpen_ = true;
            d.close();
          }
        },
        [&] { return d.exec(); });
  }

  static void DoubleClick(QWidget* w, QPoint at) {
    QTest::mousePress(w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
    QTest::mouseDClick(w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
  }

  QTemporaryDir dir_;
  std::string base_;
  QWidget owner_;
  std::unique_ptr<TLibraryForm> dialog_;
  bool stillOpen_ = false;
};

TEST_P(LibraryDialogTest, BuiltAsDesigned) {
  TLibraryForm& d = Dialog();
  EXPECT_EQ(d.windowTitle(), Projects() ? "Projects Library" : "Coloring pages Library");
  EXPECT_EQ(d.size(), QSize(462, 363));
  EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "not resizable";
  EXPECT_FALSE(d.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(d.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(d.windowFlags() & Qt::WindowCloseButtonHint);
  Run(d, [&] {
    EXPECT_EQ(d.pnl1->geometry(), QRect(0, 310, 462, 53));
    EXPECT_EQ(d.cypnl1->geometry(), QRect(1, 1, 460, 51));
    EXPECT_EQ(d.btn1->geometry(), QRect(4, 4, 75, 43));
    EXPECT_EQ(d.btn2->geometry(), QRect(381, 4, 75, 43));
    EXPECT_EQ(d.pnl2->geometry(), QRect(0, 0, 462, 310));
    EXPECT_EQ(d.jvthmbvw1->geometry(), QRect(1, 1, 460, 308));
    d.close();
  });
  EXPECT_EQ(d.btn1->Caption(), "OK");
  EXPECT_EQ(d.btn1->ModalResult(), mrOk);
  EXPECT_TRUE(d.btn1->Default());
  EXPECT_EQ(d.btn2->Caption(), "Cancel");
  EXPECT_EQ(d.btn2->ModalResult(), mrCancel);
  EXPECT_TRUE(d.btn2->Cancel());
  EXPECT_EQ(d.cypnl1->Degrade().FromColor(), clAqua);
  EXPECT_EQ(d.cypnl1->Degrade().ToColor(), clBlue);
  EXPECT_EQ(d.btn1->Degrade().FromColor(), clYellow);
  EXPECT_EQ(d.btn1->Degrade().ToColor(), clOrange);
  EXPECT_EQ(d.btn2->Degrade().SpeedPercent(), 90);
  TJvThumbView* v = d.jvthmbvw1;
  EXPECT_EQ(v->MaxWidth(), Projects() ? 200 : 170);
  EXPECT_EQ(v->AsButtons(), !Projects());
  EXPECT_EQ(v->TitlePlacement(), Projects() ? tpUp : tpNone);
  EXPECT_EQ(v->AlignView(), Projects() ? vtNormal : vtFitToScreen);
  EXPECT_EQ(v->Color(), clAqua);
  EXPECT_EQ(v->Filter(), "Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(d.FolderPath(), base_ + (Projects() ? "Projects" : "images"));
}

TEST_P(LibraryDialogTest, ScansOnCreateAndEveryShow) {
  AddFile("b.bmp");
  AddFile("A.bmp");
  TLibraryForm& d = Dialog();
  ASSERT_EQ(d.jvthmbvw1->Count(), 2) << "scanned when created";
  EXPECT_EQ(d.jvthmbvw1->SelectedFile(), Folder() + "A.bmp");
  AddFile("0new.bmp");
  std::string chosen;
  EXPECT_EQ(Run(d,
                [&] {
                  EXPECT_EQ(d.jvthmbvw1->Count(), 3);
                  d.btn1->Click();
                  chosen = d.jvthmbvw1->SelectedFile();
                }),
            mrOk);
  EXPECT_EQ(chosen, Folder() + "0new.bmp");
  EXPECT_FALSE(d.isVisible());
  std::remove((Folder() + "0new.bmp").c_str());
  EXPECT_EQ(Run(d, [&] { d.btn1->Click(); }), mrOk);
  EXPECT_EQ(d.jvthmbvw1->SelectedFile(), Folder() + "A.bmp") << "deleted files are gone at the next showing";
}

TEST_P(LibraryDialogTest, AFolderGoneSinceTheLastShowingGivesAnEmptyViewAndNoMessage) {
  struct Recorder {
    std::vector<MessageRequest> seen;
    Recorder() {
      SetMessageBoxScript([this](const MessageRequest& r) {
        seen.push_back(r);
        return mrOk;
      });
    }
    ~Recorder() { SetMessageBoxScript(nullptr); }
  } messages;
  AddFile("a.bmp");
  TLibraryForm& d = Dialog();
  EXPECT_EQ(Run(d, [&] { d.btn1->Click(); }), mrOk);
  EXPECT_EQ(d.jvthmbvw1->SelectedFile(), Folder() + "a.bmp");
  ASSERT_TRUE(QDir(QString::fromStdString(Folder())).removeRecursively());
  int shown = -1;
  EXPECT_EQ(Run(d,
                [&] {
                  shown = d.jvthmbvw1->Count();
                  d.btn1->Click();
                }),
            mrOk);
  EXPECT_EQ(shown, 0);
  EXPECT_EQ(d.jvthmbvw1->SelectedFile(), "") << "OK yields the empty name";
  EXPECT_TRUE(messages.seen.empty());
}

TEST_P(LibraryDialogTest, WaysToEnd) {
  AddFile("a.bmp");
  AddFile("b.bmp");
  TLibraryForm& d = Dialog();
  struct Case {
    const char* what;
    std::function<void(TLibraryForm&)> act;
    int result;
    std::string file;  // after OK
  } cases[] = {
      {"click OK", [](TLibraryForm& f) { QTest::mouseClick(f.btn1, Qt::LeftButton); }, mrOk, "a.bmp"},
      {"click Cancel", [](TLibraryForm& f) { QTest::mouseClick(f.btn2, Qt::LeftButton); }, mrCancel, ""},
      {"Enter on OK",
       [](TLibraryForm& f) {
         f.btn1->setFocus();
         QTest::keyClick(f.btn1, Qt::Key_Return);
       },
       mrOk, "a.bmp"},
      {"Space on Cancel",
       [](TLibraryForm& f) {
         f.btn2->setFocus();
         QTest::keyClick(f.btn2, Qt::Key_Space);
       },
       mrCancel, ""},
      {"Enter on Cancel",
       [](TLibraryForm& f) {
         f.btn2->setFocus();
         QTest::keyClick(f.btn2, Qt::Key_Return);
       },
       mrCancel, ""},
      {"Escape on OK",
       [](TLibraryForm& f) {
         f.btn1->setFocus();
         QTest::keyClick(f.btn1, Qt::Key_Escape);
       },
       mrCancel, ""},
      {"close box", [](TLibraryForm& f) { f.close(); }, mrCancel, ""},
      {"double click a picture",
       [](TLibraryForm& f) {
         QWidget* photo = f.jvthmbvw1->Thumbnail(1)->Photo();
         DoubleClick(photo, photo->rect().center());
       },
       mrOk, "b.bmp"},
      {"double click a tile's margin",
       [](TLibraryForm& f) { DoubleClick(f.jvthmbvw1->Thumbnail(1), QPoint(2, 160)); }, mrOk, "b.bmp"},
      {"double click the background",
       [](TLibraryForm& f) { DoubleClick(f.jvthmbvw1->viewport(), QPoint(440, 280)); }, mrOk, ""},
      {"press the background, then OK",
       [](TLibraryForm& f) {
         QTest::mouseClick(f.jvthmbvw1->viewport(), Qt::LeftButton, {}, QPoint(440, 280));
         QTest::mouseClick(f.btn1, Qt::LeftButton);
       },
       mrOk, ""},
  };
  for (const Case& c : cases) {
    const int result = Run(d, [&] { c.act(d); });
    EXPECT_FALSE(stillOpen_) << c.what;
    EXPECT_EQ(result, c.result) << c.what;
    if (result == mrOk) {
      EXPECT_EQ(d.jvthmbvw1->SelectedFile(), c.file.empty() ? "" : Folder() + c.file) << c.what;
    }
  }
}

TEST_P(LibraryDialogTest, TheViewKeepsEnterAndEscape) {
  AddFile("a.bmp");
  AddFile("b.bmp");
  TLibraryForm& d = Dialog();
  int result = Run(d, [&] {
    d.jvthmbvw1->setFocus(Qt::TabFocusReason);
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
      QTest::keyClick(d.jvthmbvw1, k);
      EXPECT_TRUE(d.isVisible()) << k;
    }
    QTest::keyClick(d.jvthmbvw1, Qt::Key_Right);
    EXPECT_EQ(d.jvthmbvw1->Selected(), 1);
    // Tab on to OK, and Enter confirms.
    QTest::keyClick(d.jvthmbvw1, Qt::Key_Tab);
    EXPECT_TRUE(d.btn1->hasFocus());
    QTest::keyClick(d.btn1, Qt::Key_Return);
  });
  EXPECT_FALSE(stillOpen_);
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(d.jvthmbvw1->SelectedFile(), Folder() + "b.bmp");
}

TEST_P(LibraryDialogTest, FocusStartsOnOkAndComesBack) {
  AddFile("a.bmp");
  AddFile("b.bmp");
  TLibraryForm& d = Dialog();
  Run(d, [&] {
    EXPECT_TRUE(d.btn1->hasFocus()) << "the first showing starts on OK";
    QTest::keyClick(d.btn1, Qt::Key_Tab);
    EXPECT_TRUE(d.btn2->hasFocus());
    QTest::keyClick(d.btn2, Qt::Key_Tab);
    EXPECT_TRUE(d.jvthmbvw1->hasFocus());
    QTest::keyClick(d.jvthmbvw1, Qt::Key_Tab);
    EXPECT_TRUE(d.btn1->hasFocus());
    QTest::keyClick(d.btn1, Qt::Key_Backtab);
    EXPECT_TRUE(d.jvthmbvw1->hasFocus());
    // A press on a tile selects it and leaves the focus where it was.
    d.btn1->setFocus();
    QTest::mouseClick(d.jvthmbvw1->Thumbnail(1)->Photo(), Qt::LeftButton);
    EXPECT_EQ(d.jvthmbvw1->Selected(), 1);
    EXPECT_TRUE(d.btn1->hasFocus());
    d.jvthmbvw1->setFocus(Qt::TabFocusReason);
    d.close();
  });
  Run(d, [&] {
    EXPECT_TRUE(d.jvthmbvw1->hasFocus()) << "later showings return to the control last focused";
    EXPECT_EQ(d.jvthmbvw1->Selected(), 0) << "each showing selects the first file";
  });
}

TEST_P(LibraryDialogTest, CentredOverItsOwner) {
  TLibraryForm& d = Dialog();
  Run(d, [&] {
    const QPoint diff = d.frameGeometry().center() - owner_.frameGeometry().center();
    EXPECT_LE(diff.manhattanLength(), 2);
  });
  owner_.move(200, 100);
  Run(d, [&] {
    const QPoint diff = d.frameGeometry().center() - owner_.frameGeometry().center();
    EXPECT_LE(diff.manhattanLength(), 2) << "centred again at every showing";
  });
}

TEST_P(LibraryDialogTest, EmptyOrMissingFolderYieldsNoFile) {
  QDir(QString::fromStdString(Folder())).removeRecursively();
  TLibraryForm& d = Dialog();
  EXPECT_EQ(d.jvthmbvw1->Count(), 0);
  EXPECT_EQ(Run(d, [&] { d.btn1->Click(); }), mrOk);
  EXPECT_EQ(d.jvthmbvw1->SelectedFile(), "");
}

INSTANTIATE_TEST_SUITE_P(Both, LibraryDialogTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Projects" : "Pages"; });

}  // namespace
}  // namespace pintoola
