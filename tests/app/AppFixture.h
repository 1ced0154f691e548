#pragma once
// A main window (and its dialogs) over a fresh folder standing in for the executable's own.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/ABOUT.h"
#include "app/PicLibFrm.h"
#include "app/ProjLibFrm.h"
#include "app/ProjectAddFrm.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/signFrm.h"
#include "core/Errors.h"
#include "engine/PageBitmap.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "support/AnswerWindow.h"

namespace pintoola::testing {

// Writes a 24-bit bottom-up BMP whose pixel (x, y) is colour(x, y).
template <typename F>
void WriteBmp(const std::string& path, int w, int h, F colour) {
  PageBitmap page;
  page.SetSize(w, h);
  PageWriter writer(page);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = writer.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      const TColor c = colour(x, y);
      row[3 * x] = GetBValue(c);
      row[3 * x + 1] = GetGValue(c);
      row[3 * x + 2] = GetRValue(c);
    }
  }
  writer.Commit();
  page.SaveToFile(path);
}

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    base = dir.path().toStdString() + "/";
    SetExeFolderForTesting(base);
    SetMessageBoxScript([this](const MessageRequest& r) {
      messages.push_back(r);
      return answer;
    });
    CreateWindows();
  }
  void TearDown() override {
    DestroyWindows();
    SetMessageBoxScript(nullptr);
    SetExeFolderForTesting("");
  }

  // Before the windows exist, so that the folder check and the first scans see them.
  virtual void PrepareFolder() {}

  void CreateWindows() {
    PrepareFolder();
    InstallArtwork();
    pintoola::CreateWindows();
    form = Form1;
  }
  void DestroyWindows() {
    pintoola::DestroyWindows();
    form = nullptr;
  }

  QTemporaryDir dir;
  std::string base;
  TForm1* form = nullptr;
  std::vector<MessageRequest> messages;
  TModalResult answer = mrOk;
};

}  // namespace pintoola::testing
