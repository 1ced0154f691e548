#pragma once
// The main window: toolbar, palette column, page view and fill-style column, with the window state
// every command reads and writes.
#include <QDialog>
#include <QWidget>
#include <memory>
#include <string>

#include "core/Colors.h"
#include "core/Types.h"
#include "engine/UndoHistory.h"


namespace pintoola {

class TPanel;
class TCyPanel;
class TcyBitBtn;
class TcySpeedButton;
class TcyLabel;
class TCnColorGrid;
class TImage;
class TPrinter;
class TJvThumbView;

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Runs once while the window is created, before any other window exists: the folder check.
  void FormCreate();
  // Asks the exit question; true when the window may close.
  bool FormCloseQuery();

  // Shows the window frameless and covering the screen's available area.
  void ShowMaximized();

  void cnclrgrd1Click();
  void image2Click();
  void image2MouseDown(TMouseButton button);
  void image2MouseEnter();
  void image2MouseLeave();
  void image2MouseMove();
  void setTheSelectedColor();
  void ContrastImage(TImage* image, int aContrast);

  void btn1Click();
  void btn4Click();
  void btn20Click();
  void btn22Click();
  void btn23Click();
  void btn24Click();
  void btn25Click();
  void btn13Click();
  void btn26Click();
  void btn8Click();
  void btn19Click();
  void btn11Click();
  void btn12Click();
  void btn3Click() { SelectedBrushStyle = bsSolid; }
  void btn6Click() { SelectedBrushStyle = bsHorizontal; }
  void btn7Click() { SelectedBrushStyle = bsVertical; }
  void btn9Click() { SelectedBrushStyle = bsFDiagonal; }
  void btn10Click() { SelectedBrushStyle = bsBDiagonal; }
  void btn2Click() { SelectedBrushStyle = bsCross; }
  void btn5Click() { SelectedBrushStyle = bsDiagCross; }

  // Window state.
  TColor SelectedColor = clBlack;
  TBrushStyle SelectedBrushStyle = bsSolid;
  std::string CurrentPageFile;
  bool SignatureMode = false;
  TPictureArray UndoHistory;
  // The screen's logical resolution when the window was made; printing scales from it.
  int PixelsPerInch = 96;

  // Controls, named as the window names them.
  TPanel* pnl1;
  TCyPanel* cypnl1;
  TcyBitBtn *btn1, *btn4, *btn20, *btn22, *btn23, *btn24, *btn25, *btn13;
  TcyBitBtn *btn19, *btn8, *btn26;
  TPanel* pnl2;
  TCnColorGrid* cnclrgrd1;
  TPanel* pnl4;
  TCyPanel* cypnl2;
  TCyPanel* cypnl3;
  TImage* image3;
  TcyLabel* lbl1;
  TPanel* pnl3;
  TImage* image2;
  TCyPanel* cypnl4;
  TcyBitBtn *btn3, *btn2, *btn5, *btn7, *btn6, *btn9, *btn10;
  TCyPanel* cypnl5;
  TcyBitBtn* btn11;
  TcySpeedButton* btn12;
  TcyLabel* lbl2;
  // The printer, made at the first print and kept with its settings for the run.
  std::unique_ptr<TPrinter> dlgPnt1;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void BuildControls();
  void OpenFromLibrary(QDialog* library, TJvThumbView* view);
  // The pointer's screen position minus image2's screen origin.
  QPoint PagePoint() const;
  bool PageEmpty() const;
  void EndSignatureMode();
  void StampSignature(int x, int y);
};

// Gives a grid the main window's palette settings (columns, rows, cell sizes, custom colours).
// Tests and benchmarks that drive the real program use it to find a colour's cell on the screen.
void SetUpPalette(TCnColorGrid& grid);

// The six windows of the run, created once in this order by main().
extern TForm1* Form1;

}  // namespace pintoola
