#pragma once
// The one way the program asks or tells the user something. Tests install a script that answers
// instead of a real box.
#include <QString>
#include <functional>

#include "core/Types.h"

class QWidget;

namespace pintoola {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : unsigned { mbYes = 1u << 0, mbNo = 1u << 1, mbOK = 1u << 2, mbCancel = 1u << 3 };
using TMsgDlgButtons = unsigned;

enum class TMsgIcon { None, Warning, Error, Information, Question };

struct MessageRequest {
  QString caption;
  QString text;
  TMsgIcon icon = TMsgIcon::None;
  TMsgDlgButtons buttons = mbOK;
  TModalResult defaultResult = mrOk;
};

// Shows a modal box centred on the screen and returns the modal result of the button pressed.
TModalResult ShowMessageBox(const MessageRequest& request);

// A box whose kind sets caption and icon ("Warning", "Error", "Information", "Confirm"); the
// default button is OK when present, else Yes.
TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);

// The box for an error that left an event handler: caption "Doodlo", stop icon, one OK. A "." is
// appended unless the text is empty or ends in a character up to ".".
void ShowErrorBox(const QString& message);
QString ErrorBoxText(const QString& message);

// Replaces the real box (tests); nullptr restores it.
using MessageBoxScript = std::function<TModalResult(const MessageRequest&)>;
void SetMessageBoxScript(MessageBoxScript script);

}  // namespace pintoola
