#include "art/Pages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>

#include "art/BmpWriter.h"
#include "art/PageCheck.h"
#include "engine/PageBitmap.h"
#include "engine/RegionFill.h"

namespace pintoola::art {
namespace {

QString ImagesFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/images/"); }

QImage ToQImage(const PageBitmap& page) {
  QImage out(page.Width(), page.Height(), QImage::Format_RGB32);
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x) {
      const TColor c = page.Pixels(x, y);
      out.setPixel(x, y, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
    }
  return out;
}

// Each bundled page, as the build wrote it beside the test executable.
class BundledPageTest : public ::testing::TestWithParam<size_t> {
 protected:
  void SetUp() override {
    const QString path = ImagesFolder() + Page().fileName;
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    bitmap.LoadFromFile(path.toStdString());
  }
  const BundledPage& Page() const { return BundledPages().at(GetParam()); }
  PageBitmap bitmap;
};

// At most 736 pixels wide to print whole on A4 and Letter in portrait; at most 700 high to show whole
// on a 1366 × 768 screen (and print whole at the same scale).
TEST_P(BundledPageTest, LoadsAsA24BitPictureWithinThePrintableSize) {
  EXPECT_EQ(bitmap.Depth(), 24);
  EXPECT_FALSE(bitmap.Image()->topDown);
  EXPECT_LE(bitmap.Width(), 736);
  EXPECT_LE(bitmap.Height(), 700);
  // Drawn as large as the rule lets it be, not smaller.
  EXPECT_TRUE(bitmap.Width() == 736 || bitmap.Height() == 700) << bitmap.Width() << " x " << bitmap.Height();
  // The file is exactly the drawing: no stale page from an older build.
  EXPECT_EQ(ToQImage(bitmap), RenderPage(Page()));
}

TEST_P(BundledPageTest, HoldsOnlyBlackAndWhite) {
  int black = 0, white = 0, other = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor c = bitmap.Pixels(x, y);
      black += c == clBlack;
      white += c == clWhite;
      other += c != clBlack && c != clWhite;
    }
  EXPECT_EQ(other, 0);
  EXPECT_GT(black, 0);
  EXPECT_GT(white, black);
}

TEST_P(BundledPageTest, HasManySeparateAreasThatFillsCannotLeakOutOf) {
  const RegionMap map = LabelRegions(ToQImage(bitmap), 255);
  EXPECT_GE(map.CountAtLeast(250), 8);
  EXPECT_GE(Page().seeds.size(), 8u);
  for (const QString& fault : CheckSeeds(map, PageSeeds(Page()))) ADD_FAILURE() << fault.toStdString();
}

// Fills every area of the page, each in its own colour, as a click would: a fill must end on the
// black line all round, with no pixel of another colour left between the two.
TEST_P(BundledPageTest, EveryFillReachesTheLinesAllRound) {
  const int w = bitmap.Width(), h = bitmap.Height();
  TColor next = 1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (bitmap.Pixels(x, y) == clWhite) FillRegion(bitmap, x, y, next++, bsSolid);
  ASSERT_GE(next - 1, 8) << "areas filled";
  std::vector<TColor> px(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) px[static_cast<size_t>(y) * w + x] = bitmap.Pixels(x, y);
  // Every pixel next to a filled one is of the same fill or black.
  int fringe = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const TColor c = px[static_cast<size_t>(y) * w + x];
      if (c == clBlack || c >= next) continue;
      const auto foreign = [&](int nx, int ny) {
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) return false;
        const TColor n = px[static_cast<size_t>(ny) * w + nx];
        return n != c && n != clBlack;
      };
      fringe += foreign(x - 1, y) || foreign(x + 1, y) || foreign(x, y - 1) || foreign(x, y + 1);
    }
  EXPECT_EQ(fringe, 0);
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
  EXPECT_EQ(ToQImage(bitmap), img);
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
