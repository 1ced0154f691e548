#pragma once
// What the two library dialogs share: a thumbnail view above a bar with OK and Cancel, rescanned
// every time the dialog is shown. The dialog ends with 1 (OK) or 2 (Cancel); the caller then reads
// jvthmbvw1->SelectedFile().
#include <QDialog>
#include <string>

#include "thumbs/JvThumbViews.h"

namespace pintoola {

class TPanel;
class TCyPanel;
class TcyBitBtn;

struct LibrarySettings {
  const char* caption;  // source text in the pintoola::TLibraryForm context
  const char* folderName;  // inside the executable's folder
  int thumbSide;
  TViewType alignView;
  bool asButtons;
  TTitlePos titlePlacement;
};

class TLibraryForm : public QDialog {
  Q_OBJECT
 public:
  TLibraryForm(QWidget* owner, const LibrarySettings& settings);
  ~TLibraryForm() override;

  // The folder shown: the executable's folder + the folder name, without a trailing "/".
  std::string FolderPath() const;

  // Scan the folder; neither lets an error out (a broken folder shows an empty view).
  void FormCreate();
  void FormShow();
  void jvthmbvw1DblClick();

  // Escape and the close box end the dialog with Cancel (2), not with 0.
  void reject() override;

  TPanel* pnl1;
  TCyPanel* cypnl1;
  TcyBitBtn* btn1;
  TcyBitBtn* btn2;
  TPanel* pnl2;
  TJvThumbView* jvthmbvw1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Rescan();

  std::string FFolderName;
  bool FShownBefore = false;
};

}  // namespace pintoola
