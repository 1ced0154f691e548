#include <QFontMetrics>
#include <QTest>

#include "platform/Image.h"
#include "platform/Panel.h"
#include "platform/Windows.h"
#include "styled/cyBitBtn.h"
#include "styled/cyLabel.h"
#include "styled/cyPanel.h"
#include "tests/app/AppFixture.h"

namespace pintoola::testing {
namespace {

class SmallWindows : public AppTest {
 protected:
  int Run(QDialog* dialog, std::function<void()> act) {
    return WithWindow(dialog, std::move(act), [dialog] { return dialog->exec(); });
  }
};

TEST_F(SmallWindows, SavedNoticeLooksTheSameEveryTimeAndClosesEitherWay) {
  EXPECT_EQ(Form5->windowTitle(), "Project image");
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Run(Form5, [] {
                // 381 × 77 where the message fits; wider, with the button kept central, where not.
                EXPECT_EQ(Form5->height(), 77);
                EXPECT_GE(Form5->width(), 381);
                EXPECT_EQ(Form5->lbl1->Caption(), "Project was successfully saved to the projects library");
                EXPECT_EQ(Form5->btn1->geometry(), QRect(160 + (Form5->width() - 381) / 2, 40, 75, 25));
                const QFontMetrics fm(ToQFont(Form5->lbl1->Font()));
                EXPECT_LE(fm.horizontalAdvance(Form5->lbl1->Caption()), Form5->lbl1->width());
                QTest::mouseClick(Form5->btn1, Qt::LeftButton);
              }),
              mrOk);
  }
  EXPECT_EQ(Run(Form5, [] { Form5->close(); }), mrCancel);
  EXPECT_FALSE(Form5->isVisible());
}

TEST_F(SmallWindows, AboutBoxShowsItsPanelsAndOpensTheAddress) {
  std::vector<std::string> opened;
  SetAddressOpener([&](const char* a) { opened.emplace_back(a); });
  const int result = Run(AboutBox, [this] {
    EXPECT_EQ(AboutBox->size(), QSize(309, 291));
    EXPECT_EQ(AboutBox->pnl1->geometry(), QRect(0, 0, 309, 27));
    EXPECT_EQ(AboutBox->pnl1->Caption(), "Pintoola 1.0");
    EXPECT_EQ(AboutBox->pnl2->geometry(), QRect(0, 27, 309, 30));
    EXPECT_EQ(AboutBox->pnl2->Caption(), "Doodlo");
    EXPECT_EQ(AboutBox->pnl4->geometry(), QRect(0, 291 - 65, 309, 65));
    EXPECT_EQ(AboutBox->btn1->geometry(), QRect(117, 32, 75, 25));
    QEvent enter(QEvent::Enter), leave(QEvent::Leave);
    QCoreApplication::sendEvent(AboutBox->image2, &enter);
    EXPECT_EQ(AboutBox->image2->cursor().shape(), Qt::PointingHandCursor);
    QCoreApplication::sendEvent(AboutBox->image2, &leave);
    EXPECT_EQ(AboutBox->image2->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(AboutBox->image2, Qt::LeftButton);
    QTest::mouseClick(AboutBox->lbl1, Qt::LeftButton);
    QTest::mouseClick(AboutBox->btn1, Qt::LeftButton);
  });
  SetAddressOpener(nullptr);
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(opened, std::vector<std::string>(2, "file://" + base + "help/index.html"));
  EXPECT_TRUE(messages.empty());
}

TEST_F(SmallWindows, EscapeLeavesTheAboutBoxAndTheNoticeOpenTheCloseBoxAnswersCancel) {
  const std::pair<QDialog*, TcyBitBtn*> windows[] = {{AboutBox, AboutBox->btn1}, {Form5, Form5->btn1}};
  for (const auto& [dialog, ok] : windows) {
    bool openAfterEscape = false;
    const int result = Run(dialog, [dialog, ok, &openAfterEscape] {
      dialog->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
      ok->setFocus();
      QTest::keyClick(ok, Qt::Key_Escape);
      QTest::keyClick(dialog, Qt::Key_Escape);
      openAfterEscape = dialog->isVisible();
      dialog->close();
    });
    EXPECT_TRUE(openAfterEscape) << dialog->windowTitle().toStdString();
    EXPECT_EQ(result, mrCancel) << dialog->windowTitle().toStdString();
  }
}

TEST_F(SmallWindows, AboutButtonShowsTheBoxAndChangesNothing) {
  // The waiter fails the test when the button shows nothing.
  WithWindow(AboutBox, [] { AboutBox->done(mrOk); }, [this] { form->btn26Click(); });
  EXPECT_TRUE(form->UndoHistory.Empty());
  EXPECT_FALSE(AboutBox->isVisible());
}

}  // namespace
}  // namespace pintoola::testing
