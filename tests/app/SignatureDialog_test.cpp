#include <QClipboard>
#include <QCloseEvent>
#include <QTest>

#include "platform/FontDialog.h"
#include "styled/cyBitBtn.h"
#include "styled/cyPanel.h"
#include "tests/app/AppFixture.h"

namespace pintoola::testing {
namespace {

class SignatureDialog : public AppTest {
 protected:
  // Runs the dialog and lets `act` end it once it is up.
  int Run(std::function<void()> act) {
    return WithWindow(Form4, std::move(act), [] { return Form4->exec(); });
  }
};

TEST_F(SignatureDialog, BuiltAsDesigned) {
  Form4->show();
  QCoreApplication::processEvents();
  EXPECT_EQ(Form4->windowTitle(), "Create signature");
  EXPECT_EQ(Form4->size(), QSize(295, 137));
  EXPECT_EQ(Form4->cypnl1->geometry(), QRect(0, 0, 295, 89));
  EXPECT_EQ(Form4->edt1->geometry(), QRect(4, 15, 287, 70));
  EXPECT_EQ(Form4->cypnl2->geometry(), QRect(0, 89, 295, 48));
  EXPECT_EQ(Form4->btn1->geometry(), QRect(4, 4, 75, 40));
  EXPECT_EQ(Form4->btn3->geometry(), QRect(85, 4, 75, 40));
  EXPECT_EQ(Form4->btn2->geometry(), QRect(295 - 4 - 75, 4, 75, 40));
  EXPECT_EQ(Form4->btn3->toolTip(), "Set signature font");
  EXPECT_TRUE(Form4->edt1->toPlainText().isEmpty());
  EXPECT_EQ(Form4->dlgFont1, FontChoice{});
  Form4->hide();
}

TEST_F(SignatureDialog, ButtonsAndCloseBoxEndWithOkOrCancel) {
  EXPECT_EQ(Run([] { QTest::mouseClick(Form4->btn1, Qt::LeftButton); }), mrOk);
  EXPECT_EQ(Run([] { QTest::mouseClick(Form4->btn2, Qt::LeftButton); }), mrCancel);
  EXPECT_EQ(Run([] { Form4->close(); }), mrCancel);
  EXPECT_EQ(Run([] { QTest::keyClick(Form4, Qt::Key_Escape); }), mrCancel);
}

TEST_F(SignatureDialog, TakesThirtyCharactersAndKeepsTypedLineBreaks) {
  Run([] {
    Form4->edt1->setFocus();
    QTest::keyClicks(Form4->edt1, "Anna");
    QTest::keyClick(Form4->edt1, Qt::Key_Return);
    QTest::keyClicks(Form4->edt1, "0123456789012345678901234567890123");
    Form4->done(mrOk);
  });
  const QString text = Form4->SignatureText();
  EXPECT_EQ(text.size(), 30);
  EXPECT_EQ(text.left(5), "Anna\n");
  // Kept for the next showing.
  Run([] { Form4->done(mrCancel); });
  EXPECT_EQ(Form4->SignatureText(), text);
}

TEST_F(SignatureDialog, PastedTextIsCutToTheRoomLeft) {
  Form4->edt1->setPlainText(QString(25, 'x'));
  Form4->edt1->moveCursor(QTextCursor::End);
  QGuiApplication::clipboard()->setText("abcdefghij");
  Form4->edt1->paste();
  EXPECT_EQ(Form4->SignatureText(), QString(25, 'x') + "abcde");
}

TEST_F(SignatureDialog, ChosenFontReachesTheBoxAndStays) {
  FontChoice chosen;
  chosen.name = "DejaVu Sans";
  chosen.size = 14;
  chosen.bold = true;
  chosen.color = clRed;
  WithWindowOf<TFontDialog>(
      [&](TFontDialog* d) {
        d->SetChoice(chosen);
        d->accept();
      },
      [] { Form4->btn3Click(); });
  EXPECT_EQ(Form4->dlgFont1, chosen);
  EXPECT_TRUE(Form4->edt1->font().bold());
  EXPECT_EQ(Form4->edt1->font().family(), "DejaVu Sans");
  // Cancelling the chooser changes nothing.
  WithWindowOf<TFontDialog>([](TFontDialog* d) { d->reject(); }, [] { Form4->btn3Click(); });
  EXPECT_EQ(Form4->dlgFont1, chosen);
}

}  // namespace
}  // namespace pintoola::testing
