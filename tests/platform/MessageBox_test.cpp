#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <new>
#include <stdexcept>

#include "platform/Application.h"
#include "support/AnswerWindow.h"

namespace pintoola {
namespace {

struct Recorder {
  std::vector<MessageRequest> seen;
  TModalResult answer = mrOk;
  Recorder() {
    SetMessageBoxScript([this](const MessageRequest& r) {
      seen.push_back(r);
      return answer;
    });
  }
  ~Recorder() { SetMessageBoxScript(nullptr); }
};

TEST(ErrorBoxText, AppendsAFullStopOnlyAfterCharactersAboveIt) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"Bitmap image is not valid", "Bitmap image is not valid."},
      {"Stream read error.", "Stream read error."},
      {"Pintoola can't save the image !", "Pintoola can't save the image !"},
      {"ends in space ", "ends in space "},
      {"ends in comma,", "ends in comma,"},
      {"ends in slash/", "ends in slash/."},
      {"", ""},
      {"Code: 5", "Code: 5."},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorBoxText(c.in).toStdString(), c.out);
}

TEST(MessageDlg, KindSetsCaptionIconAndDefault) {
  Recorder r;
  r.answer = mrNo;  // not the default: the box's answer is what comes back
  EXPECT_EQ(MessageDlg("Do you want to exit Pintoola ?", TMsgDlgType::mtConfirmation, mbYes | mbNo), mrNo);
  MessageDlg("No image to copy !", TMsgDlgType::mtWarning, mbOK);
  MessageDlg("Pintoola can't save the image !", TMsgDlgType::mtError, mbOK);
  ASSERT_EQ(r.seen.size(), 3u);
  EXPECT_EQ(r.seen[0].text, "Do you want to exit Pintoola ?");
  EXPECT_EQ(r.seen[0].caption, "Confirm");
  EXPECT_EQ(r.seen[0].icon, TMsgIcon::Question);
  EXPECT_EQ(r.seen[0].buttons, static_cast<TMsgDlgButtons>(mbYes | mbNo));
  EXPECT_EQ(r.seen[0].defaultResult, mrYes);
  EXPECT_EQ(r.seen[1].text, "No image to copy !");
  EXPECT_EQ(r.seen[1].caption, "Warning");
  EXPECT_EQ(r.seen[1].icon, TMsgIcon::Warning);
  EXPECT_EQ(r.seen[1].buttons, static_cast<TMsgDlgButtons>(mbOK));
  EXPECT_EQ(r.seen[1].defaultResult, mrOk);
  EXPECT_EQ(r.seen[2].text, "Pintoola can't save the image !");
  EXPECT_EQ(r.seen[2].caption, "Error");
  EXPECT_EQ(r.seen[2].icon, TMsgIcon::Error);
  EXPECT_EQ(r.seen[2].buttons, static_cast<TMsgDlgButtons>(mbOK));
}

TEST(ErrorBox, UsesTheApplicationTitleAndOneOkButton) {
  Recorder r;
  ShowErrorBox("Bitmap image is not valid");
  ASSERT_EQ(r.seen.size(), 1u);
  EXPECT_EQ(r.seen[0].caption, "Doodlo");
  EXPECT_EQ(r.seen[0].text, "Bitmap image is not valid.");
  EXPECT_EQ(r.seen[0].icon, TMsgIcon::Error);
  EXPECT_EQ(r.seen[0].buttons, static_cast<TMsgDlgButtons>(mbOK));
}

TEST(RealMessageBox, ShowsTheCaptionsAndAnswersWithTheButtonPressed) {
  QStringList captions;
  QString defaultCaption, title;
  MessageRequest req;
  req.caption = "Confirm";
  req.text = "Question?";
  req.buttons = mbYes | mbNo | mbCancel;
  req.defaultResult = mrYes;
  // The real box, answered with a button that is neither the default nor what closing it gives.
  const TModalResult result = testing::WithWindowOf<QMessageBox>(
      [&](QMessageBox* box) {
        title = box->windowTitle();
        for (QAbstractButton* b : box->buttons()) captions << b->text();
        defaultCaption = box->defaultButton()->text();
        for (QAbstractButton* b : box->buttons())
          if (b->text() == "&No") b->click();
      },
      [&] { return ShowMessageBox(req); });
  EXPECT_EQ(result, mrNo);
  EXPECT_EQ(title, "Confirm");
  captions.sort();
  EXPECT_EQ(captions, QStringList({"&No", "&Yes", "Cancel"}));
  EXPECT_EQ(defaultCaption, "&Yes");
}

class Thrower : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Scan line index out of range");
    if (e->type() == QEvent::User + 1) throw std::bad_alloc();
    return QObject::event(e);
  }
};

TEST(ApplicationNotify, AnExceptionLeavingAHandlerIsShownAndTheLoopGoesOn) {
  ASSERT_NE(qobject_cast<TApplication*>(QCoreApplication::instance()), nullptr);
  Recorder r;
  Thrower thrower;
  QEvent first(QEvent::User), second(QEvent::User);
  QCoreApplication::sendEvent(&thrower, &first);
  QCoreApplication::sendEvent(&thrower, &second);
  ASSERT_EQ(r.seen.size(), 2u);
  EXPECT_EQ(r.seen[0].caption, "Doodlo");
  EXPECT_EQ(r.seen[0].text, "Scan line index out of range.");
}

TEST(ApplicationNotify, MemoryRunningOutInAHandlerIsShownAsOutOfMemory) {
  Recorder r;
  Thrower thrower;
  QEvent exhausted(static_cast<QEvent::Type>(QEvent::User + 1));
  QCoreApplication::sendEvent(&thrower, &exhausted);
  ASSERT_EQ(r.seen.size(), 1u);
  EXPECT_EQ(r.seen[0].caption, "Doodlo");
  EXPECT_EQ(r.seen[0].text, "Out of memory.");
  EXPECT_EQ(r.seen[0].icon, TMsgIcon::Error);
  EXPECT_EQ(r.seen[0].buttons, static_cast<TMsgDlgButtons>(mbOK));
}

}  // namespace
}  // namespace pintoola

#include <QStyle>

namespace pintoola {
namespace {

TEST(Hints, AppearAfterHalfASecond) {
  EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
  EXPECT_EQ(TApplication::kHintShowTime, 2500);
}

}  // namespace
}  // namespace pintoola
