#include "importer/Import.h"

#include <QDir>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "engine/PageBitmap.h"
#include "importer/ImportWindow.h"
#include "platform/QtBitmapDecoder.h"
#include "tests/importer/Fixtures.h"

namespace pintoola::importer {
namespace {

QByteArray Png(const QImage& image) { return test::Encoded(image, "PNG"); }

// Stands in for the clean-up where only the path around it is under test: ink where the picture is
// darker than mid-grey, at the picture's own size.
pageprep::InkMask Threshold(const pageprep::GreyImage& grey, pageprep::PrepReport& report) {
  pageprep::InkMask mask{grey.width, grey.height, {}};
  mask.ink.reserve(grey.pixels.size());
  for (uint8_t v : grey.pixels) mask.ink.push_back(v < 128 ? 1 : 0);
  report.areas = 7;
  report.gapsClosed = 3;
  return mask;
}

class ImportTest : public ::testing::Test {
 protected:
  void SetUp() override { PageBitmap::SetCompressedDecoder(&bmpDecoder_); }
  void TearDown() override { PageBitmap::SetCompressedDecoder(nullptr); }

  QString Source(const QString& name, const QByteArray& bytes) {
    const QString path = sources_.filePath(name);
    EXPECT_TRUE(test::WriteFile(path, bytes));
    return path;
  }
  QStringList Pages() const { return QDir(pages_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
  QString Page(const QString& name) const { return pages_.filePath(name); }

  int Import(const QStringList& files, QString* out = nullptr, QString* err = nullptr) {
    QString o, e;
    QTextStream outStream(&o), errStream(&e);
    const int code = ImportFiles(files, pages_.path(), Threshold, outStream, errStream);
    if (out) *out = o;
    if (err) *err = e;
    return code;
  }

  QTemporaryDir sources_, pages_;
  QtCompressedBitmapDecoder bmpDecoder_;
};

TEST(PageNames, ComeFromThePictureAndItsPageNumber) {
  struct Case {
    const char* path;
    int page, pages;
    const char* name;
  } cases[] = {
      {"/a/b/cat.png", 0, 1, "cat"},         {"cat", 0, 1, "cat"},
      {"my.best.cat.jpeg", 0, 1, "my.best.cat"}, {"/x/.hidden.png", 0, 1, "hidden"},
      {"/x/....png", 0, 1, "page"},          {"/x/book.pdf", 0, 3, "book 1"},
      {"/x/book.pdf", 2, 3, "book 3"},       {"/x/one page.pdf", 0, 1, "one page"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PageBaseName(QString::fromUtf8(c.path), c.page, c.pages).toStdString(), c.name) << c.path;
}

TEST_F(ImportTest, APageReadsBackExactlyAsWrittenAndNoneIsEverReplaced) {
  // A 5 x 4 page: rows padded to 16 bytes, so the row order and padding are both seen.
  pageprep::InkMask mask{5, 4, {1, 0, 0, 0, 0,  //
                                0, 1, 0, 0, 1,  //
                                0, 0, 1, 0, 0,  //
                                1, 1, 1, 1, 1}};
  const QString first = WritePage(mask, pages_.path(), QStringLiteral("cat"));
  EXPECT_EQ(first, Page("cat.bmp"));
  const QByteArray firstBytes = test::ReadFile(first);

  PageBitmap page;
  page.LoadFromFile(first.toStdString());
  ASSERT_EQ(page.Width(), 5);
  ASSERT_EQ(page.Height(), 4);
  EXPECT_EQ(page.Depth(), 24);
  EXPECT_EQ(firstBytes.size(), 14 + 40 + 4 * 16);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(page.Pixels(x, y), mask.ink[y * 5 + x] ? 0x000000 : 0xFFFFFF) << x << "," << y;

  pageprep::InkMask other{2, 2, {1, 1, 1, 1}};
  EXPECT_EQ(WritePage(other, pages_.path(), QStringLiteral("cat")), Page("cat 2.bmp"));
  EXPECT_EQ(WritePage(other, pages_.path(), QStringLiteral("cat")), Page("cat 3.bmp"));
  EXPECT_EQ(test::ReadFile(first), firstBytes);
  EXPECT_EQ(Pages(), (QStringList{"cat 2.bmp", "cat 3.bmp", "cat.bmp"}));  // no temporary left behind

  EXPECT_THROW(WritePage(pageprep::InkMask{}, pages_.path(), QStringLiteral("empty")), EPintoolaError);
  EXPECT_EQ(Pages().size(), 3);
}

TEST_F(ImportTest, BadFilesAreReportedAndTheOthersOfTheCallStillLand) {
  const QString good = Source("cat.png", Png(test::MarkedPicture(40, 30)));
  const QString empty = Source("empty.png", "");
  const QString notPicture = Source("letter.jpg", "Dear Santa,\n");
  const QString bomb = Source("bomb.png", test::PngClaiming(Png(test::MarkedPicture(40, 30)), 30000, 30000));
  const QString svg = Source("linked.svg", "<svg xmlns='http://www.w3.org/2000/svg'><image href='/etc/hostname'/></svg>");
  const QString locked = Source("locked.pdf", test::EncryptedPdf());
  const QString dog = Source("dog.png", Png(test::MarkedPicture(20, 20)));

  QString out, err;
  EXPECT_EQ(Import({empty, good, notPicture, sources_.path(), bomb, svg, locked, dog}, &out, &err), 1);
  EXPECT_EQ(Pages(), (QStringList{"cat.bmp", "dog.bmp"}));
  EXPECT_EQ(out, Page("cat.bmp") + ": 40 × 30 pixels, 7 areas, 3 gaps closed\n" + Page("dog.bmp") +
                     ": 20 × 20 pixels, 7 areas, 3 gaps closed\n");
  EXPECT_EQ(err, empty + ": is empty\n" + notPicture + ": is not a picture Pintoola can read\n" + sources_.path() +
                     ": is a folder\n" + bomb + ": is too large: 30000 × 30000 pixels, more than 100 million\n" + svg +
                     ": names other files, addresses or entities, which are never read\n" + locked +
                     ": is protected by a password\n");

  // Again, under the same names: the first pages stay as they are.
  const QByteArray cat = test::ReadFile(Page("cat.bmp"));
  EXPECT_EQ(Import({good}, &out), 0);
  EXPECT_EQ(out, Page("cat 2.bmp") + ": 40 × 30 pixels, 7 areas, 3 gaps closed\n");
  EXPECT_EQ(test::ReadFile(Page("cat.bmp")), cat);
  EXPECT_EQ(test::ReadFile(Page("cat 2.bmp")), cat);
}

TEST_F(ImportTest, EveryPageOfAPdfIsNumbered) {
  const QString book = sources_.filePath("book.pdf");
  {
    QPdfWriter writer(book);
    QPainter painter(&writer);
    painter.fillRect(0, 0, 500, 500, Qt::black);
    writer.newPage();
    writer.newPage();
  }
  EXPECT_EQ(Import({book}), 0);
  EXPECT_EQ(Pages(), (QStringList{"book 1.bmp", "book 2.bmp", "book 3.bmp"}));
  EXPECT_EQ(Import({book}), 0);
  EXPECT_EQ(Pages().size(), 6);
  EXPECT_TRUE(Pages().contains("book 1 2.bmp"));
}

TEST(Arguments, AreReadOrRefusedAsAUsageError) {
  struct Case {
    QStringList arguments;
    const char* folder;
    bool window;
    QStringList files;
    const char* error;
  } cases[] = {
      {{"a.png"}, "", false, {"a.png"}, ""},
      {{"--into", "/p", "a.png", "b.pdf"}, "/p", false, {"a.png", "b.pdf"}, ""},
      {{"--into=/p", "a.png"}, "/p", false, {"a.png"}, ""},
      {{"--window"}, "", true, {}, ""},
      {{"--window", "--", "--into"}, "", true, {"--into"}, ""},
      {{}, "", false, {}, "no picture named"},
      {{"--into", "/p"}, "/p", false, {}, "no picture named"},
      {{"a.png", "--into"}, "", false, {"a.png"}, "--into needs a folder"},
      {{"--into=", "a.png"}, "", false, {}, "--into needs a folder"},
      {{"--into", "/p", "--into", "/q", "a.png"}, "/p", false, {}, "--into given twice"},
      {{"-x", "a.png"}, "", false, {}, "unknown option -x"},
  };
  for (const Case& c : cases) {
    const Options options = ParseArguments(c.arguments);
    EXPECT_EQ(options.usageError.toStdString(), c.error) << c.arguments.join(' ').toStdString();
    if (options.usageError.isEmpty()) {
      EXPECT_EQ(options.folder.toStdString(), c.folder);
      EXPECT_EQ(options.window, c.window);
      EXPECT_EQ(options.files, c.files);
    }
  }
}

TEST(TintedAreas, GiveSeparateAreasTheirOwnColourAndKeepTheInkBlack) {
  // Two areas left and right of a line, and a third closed in a box of ink (the box's middle).
  pageprep::InkMask mask{7, 3, {0, 1, 1, 1, 1, 1, 0,  //
                                0, 1, 1, 0, 1, 1, 0,  //
                                0, 1, 1, 1, 1, 1, 0}};
  const QImage tinted = TintedAreas(mask);
  ASSERT_EQ(tinted.size(), QSize(7, 3));
  EXPECT_EQ(tinted.pixel(1, 0), qRgb(0, 0, 0));
  EXPECT_EQ(tinted.pixel(0, 0), tinted.pixel(0, 2));
  EXPECT_NE(tinted.pixel(0, 0), tinted.pixel(6, 0));
  EXPECT_NE(tinted.pixel(3, 1), tinted.pixel(0, 0));
  EXPECT_NE(tinted.pixel(3, 1), tinted.pixel(6, 0));
  for (QPoint p : {QPoint(0, 0), QPoint(3, 1), QPoint(6, 2)}) EXPECT_GT(qGray(tinted.pixel(p)), 150);  // pale
}

TEST_F(ImportTest, TheWindowAddsOrSkipsEachPageAndSaysWhatHappened) {
  const QString cat = Source("cat.png", Png(test::MarkedPicture(40, 30)));
  const QString broken = Source("broken.png", "not at all");
  const QString dog = Source("dog.png", Png(test::MarkedPicture(20, 20)));
  ImportWindow window({cat, broken, dog}, pages_.path(), Threshold);
  window.show();
  EXPECT_EQ(window.windowTitle(), "Add colouring pages");
  EXPECT_TRUE(window.title->text().startsWith("cat"));
  ASSERT_FALSE(window.original->pixmap().isNull());
  ASSERT_FALSE(window.cleaned->pixmap().isNull());
  EXPECT_EQ(window.details->text(), "40 × 30 pixels, 7 areas, 3 gaps closed");

  QTest::mouseClick(window.addButton, Qt::LeftButton);
  EXPECT_EQ(Pages(), QStringList{"cat.bmp"});
  // The broken file is reported, not shown: the next picture is the dog.
  EXPECT_TRUE(window.title->text().startsWith("dog"));
  QTest::mouseClick(window.skipButton, Qt::LeftButton);
  EXPECT_EQ(Pages(), QStringList{"cat.bmp"});

  EXPECT_EQ(window.outcome->text(),
            "Added cat.bmp\nCould not read broken.png: it is not a picture Pintoola can read\nSkipped dog");
  EXPECT_EQ(window.title->text(), "Done.");
  EXPECT_EQ(window.details->text(), "Pages added: 1, skipped: 1, not added: 1.");
  EXPECT_FALSE(window.addButton->isEnabled());
  EXPECT_EQ(window.Failed(), 1);
}

}  // namespace
}  // namespace pintoola::importer
