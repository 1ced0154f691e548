#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

#include "platform/Application.h"

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
  r.answer = mrYes;
  EXPECT_EQ(MessageDlg("Do you want to exit Pintoola ?", TMsgDlgType::mtConfirmation, mbYes | mbNo), mrYes);
  EXPECT_EQ(MessageDlg("No image to copy !", TMsgDlgType::mtWarning, mbOK), mrYes);
  MessageDlg("Pintoola can't save the image !", TMsgDlgType::mtError, mbOK);
  ASSERT_EQ(r.seen.size(), 3u);
  EXPECT_EQ(r.seen[0].caption, "Confirm");
  EXPECT_EQ(r.seen[0].icon, TMsgIcon::Question);
  EXPECT_EQ(r.seen[0].defaultResult, mrYes);
  EXPECT_EQ(r.seen[1].caption, "Warning");
  EXPECT_EQ(r.seen[1].icon, TMsgIcon::Warning);
  EXPECT_EQ(r.seen[1].defaultResult, mrOk);
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
  QString defaultCaption;
  // The real box, answered by a timer pressing its default button.
  QTimer::singleShot(50, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box || !box->isVisible()) continue;
      for (QAbstractButton* b : box->buttons()) captions << b->text();
      defaultCaption = box->defaultButton()->text();
      box->defaultButton()->click();
    }
  });
  MessageRequest req;
  req.caption = "Confirm";
  req.text = "Question?";
  req.buttons = mbYes | mbNo;
  req.defaultResult = mrYes;
  EXPECT_EQ(ShowMessageBox(req), mrYes);
  captions.sort();
  EXPECT_EQ(captions, QStringList({"&No", "&Yes"}));
  EXPECT_EQ(defaultCaption, "&Yes");
}

class Thrower : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Scan line index out of range");
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
