#pragma once
// Every text a window shows, and whether each fits the control that shows it.
#include <QString>
#include <QWidget>
#include <vector>

namespace pintoola::testing {

struct ShownText {
  QWidget* widget;
  QString text;
  const char* kind;  // "title", "hint", "caption" or "item"
  // For captions: the room the control gives the text and the width the text needs, in pixels.
  // A room of -1 means the text is not in a fixed place (a hint, a title bar, a list item).
  int room = -1;
  int needed = 0;
  bool Fits() const { return room < 0 || needed <= room; }
};

// The window's title and every visible text, hint and list item of it and its children. The
// window must have been shown so that its layout has placed the controls.
std::vector<ShownText> TextsOf(QWidget* window);

// "window/control: text (needs N of M px)" for a report.
QString Describe(const ShownText& t);

}  // namespace pintoola::testing
