#pragma once
// "Add colouring pages": the parent's way in without a terminal. For each picture it shows the
// original beside the cleaned page with every area tinted, and adds the page or skips it.
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "importer/Import.h"
#include "platform/PictureDecoder.h"

namespace pintoola::importer {

class ImportWindow : public QWidget {
  Q_OBJECT

 public:
  ImportWindow(QStringList files, QString folder, PrepareFunction prepare, QWidget* parent = nullptr);
  ~ImportWindow() override;

  QLabel* title;     // which picture, which page
  QLabel* original;  // the picture as it came
  QLabel* cleaned;   // the page it becomes, areas tinted
  QLabel* details;   // size, areas, gaps closed
  QLabel* outcome;   // what happened so far, one line per page or file
  QPushButton* addButton;
  QPushButton* skipButton;
  QPushButton* closeButton;

  int Added() const { return added_; }
  int Failed() const { return failed_; }

 private:
  void addClick();
  void skipClick();
  // Moves on to the next page that cleans up, reporting the ones that do not; shows the summary at
  // the end.
  void ShowNext();
  void Report(const QString& line);

  QStringList files_;
  QString folder_;
  PrepareFunction prepare_;
  qsizetype fileIndex_ = -1;
  std::unique_ptr<PictureFile> picture_;
  int pageIndex_ = 0;
  pageprep::InkMask mask_;
  int added_ = 0, skipped_ = 0, failed_ = 0;
};

}  // namespace pintoola::importer
