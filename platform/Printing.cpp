#include "platform/Printing.h"

#include <QPrintDialog>

#include "core/Errors.h"
#include "platform/DrawSurface.h"
#include "platform/PageImage.h"

namespace pintoola {

TPrinter::TPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  printer_->setDocName(QString());
  printer_->setFullPage(false);
}

TPrinter::~TPrinter() {
  if (painter_) painter_->end();
}

void TPrinter::BeginDoc() {
  if (Printing()) throw EPintoolaError("Printing in progress");
  if (!printer_->isValid()) throw EPintoolaError("Printer selected is not valid");
  if (refuseStart_) return;
  auto painter = std::make_unique<QPainter>();
  if (painter->begin(printer_.get())) painter_ = std::move(painter);
}

QPainter& TPrinter::Canvas() {
  if (!Printing()) throw EPintoolaError("Printer is not currently printing");
  return *painter_;
}

void TPrinter::EndDoc() {
  if (!Printing()) throw EPintoolaError("Printer is not currently printing");
  painter_->end();
  painter_.reset();
}

bool RunPrintDialog(TPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer.Device(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  // No "Print to File (PDF)" entry; a PDF printer installed in the system is listed like any other.
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, true);
  return dialog.exec() == QDialog::Accepted;
}

int PrintScale(int printerDpi, int screenDpi) { return screenDpi > 0 ? printerDpi / screenDpi : 0; }

TRect PrintTarget(int width, int height, int scaleX, int scaleY) { return Rect(0, 0, width * scaleX, height * scaleY); }

void PrintPage(TPrinter& printer, const PageBitmap& page, int screenDpi) {
  printer.BeginDoc();
  // The document is ended whatever happens while drawing; an error in ending it wins.
  std::exception_ptr drawError;
  try {
    const int sx = PrintScale(printer.Device().logicalDpiX(), screenDpi);
    const int sy = PrintScale(printer.Device().logicalDpiY(), screenDpi);
    const TRect target = PrintTarget(page.Width(), page.Height(), sx, sy);
    QPainter& canvas = printer.Canvas();
    if (!target.IsEmpty()) {
      canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
      canvas.drawImage(ToQRect(target), ToQImage(page));
    }
  } catch (...) {
    drawError = std::current_exception();
  }
  printer.EndDoc();
  if (drawError) std::rethrow_exception(drawError);
}

}  // namespace pintoola
