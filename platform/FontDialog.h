#pragma once
// The font chooser: family, size, style, effects and one of the sixteen standard colours.
#include <QDialog>
#include <QPalette>
#include <QString>

#include "core/Colors.h"

class QListWidget;
class QSpinBox;
class QCheckBox;
class QComboBox;
class QLabel;

namespace pintoola {

struct FontChoice {
  QString name = QStringLiteral("Tahoma");
  int size = 8;  // points
  TColor color = clWindowText;
  bool bold = false, italic = false, underline = false, strikeOut = false;
  friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

// The sixteen standard colours offered for text, with their names.
struct NamedColor {
  TColor color;
  const char* name;  // source text in the pintoola::TFontDialog context
};
extern const NamedColor kStandardColors[16];

class TFontDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TFontDialog(QWidget* parent = nullptr);

  void SetChoice(const FontChoice& choice);
  FontChoice Choice() const;

  QListWidget* families;
  QSpinBox* size;
  QCheckBox *bold, *italic, *underline, *strikeOut;
  QComboBox* color;
  QLabel* sample;

 private:
  void UpdateSample();
};

// Gives a widget the chosen font, at the size the signature will have on the page, and colour.
void ShowInFont(QWidget* widget, const FontChoice& choice, QPalette::ColorRole textRole);

// Runs the chooser starting from `choice`; on OK stores the result there and returns true.
bool ChooseFont(FontChoice& choice, QWidget* parent);

}  // namespace pintoola
