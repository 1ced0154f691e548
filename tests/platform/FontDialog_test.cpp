#include "platform/FontDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include "support/AnswerWindow.h"

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
  auto choose = [&font](bool ok) {
    return testing::WithWindowOf<TFontDialog>(
        [ok](TFontDialog* d) {
          d->size->setValue(20);
          d->bold->setChecked(true);
          ok ? d->accept() : d->reject();
        },
        [&font] { return ChooseFont(font, nullptr); });
  };
  EXPECT_FALSE(choose(false));
  EXPECT_EQ(font.size, 8);
  EXPECT_TRUE(choose(true));
  EXPECT_EQ(font.size, 20);
  EXPECT_TRUE(font.bold);
}

}  // namespace
}  // namespace pintoola
