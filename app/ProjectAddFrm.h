#pragma once
// The notice that a project was saved.
#include <QDialog>

namespace pintoola {

class TCyPanel;
class TcyLabel;
class TcyBitBtn;

class TForm5 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* owner);
  int exec() override;
  // The close box answers Cancel. Esc does nothing: the window has no cancel button.
  void reject() override { done(2); }

  TCyPanel* cypnl1;
  TcyLabel* lbl1;
  TcyBitBtn* btn1;
};

extern TForm5* Form5;

}  // namespace pintoola
