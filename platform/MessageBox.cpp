#include "platform/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace pintoola {

namespace {
MessageBoxScript& Script() {
  static MessageBoxScript script;
  return script;
}
}  // namespace

void SetMessageBoxScript(MessageBoxScript script) { Script() = std::move(script); }

TModalResult ShowMessageBox(const MessageRequest& request) {
  if (Script()) return Script()(request);

  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(request.caption);
  box.setText(request.text);
  switch (request.icon) {
    case TMsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case TMsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case TMsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case TMsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case TMsgIcon::None: break;
  }
  struct Choice {
    TMsgDlgBtn flag;
    const char* caption;
    TModalResult result;
    QMessageBox::ButtonRole role;
  };
  const Choice choices[] = {{mbYes, QT_TRANSLATE_NOOP("MessageBox", "&Yes"), mrYes, QMessageBox::YesRole},
                            {mbNo, QT_TRANSLATE_NOOP("MessageBox", "&No"), mrNo, QMessageBox::NoRole},
                            {mbOK, QT_TRANSLATE_NOOP("MessageBox", "OK"), mrOk, QMessageBox::AcceptRole},
                            {mbCancel, QT_TRANSLATE_NOOP("MessageBox", "Cancel"), mrCancel, QMessageBox::RejectRole}};
  std::vector<std::pair<QAbstractButton*, TModalResult>> made;
  for (const Choice& c : choices) {
    if (!(request.buttons & c.flag)) continue;
    QPushButton* b = box.addButton(QCoreApplication::translate("MessageBox", c.caption), c.role);
    made.emplace_back(b, c.result);
    if (c.result == request.defaultResult) box.setDefaultButton(b);
  }
  box.adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    box.move(screen->availableGeometry().center() - box.rect().center());
  box.exec();
  for (auto& [button, result] : made)
    if (box.clickedButton() == button) return result;
  // Closed without a button: the box's cancel answer, or its only button.
  if (request.buttons & mbCancel) return mrCancel;
  if (request.buttons & mbNo) return mrNo;
  return made.empty() ? mrNone : made.back().second;
}

TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  MessageRequest r;
  r.text = text;
  r.buttons = buttons;
  switch (type) {
    case TMsgDlgType::mtWarning:
      r.caption = QCoreApplication::translate("MessageBox", "Warning");
      r.icon = TMsgIcon::Warning;
      break;
    case TMsgDlgType::mtError:
      r.caption = QCoreApplication::translate("MessageBox", "Error");
      r.icon = TMsgIcon::Error;
      break;
    case TMsgDlgType::mtInformation:
      r.caption = QCoreApplication::translate("MessageBox", "Information");
      r.icon = TMsgIcon::Information;
      break;
    case TMsgDlgType::mtConfirmation:
      r.caption = QCoreApplication::translate("MessageBox", "Confirm");
      r.icon = TMsgIcon::Question;
      break;
    case TMsgDlgType::mtCustom: r.caption = QApplication::applicationName(); break;
  }
  r.defaultResult = (buttons & mbOK) ? mrOk : (buttons & mbYes) ? mrYes : mrNone;
  return ShowMessageBox(r);
}

QString ErrorBoxText(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
  return message;
}

void ShowErrorBox(const QString& message) {
  MessageRequest r;
  r.caption = QStringLiteral("Doodlo");
  r.text = ErrorBoxText(message);
  r.icon = TMsgIcon::Error;
  r.buttons = mbOK;
  r.defaultResult = mrOk;
  ShowMessageBox(r);
}

}  // namespace pintoola
