#include "platform/Image.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/Panel.h"

namespace pintoola {
namespace {

class PageView : public ::testing::Test {
 protected:
  void SetUp() override {
    panel.resize(60, 50);
    panel.SetColor(clLime);
    view = new TImage(&panel);
    view->setGeometry(5, 5, 30, 20);
    panel.show();
  }
  TPanel panel;
  TImage* view = nullptr;
};

TEST_F(PageView, ShowsThePageUnscaledAndTheParentBeyondIt) {
  view->Picture().SetSize(10, 5, clRed);
  // The view sits at (5, 5) in the panel.
  const QImage shot = panel.grab().toImage();
  EXPECT_EQ(shot.pixelColor(5, 5), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(14, 9), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(20, 7), QColor(0, 255, 0)) << "right of the page: the panel's background";
  EXPECT_EQ(shot.pixelColor(8, 15), QColor(0, 255, 0)) << "below the page";
}

TEST_F(PageView, ConvertsOnlyWhatItCanShowAndFollowsItsSize) {
  view->Picture().SetSize(50, 40, clBlue);
  EXPECT_EQ(view->DisplayedImage().size(), QSize(30, 20));
  view->resize(55, 45);
  EXPECT_EQ(view->DisplayedImage().size(), QSize(50, 40));
  PageWriter writer(view->Picture());
  writer.ScanLine(0)[0] = 0;  // a change the next paint must show
  writer.Commit();
  EXPECT_EQ(view->DisplayedImage().pixelColor(0, 0), QColor(0, 0, 0));
  view->ClearPicture();
  EXPECT_TRUE(view->DisplayedImage().isNull());
  EXPECT_FALSE(view->HasPicture());
  EXPECT_TRUE(view->Picture().Empty()) << "asking for the page makes an empty one";
}

TEST_F(PageView, ClickIsAReleaseOverTheViewAfterAPressOnIt) {
  QSignalSpy clicks(view, &TImage::Click), downs(view, &TImage::MouseDown);
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(clicks.count(), 1);
  QTest::mousePress(view, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(200, 3));
  EXPECT_EQ(clicks.count(), 1) << "released outside: no click";
  QTest::mouseClick(view, Qt::RightButton, {}, QPoint(3, 3));
  EXPECT_EQ(clicks.count(), 1) << "only the left button clicks";
  EXPECT_EQ(downs.count(), 3);
  EXPECT_EQ(downs.last().at(0).value<TMouseButton>(), mbRight);
}

}  // namespace
}  // namespace pintoola
