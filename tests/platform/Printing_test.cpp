#include "platform/Printing.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/Errors.h"

namespace pintoola {
namespace {

TEST(PrintScale, WholeNumbersWithTheRemainderDropped) {
  struct Case {
    int printerDpi, screenDpi, scale;
  } cases[] = {{600, 96, 6}, {300, 96, 3}, {1200, 96, 12}, {72, 96, 0}, {96, 96, 1}, {191, 96, 1}, {600, 0, 0}};
  for (const Case& c : cases) EXPECT_EQ(PrintScale(c.printerDpi, c.screenDpi), c.scale) << c.printerDpi;
}

TEST(PrintTarget, FromTheTopLeftOfThePrintableArea) {
  EXPECT_EQ(PrintTarget(800, 600, 6, 6), Rect(0, 0, 4800, 3600));
  EXPECT_EQ(PrintTarget(800, 600, 6, 3), Rect(0, 0, 4800, 1800));
  EXPECT_TRUE(PrintTarget(800, 600, 0, 0).IsEmpty());
}

class PdfPrinting : public ::testing::Test {
 protected:
  void SetUp() override {
    printer.Device().setOutputFormat(QPrinter::PdfFormat);
    printer.Device().setOutputFileName(dir.path() + "/out.pdf");
    page.SetSize(40, 30, clRed);
  }
  QTemporaryDir dir;
  TPrinter printer;
  PageBitmap page;
};

TEST_F(PdfPrinting, PrintsOneDocumentAndEndsIt) {
  PrintPage(printer, page, 96);
  EXPECT_FALSE(printer.Printing());
  QFile pdf(dir.path() + "/out.pdf");
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(4) == "%PDF");
}

TEST_F(PdfPrinting, ASecondDocumentWhilePrintingIsRefused) {
  printer.BeginDoc();
  try {
    printer.BeginDoc();
    FAIL();
  } catch (const EPintoolaError& e) {
    EXPECT_STREQ(e.what(), "Printing in progress");
  }
  printer.EndDoc();
}

TEST_F(PdfPrinting, ARefusedStartReportsNotPrintingAtTheEnd) {
  printer.SetStartRefusedForTesting(true);
  try {
    PrintPage(printer, page, 96);
    FAIL();
  } catch (const EPintoolaError& e) {
    EXPECT_STREQ(e.what(), "Printer is not currently printing");
  }
  EXPECT_FALSE(QFile::exists(dir.path() + "/out.pdf"));
}

}  // namespace
}  // namespace pintoola

#include <QImage>

#include "support/PrintedSheet.h"

namespace pintoola {
namespace {

// Prints a 40 × 30 red page through a PDF printer of the given resolution with no margins and
// renders the sheet back at 100 dots per inch.
QImage PrintAndRender(int printerDpi, const QString& folder) {
  TPrinter printer;
  printer.Device().setOutputFormat(QPrinter::PdfFormat);
  printer.Device().setResolution(printerDpi);
  printer.Device().setPageMargins(QMarginsF(0, 0, 0, 0));
  printer.Device().setOutputFileName(folder + "/sheet.pdf");
  PageBitmap page;
  page.SetSize(40, 30, clRed);
  PrintPage(printer, page, 96);
  return testing::RenderSheet(folder + "/sheet.pdf", 100);
}

TEST(PrintedSheet, LandsAtTheTopLeftEnlargedByTheWholeNumberScale) {
  if (!testing::CanRenderSheets()) GTEST_SKIP() << "pdftoppm is missing";
  struct Case {
    int dpi;
    QRect expected;  // at 100 dpi: 40 × 30 pixels × scale dots ÷ printer dpi
  } cases[] = {
      {600, QRect(0, 0, 40, 30)},   // scale 6: 240 × 180 dots, 0.4 × 0.3 inch
      {300, QRect(0, 0, 40, 30)},   // scale 3: the same size on paper
      {1200, QRect(0, 0, 40, 30)},  // scale 12
      {144, QRect(0, 0, 28, 21)},   // scale 1: 40 dots at 144 dpi is 0.28 inch
      {72, QRect()},                // scale 0: a blank sheet, no error
  };
  for (const Case& c : cases) {
    QTemporaryDir dir;
    const QImage sheet = PrintAndRender(c.dpi, dir.path());
    ASSERT_FALSE(sheet.isNull()) << c.dpi;
    const QRect red = testing::RedArea(sheet);
    if (c.expected.isEmpty()) {
      EXPECT_TRUE(red.isEmpty()) << c.dpi;
      continue;
    }
    EXPECT_LE(std::abs(red.left() - c.expected.left()) + std::abs(red.top() - c.expected.top()), 1) << c.dpi;
    EXPECT_NEAR(red.width(), c.expected.width(), 1) << c.dpi;
    EXPECT_NEAR(red.height(), c.expected.height(), 1) << c.dpi;
  }
}

}  // namespace
}  // namespace pintoola

#include <QApplication>
#include <QComboBox>
#include <QPrintDialog>

#include "support/AnswerWindow.h"

namespace pintoola {
namespace {

TEST(PrintDialog, OffersNoPrintingToAFile) {
  TPrinter printer;
  bool toFile = true;
  QStringList entries;
  const bool accepted = testing::WithWindowOf<QPrintDialog>(
      [&](QPrintDialog* dialog) {
        toFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
        for (const QComboBox* box : dialog->findChildren<QComboBox*>())
          for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
        dialog->reject();
      },
      [&] { return RunPrintDialog(printer, nullptr); });
  EXPECT_FALSE(accepted);
  EXPECT_FALSE(toFile);
  for (const QString& entry : entries) EXPECT_FALSE(entry.contains("Print to File")) << entry.toStdString();
}

}  // namespace
}  // namespace pintoola
