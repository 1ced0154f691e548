#include "app/ProjectAddFrm.h"

#include <QFontMetrics>
#include <algorithm>

#include "platform/AlignLayout.h"
#include "platform/DrawSurface.h"
#include "platform/Windows.h"
#include "styled/cyBitBtn.h"
#include "styled/cyLabel.h"
#include "styled/cyPanel.h"

namespace pintoola {

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* owner) : QDialog(owner) {
  setWindowTitle(tr("Project image"));
  setFont(ToQFont(TFontSpec{}));
  auto* layout = new AlignLayout(this);
  cypnl1 = new TCyPanel(this);
  cypnl1->Degrade().SetFromColor(clAqua);
  cypnl1->Degrade().SetToColor(clBlue);
  layout->Add(cypnl1, TAlign::alClient);

  lbl1 = new TcyLabel(cypnl1);
  TFontSpec font;
  font.height = -13;
  font.bold = true;
  font.color = clYellow;
  lbl1->SetFont(font);
  lbl1->resize(379, 16);
  lbl1->SetCaption(tr("Project was successfully saved to the projects library"));
  lbl1->SetAlignment(taCenter);
  lbl1->SetTransparent(true);
  lbl1->Shadow().SetColor(clNavy);
  lbl1->Shadow().SetRelativePosX(1);
  lbl1->Shadow().SetRelativePosY(1);
  cypnl1->ChildLayout()->Add(lbl1, TAlign::alTop, QMargins(0, 10, 0, 0));

  btn1 = new TcyBitBtn(cypnl1);
  btn1->SetKind(bkOK);
  btn1->Degrade().SetFromColor(clYellow);
  btn1->Degrade().SetToColor(clOrange);
  btn1->Degrade().SetSpeedPercent(90);
  // Designed as 381 × 77 for Tahoma; where the substitute font sets the message wider, the notice
  // grows to show all of it, its button staying in the middle.
  const int textWidth = QFontMetrics(ToQFont(font)).horizontalAdvance(lbl1->Caption()) + 2 + 8;
  const int width = std::max(381, textWidth);
  resize(width, 77);
  btn1->setGeometry(160 + (width - 381) / 2, 40, 75, 25);
}

int TForm5::exec() {
  CenterOver(this, parentWidget());
  return QDialog::exec();
}

}  // namespace pintoola
