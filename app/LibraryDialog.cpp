#include "app/LibraryDialog.h"

#include <QLoggingCategory>
#include <QShowEvent>
#include <exception>

#include "platform/AlignLayout.h"
#include "platform/DrawSurface.h"
#include "platform/Files.h"
#include "platform/Panel.h"
#include "platform/Windows.h"
#include "styled/cyBitBtn.h"
#include "styled/cyPanel.h"

namespace pintoola {

Q_LOGGING_CATEGORY(lcLibrary, "pintoola.library")

TLibraryForm::TLibraryForm(QWidget* owner, const LibrarySettings& s)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      FFolderName(s.folderName) {
  setWindowTitle(tr(s.caption));
  setFont(ToQFont(TFontSpec{}));
  setFixedSize(462, 363);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(clBtnFace));
  setPalette(pal);
  auto* layout = new AlignLayout(this);

  // The button bar comes first in the tab order: OK, Cancel, then the view.
  pnl1 = new TPanel(this);
  pnl1->resize(462, 53);
  layout->Add(pnl1, TAlign::alBottom);
  cypnl1 = new TCyPanel(pnl1);
  cypnl1->Degrade().SetFromColor(clAqua);
  cypnl1->Degrade().SetToColor(clBlue);
  cypnl1->Degrade().SetAngleDegree(0);
  pnl1->ChildLayout()->Add(cypnl1, TAlign::alClient);

  auto makeButton = [this](TBitBtnKind kind) {
    auto* b = new TcyBitBtn(cypnl1);
    b->SetKind(kind);
    b->SetNumGlyphs(2);
    b->Degrade().SetFromColor(clYellow);
    b->Degrade().SetToColor(clOrange);
    b->Degrade().SetSpeedPercent(90);
    b->Degrade().SetAngleDegree(0);
    b->resize(75, 43);
    return b;
  };
  btn1 = makeButton(bkOK);
  cypnl1->ChildLayout()->Add(btn1, TAlign::alLeft, WithMargins(3));
  btn2 = makeButton(bkCancel);
  cypnl1->ChildLayout()->Add(btn2, TAlign::alRight, WithMargins(3));

  pnl2 = new TPanel(this);
  layout->Add(pnl2, TAlign::alClient);
  jvthmbvw1 = new TJvThumbView(pnl2);
  jvthmbvw1->SetFilter("Bitmaps (*.bmp)|*.bmp");
  jvthmbvw1->SetSorted(true);
  jvthmbvw1->SetMaxWidth(s.thumbSide);
  jvthmbvw1->SetMaxHeight(s.thumbSide);
  jvthmbvw1->SetSize(100);
  jvthmbvw1->SetThumbGap(4);
  jvthmbvw1->SetAlignView(s.alignView);
  jvthmbvw1->SetMinMemory(true);
  jvthmbvw1->SetAsButtons(s.asButtons);
  jvthmbvw1->SetTitlePlacement(s.titlePlacement);
  jvthmbvw1->SetThumbColor(clNone);
  jvthmbvw1->SetShowShadow(true);
  jvthmbvw1->SetShadowColor(clBlack);
  jvthmbvw1->SetAutoScrolling(true);
  jvthmbvw1->SetAutoHandleKeyb(true);
  jvthmbvw1->SetColor(clAqua);
  jvthmbvw1->OnDblClick = [this] { jvthmbvw1DblClick(); };
  pnl2->ChildLayout()->Add(jvthmbvw1, TAlign::alClient);

  setTabOrder(btn1, btn2);
  setTabOrder(btn2, jvthmbvw1);
  FormCreate();
}

TLibraryForm::~TLibraryForm() = default;

std::string TLibraryForm::FolderPath() const { return ExeFolder() + FFolderName; }

void TLibraryForm::Rescan() {
  try {
    jvthmbvw1->SetDirectory(FolderPath());
  } catch (const std::exception& e) {
    // The dialog shows no messages of its own: what could be listed is listed.
    qCWarning(lcLibrary) << "scanning" << FolderPath().c_str() << "failed:" << e.what();
  }
}

void TLibraryForm::FormCreate() { Rescan(); }

void TLibraryForm::FormShow() { Rescan(); }

void TLibraryForm::jvthmbvw1DblClick() { done(mrOk); }

void TLibraryForm::reject() { done(mrCancel); }

void TLibraryForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  CenterOver(this, parentWidget());
  FormShow();
  // The first showing starts on OK; later ones keep the control that had the focus.
  if (!FShownBefore) {
    FShownBefore = true;
    btn1->setFocus(Qt::TabFocusReason);
  }
}

}  // namespace pintoola
