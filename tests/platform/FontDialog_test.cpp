#include "platform/FontDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTimer>

namespace pintoola {
namespace {

TEST(FontDialog, ChoiceRoundTripsThroughTheControls) {
  TFontDialog dialog;
  FontChoice in;
  in.name = "DejaVu Serif";
  in.size = 13;
  in.color = clTeal;
  in.italic = true;
  in.underline = true;
  in.strikeOut = true;
  dialog.SetChoice(in);
  EXPECT_EQ(dialog.Choice(), in);
  EXPECT_EQ(dialog.color->count(), 16);
}

TEST(FontDialog, UnknownFamilyAndSystemColourStaySelectable) {
  TFontDialog dialog;
  FontChoice in;
  in.name = "Tahoma";  // not installed on a plain Debian machine
  in.color = clWindowText;
  dialog.SetChoice(in);
  const FontChoice out = dialog.Choice();
  EXPECT_EQ(out.name, "Tahoma");
  EXPECT_EQ(out.color, clBlack) << "window text resolves to black, the first standard colour";
}

TEST(ChooseFont, OkStoresTheChoiceAndCancelKeepsIt) {
  FontChoice font;
  auto answer = [](bool ok) {
    QTimer::singleShot(0, [ok] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<TFontDialog*>(w); d && d->isVisible()) {
          d->size->setValue(20);
          d->bold->setChecked(true);
          ok ? d->accept() : d->reject();
        }
    });
  };
  answer(false);
  EXPECT_FALSE(ChooseFont(font, nullptr));
  EXPECT_EQ(font.size, 8);
  answer(true);
  EXPECT_TRUE(ChooseFont(font, nullptr));
  EXPECT_EQ(font.size, 20);
  EXPECT_TRUE(font.bold);
}

}  // namespace
}  // namespace pintoola
