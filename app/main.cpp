// Start-up: one application object, six windows created once, one event loop.
#include "app/Startup.h"
#include "app/frmMain.h"
#include "engine/PageBitmap.h"
#include "platform/Application.h"
#include "platform/QtBitmapDecoder.h"

using namespace pintoola;

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  QtCompressedBitmapDecoder decoder;
  PageBitmap::SetCompressedDecoder(&decoder);
  InstallArtwork();
  CreateWindows();
  Form1->ShowMaximized();
  const int code = app.exec();
  DestroyWindows();
  PageBitmap::SetCompressedDecoder(nullptr);
  return code;
}
