#pragma once
// The signature dialog: a short text and its font, kept for the whole run.
#include <QDialog>
#include <QPlainTextEdit>

#include "platform/FontDialog.h"

namespace pintoola {

class TCyPanel;
class TcyBitBtn;

// A text box that takes at most MaxLength characters; a typed line break is one of them and kept.
class TSignatureEdit : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TSignatureEdit(QWidget* parent = nullptr);
  static constexpr int MaxLength = 30;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  int Room() const;
};

class TForm4 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* owner);

  void btn3Click();
  // The text as plain characters, line breaks included.
  QString SignatureText() const;
  int exec() override;
  // The close box and Escape answer Cancel.
  void reject() override { done(2); }

  TCyPanel* cypnl1;
  TSignatureEdit* edt1;
  TCyPanel* cypnl2;
  TcyBitBtn* btn1;
  TcyBitBtn* btn3;
  TcyBitBtn* btn2;
  FontChoice dlgFont1;

 private:
  void ApplyFontToBox(const FontChoice& font);
};

extern TForm4* Form4;

}  // namespace pintoola
