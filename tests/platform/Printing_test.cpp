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
