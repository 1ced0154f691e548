#include "importer/ImportWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/Errors.h"

namespace pintoola::importer {

namespace {

constexpr int kPreviewWidth = 460;
constexpr int kPreviewHeight = 440;

QPixmap Preview(const QImage& image) {
  return QPixmap::fromImage(
      image.scaled(kPreviewWidth, kPreviewHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QImage FromGrey(const pageprep::GreyImage& grey) {
  QImage image(grey.pixels.data(), grey.width, grey.height, grey.width, QImage::Format_Grayscale8);
  return image.copy();
}

}  // namespace

ImportWindow::ImportWindow(QStringList files, QString folder, PrepareFunction prepare, QWidget* parent)
    : QWidget(parent), files_(std::move(files)), folder_(std::move(folder)), prepare_(std::move(prepare)) {
  setWindowTitle(tr("Add colouring pages"));
  title = new QLabel(this);
  original = new QLabel(this);
  cleaned = new QLabel(this);
  details = new QLabel(this);
  outcome = new QLabel(this);
  outcome->setWordWrap(true);
  outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
  for (QLabel* view : {original, cleaned}) {
    view->setMinimumSize(kPreviewWidth, kPreviewHeight);
    view->setAlignment(Qt::AlignCenter);
    view->setFrameShape(QFrame::StyledPanel);
  }
  original->setToolTip(tr("The picture"));
  cleaned->setToolTip(tr("The colouring page: each area has its own pale colour"));
  addButton = new QPushButton(tr("Add to pages"), this);
  skipButton = new QPushButton(tr("Skip"), this);
  closeButton = new QPushButton(tr("Close"), this);
  addButton->setDefault(true);

  auto* views = new QHBoxLayout;
  views->addWidget(original);
  views->addWidget(cleaned);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(addButton);
  buttons->addWidget(skipButton);
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(views);
  layout->addWidget(details);
  layout->addLayout(buttons);
  layout->addWidget(outcome);

  connect(addButton, &QPushButton::clicked, this, &ImportWindow::addClick);
  connect(skipButton, &QPushButton::clicked, this, &ImportWindow::skipClick);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  ShowNext();
}

ImportWindow::~ImportWindow() = default;

void ImportWindow::Report(const QString& line) {
  outcome->setText(outcome->text().isEmpty() ? line : outcome->text() + '\n' + line);
}

void ImportWindow::addClick() {
  const QString base = PageBaseName(files_[fileIndex_], pageIndex_, picture_->PageCount());
  try {
    const QString written = WritePage(mask_, folder_, base);
    Report(tr("Added %1").arg(QFileInfo(written).fileName()));
    ++added_;
  } catch (const EPintoolaError& e) {
    Report(tr("Could not add %1: %2").arg(base, QString::fromStdString(e.what())));
    ++failed_;
  }
  ++pageIndex_;
  ShowNext();
}

void ImportWindow::skipClick() {
  Report(tr("Skipped %1").arg(PageBaseName(files_[fileIndex_], pageIndex_, picture_->PageCount())));
  ++skipped_;
  ++pageIndex_;
  ShowNext();
}

void ImportWindow::ShowNext() {
  for (;;) {
    if (!picture_ || pageIndex_ >= picture_->PageCount()) {
      picture_.reset();
      pageIndex_ = 0;
      if (++fileIndex_ >= files_.size()) break;
      QString error;
      picture_ = OpenPicture(files_[fileIndex_], error);
      if (!picture_) {
        Report(tr("Could not read %1: it %2").arg(QFileInfo(files_[fileIndex_]).fileName(), error));
        ++failed_;
        continue;
      }
    }
    const QString name = PageBaseName(files_[fileIndex_], pageIndex_, picture_->PageCount());
    pageprep::GreyImage grey;
    QString error;
    if (!picture_->Page(pageIndex_, grey, error)) {
      Report(tr("Could not read %1: it %2").arg(name, error));
      ++failed_;
      ++pageIndex_;
      continue;
    }
    pageprep::PrepReport report;
    try {
      mask_ = prepare_(grey, report);
    } catch (const std::bad_alloc&) {
      Report(tr("Could not read %1: it is too large for the memory available").arg(name));
      ++failed_;
      ++pageIndex_;
      continue;
    }
    title->setText(tr("%1 (%2 of %3 pictures)").arg(name).arg(fileIndex_ + 1).arg(files_.size()));
    original->setPixmap(Preview(FromGrey(grey)));
    cleaned->setPixmap(Preview(TintedAreas(mask_)));
    details->setText(tr("%1 × %2 pixels, %3 areas, %4 gaps closed")
                         .arg(mask_.width)
                         .arg(mask_.height)
                         .arg(report.areas)
                         .arg(report.gapsClosed));
    addButton->setEnabled(true);
    skipButton->setEnabled(true);
    return;
  }
  title->setText(files_.isEmpty() ? tr("No picture chosen.") : tr("Done."));
  original->clear();
  cleaned->clear();
  details->setText(tr("Pages added: %1, skipped: %2, not added: %3.").arg(added_).arg(skipped_).arg(failed_));
  addButton->setEnabled(false);
  skipButton->setEnabled(false);
  closeButton->setDefault(true);
  closeButton->setFocus();
}

}  // namespace pintoola::importer
