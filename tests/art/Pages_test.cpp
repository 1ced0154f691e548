#include "art/Pages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>

#include "art/BmpWriter.h"
#include "art/PageCheck.h"
#include "engine/PageBitmap.h"

namespace pintoola::art {
namespace {

QString ImagesFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/images/"); }

QImage ToQImage(const BitmapImage& img) {
  QImage out(img.width, img.height, QImage::Format_RGB32);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const TColor c = img.PixelAt(x, y);
      out.setPixel(x, y, qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    }
  return out;
}

// Each bundled page, as the build wrote it beside the test executable.
class BundledPageTest : public ::testing::TestWithParam<size_t> {};

TEST_P(BundledPageTest, LoadsAsA24BitPictureThatFitsTheSmallScreen) {
  const BundledPage& page = BundledPages().at(GetParam());
  const QString path = ImagesFolder() + page.fileName;
  ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
  PageBitmap bitmap;
  bitmap.LoadFromFile(path.toStdString());
  EXPECT_EQ(bitmap.Depth(), 24);
  EXPECT_FALSE(bitmap.Image()->topDown);
  EXPECT_GE(bitmap.Width(), 800);
  EXPECT_LE(bitmap.Width(), 1000);
  EXPECT_GE(bitmap.Height(), 600);
  EXPECT_LE(bitmap.Height(), 700);
  // The file is exactly the drawing: no stale page from an older build.
  EXPECT_EQ(ToQImage(*bitmap.Image()), RenderPage(page));
}

TEST_P(BundledPageTest, HasManySeparateAreasThatFillsCannotLeakOutOf) {
  const BundledPage& page = BundledPages().at(GetParam());
  PageBitmap bitmap;
  bitmap.LoadFromFile((ImagesFolder() + page.fileName).toStdString());
  const QImage image = ToQImage(*bitmap.Image());
  // 255: the areas a fill takes; 160: the same after "Fix image" has whitened the light greys.
  for (int openFrom : {255, 160}) {
    SCOPED_TRACE(openFrom);
    const RegionMap map = LabelRegions(image, openFrom);
    EXPECT_GE(map.CountAtLeast(400), 8);
    for (const QString& fault : CheckSeeds(map, page.seeds)) ADD_FAILURE() << fault.toStdString();
  }
  EXPECT_GE(page.seeds.size(), 8u);
}

TEST_P(BundledPageTest, LinesAreAntiAliasedSoFixImageHasWork) {
  const QImage image = RenderPage(BundledPages().at(GetParam()));
  const int pixels = image.width() * image.height();
  EXPECT_GT(CountGreyPixels(image), pixels / 200);
}

INSTANTIATE_TEST_SUITE_P(
    All, BundledPageTest, ::testing::Range<size_t>(0, BundledPages().size()), [](const auto& info) {
      return QFileInfo(BundledPages()[info.param].fileName).completeBaseName().toStdString();
    });

TEST(BundledPages, AtLeastTwelveWithDistinctFriendlyNames) {
  const auto& pages = BundledPages();
  EXPECT_GE(pages.size(), 12u);
  QStringList names;
  for (const BundledPage& page : pages) {
    EXPECT_TRUE(page.fileName.endsWith(QStringLiteral(".bmp")));
    EXPECT_TRUE(page.fileName.at(0).isUpper()) << page.fileName.toStdString();
    EXPECT_FALSE(names.contains(page.fileName, Qt::CaseInsensitive));
    names << page.fileName;
  }
}

// The encoder against the engine's reader, on a picture whose width needs row padding.
TEST(EncodeBmp24, WritesBottomUpBgrRowsPaddedToFourBytes) {
  QImage img(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) img.setPixel(x, y, qRgb(10 * x + 1, 50 * y + 2, 7 * x + 11 * y + 3));
  const QByteArray file = EncodeBmp24(img);
  const int stride = 16;  // 15 bytes of pixels, padded
  ASSERT_EQ(file.size(), 54 + stride * 3);
  const auto u32 = [&](int at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(file[at])) | static_cast<uint8_t>(file[at + 1]) << 8 |
           static_cast<uint8_t>(file[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(file[at + 3])) << 24;
  };
  EXPECT_EQ(file.left(2), QByteArray("BM"));
  EXPECT_EQ(u32(2), static_cast<uint32_t>(file.size()));
  EXPECT_EQ(u32(10), 54u);
  EXPECT_EQ(u32(14), 40u);
  EXPECT_EQ(static_cast<int32_t>(u32(22)), 3);  // positive: bottom-up
  EXPECT_EQ(static_cast<uint8_t>(file[28]), 24);
  // The first stored row is the bottom one, blue first.
  EXPECT_EQ(static_cast<uint8_t>(file[54]), qBlue(img.pixel(0, 2)));
  EXPECT_EQ(static_cast<uint8_t>(file[56]), qRed(img.pixel(0, 2)));
  EXPECT_EQ(file.mid(54 + 15, 1), QByteArray(1, '\0'));

  const QString path = QDir::temp().filePath(QStringLiteral("pintoola-art-test.bmp"));
  ASSERT_TRUE(WriteBmp24(img, path));
  PageBitmap bitmap;
  bitmap.LoadFromFile(path.toStdString());
  QFile::remove(path);
  EXPECT_EQ(ToQImage(*bitmap.Image()), img);
}

QImage Drawn(const std::function<void(QPainter&)>& draw) {
  QImage img(60, 40, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setPen(QPen(Qt::black, 1));
  draw(p);
  return img;
}

TEST(LabelRegions, ClosedRingIsItsOwnAreaAndAGapJoinsIt) {
  struct Case {
    const char* name;
    std::function<void(QPainter&)> draw;
    bool sealed;
  };
  const Case cases[] = {
      {"closed ring", [](QPainter& p) { p.drawRect(10, 10, 20, 15); }, true},
      {"ring with a one-pixel gap",
       [](QPainter& p) {
         p.drawRect(10, 10, 20, 15);
         p.setPen(Qt::white);
         p.drawPoint(20, 10);
       },
       false},
      // A fill moves only up, down, left and right, so a diagonal step in the line does not leak.
      {"diagonal line",
       [](QPainter& p) {
         p.drawPolygon(QPolygon({{10, 20}, {20, 10}, {30, 20}, {20, 30}}));
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RegionMap map = LabelRegions(Drawn(c.draw), 255);
    const auto faults = CheckSeeds(map, {QPoint(20, 17)});
    EXPECT_EQ(faults.empty(), c.sealed);
  }
}

TEST(LabelRegions, LightGreyOpensOnlyFromItsThreshold) {
  const QImage img = Drawn([](QPainter& p) {
    p.drawRect(10, 10, 20, 15);
    p.setPen(QColor(170, 170, 170));
    p.drawPoint(20, 10);
  });
  EXPECT_TRUE(CheckSeeds(LabelRegions(img, 255), {QPoint(20, 17)}).empty());
  EXPECT_FALSE(CheckSeeds(LabelRegions(img, 160), {QPoint(20, 17)}).empty());
}

TEST(CheckSeeds, ReportsSeedsOnLinesSharedAreasAndOutsidePoints) {
  const RegionMap map = LabelRegions(Drawn([](QPainter& p) { p.drawRect(10, 10, 20, 15); }), 255);
  EXPECT_EQ(CheckSeeds(map, {QPoint(10, 10)}).size(), 1u);                  // on the line
  EXPECT_EQ(CheckSeeds(map, {QPoint(15, 15), QPoint(25, 20)}).size(), 1u);  // same area twice
  EXPECT_EQ(CheckSeeds(map, {QPoint(70, 5)}).size(), 1u);                   // outside
  EXPECT_EQ(CheckSeeds(map, {QPoint(2, 2)}).size(), 1u);                    // the edge area
  EXPECT_EQ(map.CountAtLeast(200), 2);
  EXPECT_EQ(map.CountAtLeast(300), 1);
}

}  // namespace
}  // namespace pintoola::art
