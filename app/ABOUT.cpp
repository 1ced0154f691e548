#include "app/ABOUT.h"

#include <QEvent>

#include "art/Artwork.h"
#include "platform/Cursors.h"
#include "platform/DrawSurface.h"
#include "platform/Files.h"
#include "platform/Image.h"
#include "platform/Panel.h"
#include "platform/Translations.h"
#include "platform/Windows.h"
#include "styled/cyBitBtn.h"
#include "styled/cyLabel.h"

namespace pintoola {

TAboutBox* AboutBox = nullptr;

QString TAboutBox::Address() {
  return "file://" + LocalizedFile(QString::fromStdString(ExeFolder()) + "help", "index", "html");
}

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner) {
  setWindowTitle("Pintoola 1.0");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(ToQFont(TFontSpec{}));
  setFixedSize(309, 291);
  auto* layout = new AlignLayout(this);

  pnl1 = new TPanel(this);
  pnl1->resize(309, 27);
  QFont bold = font();
  bold.setBold(true);
  pnl1->setFont(bold);
  pnl1->SetCaption("Pintoola 1.0");
  layout->Add(pnl1, TAlign::alTop);
  pnl2 = new TPanel(this);
  pnl2->resize(309, 30);
  pnl2->SetCaption("Doodlo");
  layout->Add(pnl2, TAlign::alTop);
  pnl4 = new TPanel(this);
  pnl4->resize(309, 65);
  layout->Add(pnl4, TAlign::alBottom);
  pnl3 = new TPanel(this);
  layout->Add(pnl3, TAlign::alClient);

  image2 = new TImage(pnl3);
  image2->SetStaticPicture(art::AboutPicture());
  image2->SetStretch(true);
  image2->SetProportional(true);
  image2->SetCenter(true);
  pnl3->ChildLayout()->Add(image2, TAlign::alClient);

  lbl1 = new TcyLabel(pnl4);
  lbl1->SetAutoSize(false);
  lbl1->setGeometry(1, 8, 307, 16);
  lbl1->SetCaption(tr("Pintoola help"));
  lbl1->SetAlignment(taCenter);
  lbl1->SetTransparent(true);
  TFontSpec link;
  link.color = clBlue;
  link.underline = true;
  lbl1->SetFont(link);

  btn1 = new TcyBitBtn(pnl4);
  btn1->SetKind(bkOK);
  btn1->Degrade().SetFromColor(clYellow);
  btn1->Degrade().SetToColor(clOrange);
  btn1->Degrade().SetSpeedPercent(90);
  btn1->setGeometry(117, 32, 75, 25);

  // The address is the hint of both controls, but hints are not shown in this window.
  for (QWidget* w : {static_cast<QWidget*>(image2), static_cast<QWidget*>(lbl1)}) {
    w->setProperty("hint", Address());
    w->installEventFilter(this);
  }
  connect(image2, &TImage::Click, this, &TAboutBox::image2Click);
  connect(lbl1, &TcyLabel::clicked, this, &TAboutBox::lbl1Click);
}

int TAboutBox::exec() {
  CenterOver(this, parentWidget());
  btn1->setFocus();
  return QDialog::exec();
}

void TAboutBox::image2Click() { OpenAddress(image2->property("hint").toString().toUtf8().constData()); }

void TAboutBox::lbl1Click() { OpenAddress(lbl1->property("hint").toString().toUtf8().constData()); }

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
  auto* w = qobject_cast<QWidget*>(watched);
  if (w && event->type() == QEvent::Enter) SetControlCursor(w, crHandPoint);
  if (w && event->type() == QEvent::Leave) SetControlCursor(w, crDefault);
  if (event->type() == QEvent::ToolTip) return true;
  return QDialog::eventFilter(watched, event);
}

}  // namespace pintoola
