#pragma once
// The about box: the program's name, its maker and its artwork.
#include <QDialog>

namespace pintoola {

class TPanel;
class TImage;
class TcyLabel;
class TcyBitBtn;

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* owner);
  int exec() override;
  // The close box answers Cancel. Esc does nothing: the window has no cancel button.
  void reject() override { done(2); }

  // The address the picture and the link label open (their hint): the help page beside the
  // executable.
  static QString Address();

  void image2Click();
  void lbl1Click();

  TPanel* pnl1;
  TPanel* pnl2;
  TPanel* pnl3;
  TImage* image2;
  TPanel* pnl4;
  TcyLabel* lbl1;
  TcyBitBtn* btn1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TAboutBox* AboutBox;

}  // namespace pintoola
