// Start-up: one application object, six windows created once in a fixed order, one event loop.
#include "app/ABOUT.h"
#include "app/PicLibFrm.h"
#include "app/ProjLibFrm.h"
#include "app/ProjectAddFrm.h"
#include "app/frmMain.h"
#include "app/signFrm.h"
#include "art/Artwork.h"
#include "platform/Application.h"
#include "platform/QtBitmapDecoder.h"

using namespace pintoola;

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  app.setWindowIcon(art::ProgramIcon());
  QtCompressedBitmapDecoder decoder;
  PageBitmap::SetCompressedDecoder(&decoder);

  // The main window comes first: its creation makes sure both folders exist before the library
  // dialogs look at them.
  Form1 = new TForm1();
  Form2 = new TForm2(Form1);
  AboutBox = new TAboutBox(Form1);
  Form3 = new TForm3(Form1);
  Form4 = new TForm4(Form1);
  Form5 = new TForm5(Form1);

  Form1->ShowMaximized();
  const int code = app.exec();

  // Dialogs are children of the main window and go with it; the history goes with it too.
  delete Form1;
  Form1 = nullptr;
  Form2 = nullptr;
  AboutBox = nullptr;
  Form3 = nullptr;
  Form4 = nullptr;
  Form5 = nullptr;
  PageBitmap::SetCompressedDecoder(nullptr);
  return code;
}
