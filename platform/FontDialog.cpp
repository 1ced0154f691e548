#include "platform/FontDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/SignatureStamp.h"
#include "platform/DrawSurface.h"
#include "platform/TextStamp.h"

namespace pintoola {

const NamedColor kStandardColors[16] = {
    {clBlack, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Black")},
    {clMaroon, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Maroon")},
    {clGreen, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Green")},
    {clOlive, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Olive")},
    {clNavy, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Navy")},
    {clPurple, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Purple")},
    {clTeal, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Teal")},
    {clGray, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Gray")},
    {clSilver, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Silver")},
    {clRed, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Red")},
    {clLime, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Lime")},
    {clYellow, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Yellow")},
    {clBlue, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Blue")},
    {clFuchsia, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Fuchsia")},
    {clAqua, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "Aqua")},
    {clWhite, QT_TRANSLATE_NOOP("pintoola::TFontDialog", "White")},
};

TFontDialog::TFontDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Font"));
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("&Font:")), 0, 0);
  families = new QListWidget;
  families->addItems(QFontDatabase::families());
  grid->addWidget(families, 1, 0, 3, 1);
  grid->addWidget(new QLabel(tr("&Size:")), 0, 1);
  size = new QSpinBox;
  size->setRange(1, 400);
  grid->addWidget(size, 1, 1);

  auto* effects = new QGroupBox(tr("Effects"));
  auto* ev = new QVBoxLayout(effects);
  bold = new QCheckBox(tr("&Bold"));
  italic = new QCheckBox(tr("&Italic"));
  underline = new QCheckBox(tr("&Underline"));
  strikeOut = new QCheckBox(tr("Stri&keout"));
  for (QCheckBox* c : {bold, italic, underline, strikeOut}) ev->addWidget(c);
  ev->addWidget(new QLabel(tr("&Color:")));
  color = new QComboBox;
  for (const NamedColor& c : kStandardColors) {
    QPixmap chip(14, 14);
    chip.fill(ToQColor(c.color));
    color->addItem(QIcon(chip), tr(c.name), c.color);
  }
  ev->addWidget(color);
  grid->addWidget(effects, 2, 1);

  auto* sampleBox = new QGroupBox(tr("Sample"));
  auto* sv = new QVBoxLayout(sampleBox);
  sample = new QLabel("AaBbYyZz");
  sample->setAlignment(Qt::AlignCenter);
  sample->setMinimumHeight(48);
  sv->addWidget(sample);
  grid->addWidget(sampleBox, 4, 0, 1, 2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  grid->addWidget(buttons, 5, 0, 1, 2);
  setLayout(grid);

  connect(families, &QListWidget::currentRowChanged, this, &TFontDialog::UpdateSample);
  connect(size, &QSpinBox::valueChanged, this, &TFontDialog::UpdateSample);
  for (QCheckBox* c : {bold, italic, underline, strikeOut}) connect(c, &QCheckBox::toggled, this, &TFontDialog::UpdateSample);
  connect(color, &QComboBox::currentIndexChanged, this, &TFontDialog::UpdateSample);
}

void TFontDialog::SetChoice(const FontChoice& choice) {
  const auto found = families->findItems(choice.name, Qt::MatchFixedString);
  if (!found.isEmpty()) {
    families->setCurrentItem(found.front());
  } else {
    // A font the system lacks stays selectable under its own name.
    families->insertItem(0, choice.name);
    families->setCurrentRow(0);
  }
  size->setValue(choice.size);
  bold->setChecked(choice.bold);
  italic->setChecked(choice.italic);
  underline->setChecked(choice.underline);
  strikeOut->setChecked(choice.strikeOut);
  const int at = color->findData(ColorToRGB(choice.color));
  color->setCurrentIndex(at >= 0 ? at : 0);
  UpdateSample();
}

FontChoice TFontDialog::Choice() const {
  FontChoice c;
  if (families->currentItem()) c.name = families->currentItem()->text();
  c.size = size->value();
  c.bold = bold->isChecked();
  c.italic = italic->isChecked();
  c.underline = underline->isChecked();
  c.strikeOut = strikeOut->isChecked();
  c.color = color->currentData().toInt();
  return c;
}

void ShowInFont(QWidget* widget, const FontChoice& choice, QPalette::ColorRole textRole) {
  QFont f(choice.name);
  f.setPixelSize(FontPixelHeight(choice.size, ScreenPixelsPerInch()));
  f.setBold(choice.bold);
  f.setItalic(choice.italic);
  f.setUnderline(choice.underline);
  f.setStrikeOut(choice.strikeOut);
  widget->setFont(f);
  QPalette pal = widget->palette();
  pal.setColor(textRole, ToQColor(choice.color));
  widget->setPalette(pal);
}

void TFontDialog::UpdateSample() { ShowInFont(sample, Choice(), QPalette::WindowText); }

bool ChooseFont(FontChoice& choice, QWidget* parent) {
  TFontDialog dialog(parent);
  dialog.SetChoice(choice);
  if (dialog.exec() != QDialog::Accepted) return false;
  choice = dialog.Choice();
  return true;
}

}  // namespace pintoola
