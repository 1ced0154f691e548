// One tile as it is drawn: picture rectangle, shadow, bevel, title bar, pressed look, and the
// picture held at the size it is shown.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "platform/DrawSurface.h"
#include "thumbs/BmpFixture.h"
#include "thumbs/JvThumbnails.h"

namespace pintoola {
namespace {

using testing::WriteBmp24;
using testing::WriteSolidBmp;

QRgb Rgb(TColor c) { return ToQColor(c).rgb(); }

class ThumbnailTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(tmp_.isValid()); }
  std::string Path(const std::string& name) const { return tmp_.path().toStdString() + "/" + name; }

  // A tile dressed as in the pages dialog (or the projects dialog).
  std::unique_ptr<TJvThumbnail> Tile(bool projects) {
    auto t = std::make_unique<TJvThumbnail>(nullptr, nullptr, projects ? 200 : 170, projects ? 200 : 170);
    t->SetColor(clAqua);
    t->SetTitleColor(clAqua);
    t->SetAsButton(!projects);
    t->SetTitlePlacement(projects ? tpUp : tpNone);
    t->SetShowShadow(true);
    t->SetShadowColor(clBlack);
    return t;
  }

  QTemporaryDir tmp_;
};

TEST_F(ThumbnailTest, PagesTileDrawsPictureShadowAndBevel) {
  WriteSolidBmp(Path("page.bmp"), 800, 600, 0x0000FF);  // red
  auto t = Tile(false);
  t->SetFileName(Path("page.bmp"));
  ASSERT_EQ(t->FileName(), Path("page.bmp"));
  EXPECT_EQ(t->ImageWidth(), 800);
  EXPECT_EQ(t->ImageHeight(), 600);
  const QImage img = t->grab().toImage();
  ASSERT_EQ(img.size(), QSize(170, 170));
  const QRgb red = qRgb(255, 0, 0), black = qRgb(0, 0, 0), aqua = Rgb(clAqua);
  struct Probe {
    int x, y;
    QRgb colour;
  } probes[] = {
      {5, 25, red},
      {164, 144, red},  // picture corners: 160 × 120 at (5, 25)
      {4, 25, aqua},
      {5, 24, aqua},  // just outside it
      {165, 28, black},
      {167, 147, black},  // the shadow's right band
      {8, 145, black},
      {8, 147, black},  // and its lower band
      {165, 27, aqua},
      {7, 145, aqua},  // the shadow starts 3 pixels in
      {168, 100, aqua},
      {100, 148, aqua},  // and ends 3 pixels out
      {0, 0, Rgb(clBtnHighlight)},
      {0, 168, Rgb(clBtnHighlight)},  // raised bevel
      {169, 169, Rgb(clBtnShadow)},
      {169, 0, Rgb(clBtnShadow)},
      {1, 169, Rgb(clBtnShadow)},
  };
  for (const Probe& p : probes) EXPECT_EQ(img.pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(ThumbnailTest, PictureIsHeldAtItsDrawnSize) {
  WriteBmp24(Path("big.bmp"), 1600, 1200, [](int x, int) { return x < 800 ? 0xFFFFFFu : 0x000000u; });
  auto t = Tile(false);
  t->SetFileName(Path("big.bmp"));
  EXPECT_EQ(t->ImageWidth(), 1600);
  EXPECT_EQ(t->Photo()->Picture().reduced.size(), QSize(160, 120));
  EXPECT_EQ(t->Photo()->geometry(), QRect(5, 25, 160, 120));
  // Averaged down: the left half white, the right half black.
  const QImage& r = t->Photo()->Picture().reduced;
  EXPECT_EQ(r.pixel(10, 60), qRgb(255, 255, 255));
  EXPECT_EQ(r.pixel(150, 60), qRgb(0, 0, 0));
}

TEST_F(ThumbnailTest, OtherDepthsGoThroughThePageReader) {
  // 8 bits with a colour table: left half entry 0 (blue), right half entry 1 (yellow).
  testing::WriteBmp8(Path("eight.bmp"), 400, 300, 0xFF0000, 0x00FFFF,
                     [](int x, int) { return x < 200 ? 0 : 1; });
  auto t = Tile(false);
  t->SetFileName(Path("eight.bmp"));
  ASSERT_EQ(t->FileName(), Path("eight.bmp"));
  EXPECT_EQ(t->ImageWidth(), 400);
  const QImage& r = t->Photo()->Picture().reduced;
  ASSERT_EQ(r.size(), QSize(160, 120));  // 40 %
  EXPECT_EQ(r.pixel(10, 60), qRgb(0, 0, 255));
  EXPECT_EQ(r.pixel(150, 60), qRgb(255, 255, 0));
  EXPECT_EQ(t->Photo()->geometry(), QRect(5, 25, 160, 120));
}

TEST_F(ThumbnailTest, TopDownAndBottomUpRowsKeepTheirOrder) {
  for (bool topDown : {false, true}) {
    const std::string name = topDown ? "td.bmp" : "bu.bmp";
    WriteBmp24(
        Path(name), 40, 20, [](int, int y) { return y < 10 ? 0x00FF00u : 0xFF0000u; }, topDown);
    auto t = Tile(false);
    t->SetFileName(Path(name));
    const QImage& r = t->Photo()->Picture().reduced;
    ASSERT_EQ(r.size(), QSize(40, 20));
    EXPECT_EQ(r.pixel(5, 2), qRgb(0, 255, 0)) << name;
    EXPECT_EQ(r.pixel(5, 17), qRgb(0, 0, 255)) << name;
  }
}

TEST_F(ThumbnailTest, ShortFileShowsBlackForMissingRows) {
  WriteSolidBmp(Path("short.bmp"), 10, 10, 0xFFFFFF);
  {
    std::string bytes;
    std::ifstream in(Path("short.bmp"), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    bytes.resize(54 + 32 * 5);  // the first five (bottom) rows only
    std::ofstream(Path("short.bmp"), std::ios::binary | std::ios::trunc) << bytes;
  }
  auto t = Tile(false);
  t->SetFileName(Path("short.bmp"));
  const QImage& r = t->Photo()->Picture().reduced;
  ASSERT_EQ(r.size(), QSize(10, 10));
  EXPECT_EQ(r.pixel(3, 9), qRgb(255, 255, 255));
  EXPECT_EQ(r.pixel(3, 0), qRgb(0, 0, 0));
}

TEST_F(ThumbnailTest, ProjectsTileTitleBarAboveThePicture) {
  WriteSolidBmp(Path("Sketcha1.bmp"), 800, 600, 0x00FF00);
  auto t = Tile(true);
  t->SetFileName(Path("Sketcha1.bmp"));
  EXPECT_EQ(t->Title(), "Sketcha1.bmp");
  EXPECT_EQ(t->TitlePanel()->geometry(), QRect(1, 1, 198, 15));
  EXPECT_EQ(t->Photo()->geometry(), QRect(4, 35, 192, 144));
  t->SetTitleColor(clHighlight);
  t->SetTitleTextColor(clHighlightText);
  QImage img = t->grab().toImage();
  EXPECT_EQ(img.pixel(3, 8), Rgb(clHighlight));
  EXPECT_EQ(img.pixel(1, 1), Rgb(clBtnShadow)) << "the bar's lowered bevel";
  EXPECT_EQ(img.pixel(198, 15), Rgb(clBtnHighlight));
  bool text = false;
  for (int x = 2; x < 198; ++x)
    for (int y = 2; y < 15; ++y) text |= img.pixel(x, y) != Rgb(clHighlight);
  EXPECT_TRUE(text) << "the file name is drawn";
  EXPECT_EQ(img.pixel(100, 100), qRgb(0, 255, 0));
  t->SetTitlePlacement(tpDown);
  EXPECT_EQ(t->TitlePanel()->geometry(), QRect(1, 184, 198, 15));
  EXPECT_EQ(t->Photo()->geometry(), QRect(4, 21, 192, 144));
}

TEST_F(ThumbnailTest, LongTitleIsCutOffAtBothEnds) {
  auto t = Tile(true);
  t->SetTitle(QString(80, QLatin1Char('W')));
  const QImage img = t->grab().toImage();
  // Text reaches both ends of the bar: the centre of a long line is what shows.
  auto inked = [&](int x) {
    for (int y = 3; y < 14; ++y)
      if (img.pixel(x, y) != Rgb(clAqua)) return true;
    return false;
  };
  bool left = false, right = false;
  for (int x = 2; x < 8; ++x) left |= inked(x);
  for (int x = 192; x < 198; ++x) right |= inked(x);
  EXPECT_TRUE(left);
  EXPECT_TRUE(right);
}

TEST_F(ThumbnailTest, BrokenFileOutsideAViewLeavesNoPictureAndNoName) {
  testing::WriteText(Path("bad.bmp"), "BMnot really");
  auto t = Tile(true);
  t->SetTitle("bad.bmp");
  t->SetFileName(Path("bad.bmp"));
  EXPECT_EQ(t->FileName(), "");
  EXPECT_EQ(t->Title(), "bad.bmp");
  EXPECT_EQ(t->Photo()->geometry().size(), QSize(0, 0));
  EXPECT_EQ(t->ShadowObj()->geometry().size(), QSize(0, 0));
}

TEST_F(ThumbnailTest, ButtonLookFollowsAHeldPress) {
  WriteSolidBmp(Path("p.bmp"), 100, 80, 0xFFFFFF);
  auto t = Tile(false);
  t->SetFileName(Path("p.bmp"));
  t->show();
  QWidget* photo = t->Photo();
  ASSERT_EQ(photo->geometry(), QRect(35, 45, 100, 80));
  EXPECT_EQ(t->BevelOuter(), bvRaised);
  QTest::mousePress(photo, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(t->MousePressed());
  EXPECT_EQ(t->BevelOuter(), bvLowered);
  EXPECT_EQ(t->TitlePanel()->BevelOuter(), bvRaised);
  EXPECT_EQ(t->grab().toImage().pixel(0, 0), Rgb(clBtnShadow));
  QTest::mouseMove(photo, QPoint(-40, 10));  // tile x = -5: outside
  EXPECT_EQ(t->BevelOuter(), bvRaised);
  QTest::mouseMove(photo, QPoint(-35, 10));  // tile x = 0: inside
  EXPECT_EQ(t->BevelOuter(), bvLowered);
  QTest::mouseMove(photo, QPoint(136, 10));  // tile x = 171: outside
  EXPECT_EQ(t->BevelOuter(), bvRaised);
  QTest::mouseMove(photo, QPoint(50, 50));
  EXPECT_EQ(t->BevelOuter(), bvLowered);
  QTest::mouseRelease(photo, Qt::LeftButton, {}, QPoint(50, 50));
  EXPECT_FALSE(t->MousePressed());
  EXPECT_EQ(t->BevelOuter(), bvRaised);
  EXPECT_EQ(t->TitlePanel()->BevelOuter(), bvLowered);
  // Other buttons leave the look alone.
  QTest::mousePress(t.get(), Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(t->BevelOuter(), bvRaised);
  QTest::mouseRelease(t.get(), Qt::RightButton, {}, QPoint(5, 5));
}

TEST_F(ThumbnailTest, APressOnTheMarginDoesNotHoldTheMouse) {
  WriteSolidBmp(Path("p.bmp"), 100, 80, 0xFFFFFF);
  auto t = Tile(false);
  t->SetFileName(Path("p.bmp"));
  t->show();
  QTest::mousePress(t.get(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(t->BevelOuter(), bvLowered);
  // The moves outside the tile go to whatever lies there; the tile does not see them.
  for (const QPoint outside : {QPoint(-5, 10), QPoint(175, 10), QPoint(50, -3)}) {
    QTest::mouseMove(t.get(), outside);
    EXPECT_EQ(t->BevelOuter(), bvLowered) << outside.x() << ", " << outside.y();
  }
  QTest::mouseMove(t.get(), QPoint(6, 5));
  QTest::mouseRelease(t.get(), Qt::LeftButton, {}, QPoint(6, 5));
  EXPECT_FALSE(t->MousePressed());
  EXPECT_EQ(t->BevelOuter(), bvRaised);
}

TEST_F(ThumbnailTest, NoPressedLookWithoutAsButton) {
  auto t = Tile(true);
  t->show();
  QTest::mousePress(t.get(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(t->BevelOuter(), bvRaised);
  QTest::mouseRelease(t.get(), Qt::LeftButton, {}, QPoint(5, 5));
}

}  // namespace
}  // namespace pintoola
