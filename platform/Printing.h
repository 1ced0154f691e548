#pragma once
// One printer for the run: the print dialog keeps its choice and settings between print commands.
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "core/Geometry.h"
#include "engine/PageBitmap.h"

class QWidget;

namespace pintoola {

class TPrinter {
 public:
  TPrinter();
  ~TPrinter();

  QPrinter& Device() { return *printer_; }
  bool Printing() const { return painter_ != nullptr; }

  // Opens a document of one page. Throws "Printing in progress" while a document is open and
  // "Printer selected is not valid" when the device cannot be had; a refused start leaves the
  // printer not printing without an error.
  void BeginDoc();
  // Throws "Printer is not currently printing" when no document is open.
  QPainter& Canvas();
  void EndDoc();

  // Test hook: stands in for the device's answer to a document start.
  void SetStartRefusedForTesting(bool refused) { refuseStart_ = refused; }

 private:
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  bool refuseStart_ = false;
};

// The print dialog with no page range, selection, printing to a file or help; true when the user
// confirms it.
bool RunPrintDialog(TPrinter& printer, QWidget* parent);

// Whole-number enlargement from the screen to the printer, remainder dropped.
int PrintScale(int printerDpi, int screenDpi);
// Where the page lands, from the top-left corner of the printable area.
TRect PrintTarget(int width, int height, int scaleX, int scaleY);

// Prints the page as one document, enlarged by the whole-number scales.
void PrintPage(TPrinter& printer, const PageBitmap& page, int screenDpi);

}  // namespace pintoola
