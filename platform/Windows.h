#pragma once
class QWidget;

namespace pintoola {

// Centres a dialog over its owner window (over the screen when there is none).
void CenterOver(QWidget* dialog, QWidget* owner);

// The URL opener of the about box; tests replace it. The result is ignored by callers.
void OpenAddress(const char* address);

}  // namespace pintoola
