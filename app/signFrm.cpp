#include "app/signFrm.h"

#include <QKeyEvent>
#include <QMimeData>

#include "art/Artwork.h"
#include "platform/DrawSurface.h"
#include "platform/Windows.h"
#include "styled/cyBitBtn.h"
#include "styled/cyPanel.h"

namespace pintoola {

TForm4* Form4 = nullptr;

TSignatureEdit::TSignatureEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

int TSignatureEdit::Room() const {
  const QTextCursor c = textCursor();
  const int selected = c.selectionEnd() - c.selectionStart();
  return MaxLength - (static_cast<int>(toPlainText().size()) - selected);
}

void TSignatureEdit::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool inserts = !text.isEmpty() && (text.at(0).isPrint() || event->key() == Qt::Key_Return ||
                                           event->key() == Qt::Key_Enter);
  if (inserts && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && Room() <= 0) return;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // A line break is text here, not the dialog's default button.
    if (Room() > 0) insertPlainText(QStringLiteral("\n"));
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TSignatureEdit::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return;
  insertPlainText(source->text().left(std::max(0, Room())));
}

TForm4::TForm4(QWidget* owner) : QDialog(owner) {
  setWindowTitle(tr("Create signature"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(ToQFont(TFontSpec{}));
  setFixedSize(295, 137);
  auto* layout = new AlignLayout(this);

  cypnl1 = new TCyPanel(this);
  cypnl1->resize(295, 89);
  cypnl1->SetCaption(tr("Enter your signature:"));
  cypnl1->SetAlignment(taLeftJustify);
  cypnl1->SetLayout(tlTop);
  cypnl1->Degrade().SetFromColor(clYellow);
  cypnl1->Degrade().SetToColor(clOrange);
  layout->Add(cypnl1, TAlign::alTop);
  edt1 = new TSignatureEdit(cypnl1);
  edt1->setGeometry(4, 15, 287, 70);

  cypnl2 = new TCyPanel(this);
  cypnl2->Degrade().SetFromColor(clAqua);
  cypnl2->Degrade().SetToColor(clBlue);
  layout->Add(cypnl2, TAlign::alClient);

  auto button = [this](TAlign side) {
    auto* b = new TcyBitBtn(cypnl2);
    b->resize(75, 40);
    b->Degrade().SetFromColor(clYellow);
    b->Degrade().SetToColor(clOrange);
    b->Degrade().SetSpeedPercent(90);
    cypnl2->ChildLayout()->Add(b, side, WithMargins());
    return b;
  };
  btn1 = button(TAlign::alLeft);
  btn1->SetKind(bkOK);
  btn3 = button(TAlign::alLeft);
  btn3->setToolTip(tr("Set signature font"));
  btn3->SetGlyph(art::Glyph(art::GlyphId::btn12));
  btn2 = button(TAlign::alRight);
  btn2->SetKind(bkCancel);
  connect(btn3, &TcyBitBtn::clicked, this, &TForm4::btn3Click);

  ApplyFontToBox(dlgFont1);
  CenterOver(this, owner);
}

int TForm4::exec() {
  CenterOver(this, parentWidget());
  edt1->setFocus();
  return QDialog::exec();
}

void TForm4::ApplyFontToBox(const FontChoice& font) { ShowInFont(edt1, font, QPalette::Text); }

void TForm4::btn3Click() {
  if (!ChooseFont(dlgFont1, this)) return;
  ApplyFontToBox(dlgFont1);
}

QString TForm4::SignatureText() const { return edt1->toPlainText().left(TSignatureEdit::MaxLength); }

}  // namespace pintoola
