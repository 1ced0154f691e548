#pragma once
#include <functional>

class QWidget;

namespace pintoola {

// Centres a dialog over its owner window (over the screen when there is none).
void CenterOver(QWidget* dialog, QWidget* owner);

// Opens a web address in the user's browser; failures are ignored.
void OpenAddress(const char* address);
// Replaces the browser (tests); nullptr restores it.
void SetAddressOpener(std::function<void(const char*)> opener);

}  // namespace pintoola
