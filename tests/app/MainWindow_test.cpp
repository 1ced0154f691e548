#include <QTest>
#include <fstream>

#include "platform/Image.h"
#include "styled/cyBitBtn.h"
#include "styled/cyLabel.h"
#include "styled/cyPanel.h"
#include "styled/cySpeedButton.h"
#include "palette/CnColorGrid.h"
#include "platform/Panel.h"
#include "tests/app/AppFixture.h"

namespace pintoola::testing {
namespace {

// Geometry of a control relative to the window's client area.
QRect InWindow(QWidget* w, QWidget* window) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); }

class MainWindowLayout : public AppTest {};

TEST_F(MainWindowLayout, ControlsStandWhereTheDesignSizePutsThem) {
  form->resize(1122, 912);
  form->show();
  QCoreApplication::processEvents();
  QWidget* w = form;
  struct Case {
    const char* name;
    QWidget* control;
    QRect expected;
  } cases[] = {
      {"pnl1", form->pnl1, {0, 0, 1122, 57}},
      {"cypnl1", form->cypnl1, {1, 1, 1120, 55}},
      {"btn1", form->btn1, {5, 5, 75, 47}},
      {"btn4", form->btn4, {86, 5, 75, 47}},
      {"btn13", form->btn13, {5 + 7 * 81, 5, 75, 47}},
      {"btn19", form->btn19, {1042, 5, 75, 47}},
      {"btn8", form->btn8, {1120 - 3 - 75 - 81, 5, 75, 47}},
      {"btn26", form->btn26, {1120 - 3 - 75 - 162, 5, 75, 47}},
      {"pnl2", form->pnl2, {0, 57, 116, 855}},
      {"cnclrgrd1", form->cnclrgrd1, {1, 58, 115, 547}},
      {"pnl4", form->pnl4, {1, 605, 114, 306}},
      {"cypnl2", form->cypnl2, {2, 606, 112, 304}},
      {"cypnl3", form->cypnl3, {6, 610, 104, 41}},
      {"image3", form->image3, {10, 614, 96, 33}},
      {"lbl1", form->lbl1, {6, 655, 104, 13}},
      {"pnl3", form->pnl3, {116, 57, 892, 855}},
      {"image2", form->image2, {120, 61, 884, 847}},
      {"cypnl4", form->cypnl4, {1008, 57, 114, 855}},
      {"btn3", form->btn3, {1012, 61, 106, 40}},
      {"btn2", form->btn2, {1012, 107, 106, 40}},
      {"btn10", form->btn10, {1012, 61 + 6 * 46, 106, 40}},
      {"cypnl5", form->cypnl5, {1009, 58 + 7 * 46, 112, 110}},
      {"btn12", form->btn12, {1013, 58 + 322 + 20, 104, 40}},
      {"btn11", form->btn11, {1013, 58 + 322 + 66, 104, 40}},
      {"lbl2", form->lbl2, {1012, 58 + 322 + 110 + 3, 106, 13}},
  };
  for (const Case& c : cases) EXPECT_EQ(InWindow(c.control, w), c.expected) << c.name;
}

TEST_F(MainWindowLayout, HintsAndCaptions) {
  EXPECT_EQ(form->windowTitle(), "Pintoola");
  EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
  const std::pair<QWidget*, const char*> hints[] = {
      {form->btn1, "Open a new coloring page..."}, {form->btn4, "Open existing project..."},
      {form->btn20, "Undo last change"},           {form->btn22, "Reset coloring page"},
      {form->btn23, "Close coloring page"},        {form->btn24, "Save project..."},
      {form->btn25, "Print project..."},           {form->btn13, "Copy image to clipboard"},
      {form->btn19, "Exit to Windows"},            {form->btn8, "Minimize"},
      {form->btn26, "About..."},                   {form->btn3, "Solid fill"},
      {form->btn2, "Cross lines fill"},            {form->btn5, "Diagonal cross lines fill"},
      {form->btn7, "Vertical lines fill"},         {form->btn6, "Horizontal lines fill"},
      {form->btn9, "Diagonal lines fill 1"},       {form->btn10, "Diagonal lines fill 2"},
      {form->btn11, "Fix image"},                  {form->btn12, "Add your signature"},
      {form->cnclrgrd1, "Select a fill color"},    {form->image3, "Selected color"},
  };
  for (const auto& [control, hint] : hints) EXPECT_EQ(control->toolTip(), hint);
  EXPECT_TRUE(form->image2->toolTip().isEmpty());
}

TEST_F(MainWindowLayout, StateStartsAtItsInitialValues) {
  EXPECT_EQ(form->SelectedColor, clBlack);
  EXPECT_EQ(form->SelectedBrushStyle, bsSolid);
  EXPECT_TRUE(form->CurrentPageFile.empty());
  EXPECT_FALSE(form->SignatureMode);
  EXPECT_TRUE(form->UndoHistory.Empty());
  EXPECT_EQ(form->lbl1->Caption(), "0");
  EXPECT_EQ(form->lbl2->Caption(), "X, Y");
  EXPECT_FALSE(form->image3->HasPicture());
  EXPECT_FALSE(form->image2->HasPicture());
  EXPECT_FALSE(form->btn12->Down());
}

TEST_F(MainWindowLayout, TabOrderRunsThroughToolbarPaletteAndStyles) {
  form->show();
  QApplication::setActiveWindow(form);
  QWidget* expected[] = {form->btn1,  form->btn4,  form->btn20, form->btn22,     form->btn23, form->btn24,
                         form->btn25, form->btn26, form->btn19, form->btn8,      form->btn13, form->cnclrgrd1,
                         form->btn3,  form->btn2,  form->btn5,  form->btn6,      form->btn7,  form->btn9,
                         form->btn10, form->btn11};
  QWidget* w = expected[0];
  for (size_t i = 1; i < std::size(expected); ++i) {
    w = w->nextInFocusChain();
    while (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(form)) w = w->nextInFocusChain();
    EXPECT_EQ(w, expected[i]) << "position " << i;
  }
}

// ---- Folder check at creation --------------------------------------------------------------

TEST_F(AppTest, FreshFolderGetsBothStorageFolders) {
  EXPECT_TRUE(DirectoryExists(base + "images"));
  EXPECT_TRUE(DirectoryExists(base + "Projects"));
}

class PlainFileNamedProjects : public AppTest {
  void PrepareFolder() override { std::ofstream(base + "Projects") << "in the way"; }
};

TEST_F(PlainFileNamedProjects, IsLeftAloneAndSavingReportsTheFirstName) {
  EXPECT_FALSE(DirectoryExists(base + "Projects"));
  EXPECT_TRUE(messages.empty());
  form->image2->Picture().SetSize(5, 4);
  try {
    WithoutWindow(Form5, [this] { form->btn24Click(); });
    FAIL() << "saving into a missing folder must fail";
  } catch (const EPintoolaError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + base + "Projects/Sketcha1.bmp\". ", 0), 0u)
        << e.what();
  }
  std::ifstream kept(base + "Projects");
  std::string text;
  std::getline(kept, text);
  EXPECT_EQ(text, "in the way");
}

}  // namespace
}  // namespace pintoola::testing
