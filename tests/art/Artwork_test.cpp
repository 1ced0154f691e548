#include "art/Artwork.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <cstdlib>
#include <set>
#include <vector>

#include "support/VectorSvg.h"

namespace pintoola::art {
namespace {

class GlyphTest : public ::testing::TestWithParam<int> {};

// The buttons leave out every pixel of the bottom-left pixel's colour, so that pixel must be the
// black key and nothing meant to show may be black.
TEST_P(GlyphTest, IsA32PixelKeyedPictureWithNoVisibleBlack) {
  const QImage g = Glyph(static_cast<GlyphId>(GetParam()));
  ASSERT_EQ(g.size(), QSize(32, 32));
  EXPECT_EQ(g.format(), QImage::Format_ARGB32);
  EXPECT_EQ(g.pixel(0, 31), 0u);
  int shown = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const QRgb c = g.pixel(x, y);
      if (c == 0) continue;
      ++shown;
      EXPECT_EQ(qAlpha(c), 255) << x << "," << y;
      EXPECT_NE(c & 0xFFFFFF, 0u) << x << "," << y;
    }
  // Something a child can see, and room left for the face to show around it.
  EXPECT_GT(shown, 150);
  EXPECT_LT(shown, 32 * 32 - 100);
}

INSTANTIATE_TEST_SUITE_P(All, GlyphTest, ::testing::Range(0, kGlyphCount));

TEST(Glyph, EveryButtonHasItsOwnPicture) {
  std::set<qint64> seen;
  for (int i = 0; i < kGlyphCount; ++i)
    EXPECT_TRUE(seen.insert(Glyph(static_cast<GlyphId>(i)).cacheKey()).second);
  for (int i = 0; i < kGlyphCount; ++i)
    for (int j = i + 1; j < kGlyphCount; ++j)
      EXPECT_NE(Glyph(static_cast<GlyphId>(i)), Glyph(static_cast<GlyphId>(j))) << i << " vs " << j;
}

// The line-pattern glyphs show their direction: vertical lines change along a row and not down a
// column, and the two diagonals mirror each other.
TEST(Glyph, PatternGlyphsRunTheWayTheirFillRuns) {
  const auto changes = [](const QImage& g, bool alongRow) {
    int n = 0;
    for (int i = 7; i < 25; ++i) {
      const QRgb a = alongRow ? g.pixel(i, 16) : g.pixel(16, i);
      const QRgb b = alongRow ? g.pixel(i + 1, 16) : g.pixel(16, i + 1);
      n += a != b ? 1 : 0;
    }
    return n;
  };
  const QImage vertical = Glyph(GlyphId::btn7), horizontal = Glyph(GlyphId::btn6);
  EXPECT_GT(changes(vertical, true), 4);
  EXPECT_EQ(changes(vertical, false), 0);
  EXPECT_GT(changes(horizontal, false), 4);
  EXPECT_EQ(changes(horizontal, true), 0);
  const QImage falling = Glyph(GlyphId::btn9), rising = Glyph(GlyphId::btn10);
  int mirrored = 0, total = 0;
  for (int y = 6; y < 26; ++y)
    for (int x = 6; x < 26; ++x, ++total) mirrored += falling.pixel(x, y) == rising.pixel(31 - x, y) ? 1 : 0;
  EXPECT_GT(mirrored, total * 9 / 10);
  EXPECT_NE(falling, rising);
}

TEST(KindGlyph, TwoCellsOfSixteenColoursOnTheOliveKey) {
  const std::pair<const char*, KindGlyphId> kinds[] = {
      {"BBOK", KindGlyphId::OK},       {"BBCANCEL", KindGlyphId::Cancel}, {"BBHELP", KindGlyphId::Help},
      {"BBYES", KindGlyphId::Yes},     {"BBNO", KindGlyphId::No},         {"BBCLOSE", KindGlyphId::Close},
      {"BBABORT", KindGlyphId::Abort}, {"BBRETRY", KindGlyphId::Retry},   {"BBIGNORE", KindGlyphId::Ignore},
      {"BBALL", KindGlyphId::All}};
  for (const auto& [name, kind] : kinds) {
    SCOPED_TRACE(name);
    const QImage g = KindGlyph(kind);
    EXPECT_EQ(KindGlyphResource(QLatin1String(name)), g);
    ASSERT_EQ(g.size(), QSize(36, kind == KindGlyphId::All ? 19 : 18));
    ASSERT_EQ(g.format(), QImage::Format_Indexed8);
    ASSERT_EQ(g.colorCount(), 16);
    const QRgb olive = qRgb(128, 128, 0);
    EXPECT_EQ(g.pixel(0, g.height() - 1), olive);
    EXPECT_EQ(g.pixel(18, g.height() - 1), olive);
    int normal = 0, disabled = 0;
    for (int y = 0; y < g.height(); ++y)
      for (int x = 0; x < 36; ++x) {
        const QRgb c = g.pixel(x, y);
        if (c == olive) continue;
        (x < 18 ? normal : disabled) += 1;
        // The disabled cell is engraved: grey and white only.
        if (x >= 18) {
          EXPECT_TRUE(c == qRgb(128, 128, 128) || c == qRgb(255, 255, 255)) << x << "," << y;
        }
      }
    EXPECT_GT(normal, 15);
    EXPECT_GE(disabled, normal);
  }
  EXPECT_TRUE(KindGlyphResource(QStringLiteral("BBNOPE")).isNull());
}

TEST(ProgramIcon, DrawsEveryThemeSizeWithTransparentCorners) {
  for (int size : kIconSizes) {
    SCOPED_TRACE(size);
    const QImage img = IconImage(size);
    ASSERT_EQ(img.size(), QSize(size, size));
    EXPECT_EQ(img.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(img.pixel(size - 1, 0)), 0);
    EXPECT_EQ(qAlpha(img.pixel(size / 2, size / 2)), 255);
  }
  for (int size : {-16, 0, 20, 512}) EXPECT_TRUE(IconImage(size).isNull()) << size;
  const QList<QSize> sizes = ProgramIcon().availableSizes();
  for (int size : kIconSizes) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

// The alpha of every drawn pixel of the first row (or column) of a square icon that has any.
std::vector<int> FirstDrawnLine(const QImage& img, bool column) {
  for (int i = 0; i < img.width(); ++i) {
    std::vector<int> alphas;
    for (int j = 0; j < img.width(); ++j)
      if (const int a = qAlpha(column ? img.pixel(i, j) : img.pixel(j, i)); a > 0) alphas.push_back(a);
    if (!alphas.empty()) return alphas;
  }
  return {};
}

// The page's top and left edges in the small sizes: one row and one column of opaque pixels, not a
// line smeared across two half-covered ones, square at the corner. Only the top edge's last pixel,
// where the fold's slant meets it, may be partly covered.
TEST(ProgramIcon, SmallSizesDrawThePageOutlineOnWholePixels) {
  for (int size : {16, 22, 24}) {
    const QImage img = IconImage(size);
    for (bool column : {false, true}) {
      SCOPED_TRACE(testing::Message() << size << (column ? " px, left edge" : " px, top edge"));
      const std::vector<int> edge = FirstDrawnLine(img, column);
      ASSERT_GT(edge.size(), 4u);
      const size_t slanted = column ? 0 : 1;
      for (size_t i = 0; i + slanted < edge.size(); ++i) EXPECT_EQ(edge[i], 255) << "pixel " << i;
    }
  }
}

// The build's scalable icon, written by pagegen from the same drawing: vector shapes only, which
// render to the 256-pixel icon but for the smoothing of edges.
TEST(ProgramIcon, ScalableIconIsTheSameDrawingInVectorShapes) {
  QFile file(QStringLiteral(PINTOOLA_ICONS_DIR "/pintoola.svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  const QByteArray svg = file.readAll();
  EXPECT_TRUE(VectorOnlySvg(svg));
  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  QImage rendered(256, 256, QImage::Format_ARGB32);
  rendered.fill(Qt::transparent);
  QPainter p(&rendered);
  p.setRenderHint(QPainter::Antialiasing, true);
  renderer.render(&p);
  p.end();
  const QImage drawn = IconImage(256);
  int differ = 0;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      const QRgb a = rendered.pixel(x, y), b = drawn.pixel(x, y);
      differ += std::abs(qAlpha(a) - qAlpha(b)) > 64 || std::abs(qRed(a) - qRed(b)) > 64 ||
                std::abs(qGreen(a) - qGreen(b)) > 64 || std::abs(qBlue(a) - qBlue(b)) > 64;
    }
  EXPECT_LT(differ, 256 * 256 / 100);
}

TEST(AboutPicture, Is338By265At24Bits) {
  const QImage img = AboutPicture();
  EXPECT_EQ(img.size(), QSize(338, 265));
  EXPECT_EQ(img.format(), QImage::Format_RGB888);
  EXPECT_EQ(img.depth(), 24);
  std::set<QRgb> colours;
  for (int y = 0; y < img.height(); y += 3)
    for (int x = 0; x < img.width(); x += 3) colours.insert(img.pixel(x, y));
  EXPECT_GT(colours.size(), 50u);  // a picture, not a blank
}

}  // namespace
}  // namespace pintoola::art
