#include "app/Startup.h"

#include <QApplication>

#include "app/ABOUT.h"
#include "app/PicLibFrm.h"
#include "app/ProjLibFrm.h"
#include "app/ProjectAddFrm.h"
#include "app/frmMain.h"
#include "app/signFrm.h"
#include "art/Artwork.h"
#include "styled/cyBaseButton.h"

namespace pintoola {

void InstallArtwork() {
  QApplication::setWindowIcon(art::ProgramIcon());
  // The kinds after bkCustom follow the artwork's order of kind glyphs.
  SetKindGlyphProvider([](TBitBtnKind kind) {
    return kind == bkCustom ? QImage() : art::KindGlyph(static_cast<art::KindGlyphId>(kind - 1));
  });
}

void CreateWindows() {
  Form1 = new TForm1();
  Form2 = new TForm2(Form1);
  AboutBox = new TAboutBox(Form1);
  Form3 = new TForm3(Form1);
  Form4 = new TForm4(Form1);
  Form5 = new TForm5(Form1);
}

void DestroyWindows() {
  // The history and the page go with the main window; the dialogs are its children.
  delete Form1;
  Form1 = nullptr;
  Form2 = nullptr;
  AboutBox = nullptr;
  Form3 = nullptr;
  Form4 = nullptr;
  Form5 = nullptr;
}

}  // namespace pintoola
