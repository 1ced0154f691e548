#include "styled/cyClasses.h"

#include <gtest/gtest.h>

#include "StyledTestUtil.h"

namespace pintoola {
namespace {

using testing::Paint;
using testing::Pixel;

TEST(TcyGradient, InitialValues) {
  const TcyGradient g;
  EXPECT_EQ(g.Balance(), 50);
  EXPECT_EQ(g.FromColor(), clWhite);
  EXPECT_EQ(g.ToColor(), clBtnFace);
  EXPECT_EQ(g.Orientation(), dgdVertical);
  EXPECT_EQ(g.AngleDegree(), 0);
  EXPECT_EQ(g.BalanceMode(), bmNormal);
  EXPECT_EQ(g.MaxDegrade(), 255);
  EXPECT_EQ(g.SpeedPercent(), 100);
}

TEST(TcyGradient, SettersIgnoreTheSameAndOutOfRangeValues) {
  const struct {
    const char* name;
    std::function<void(TcyGradient&)> set;
    std::function<int(const TcyGradient&)> get;
    int before;  // the value the setter must keep
    bool notifies;
  } cases[] = {
      {"SpeedPercent 101", [](TcyGradient& g) { g.SetSpeedPercent(101); },
       [](auto& g) { return g.SpeedPercent(); }, 100, false},
      {"SpeedPercent -1", [](TcyGradient& g) { g.SetSpeedPercent(-1); },
       [](auto& g) { return g.SpeedPercent(); }, 100, false},
      {"SpeedPercent same", [](TcyGradient& g) { g.SetSpeedPercent(100); },
       [](auto& g) { return g.SpeedPercent(); }, 100, false},
      {"SpeedPercent 90", [](TcyGradient& g) { g.SetSpeedPercent(90); },
       [](auto& g) { return g.SpeedPercent(); }, 90, true},
      {"Balance 101", [](TcyGradient& g) { g.SetBalance(101); }, [](auto& g) { return g.Balance(); }, 50,
       false},
      {"Balance 0", [](TcyGradient& g) { g.SetBalance(0); }, [](auto& g) { return g.Balance(); }, 0, true},
      {"AngleDegree 360", [](TcyGradient& g) { g.SetAngleDegree(360); },
       [](auto& g) { return g.AngleDegree(); }, 0, false},
      {"AngleDegree 359", [](TcyGradient& g) { g.SetAngleDegree(359); },
       [](auto& g) { return g.AngleDegree(); }, 359, true},
      {"MaxDegrade 0", [](TcyGradient& g) { g.SetMaxDegrade(0); }, [](auto& g) { return g.MaxDegrade(); },
       255, false},
      {"MaxDegrade 1", [](TcyGradient& g) { g.SetMaxDegrade(1); }, [](auto& g) { return g.MaxDegrade(); }, 1,
       true},
      {"FromColor same", [](TcyGradient& g) { g.SetFromColor(clWhite); },
       [](auto& g) { return g.FromColor(); }, clWhite, false},
      {"FromColor aqua", [](TcyGradient& g) { g.SetFromColor(clAqua); },
       [](auto& g) { return g.FromColor(); }, clAqua, true},
      {"ToColor same", [](TcyGradient& g) { g.SetToColor(clBtnFace); }, [](auto& g) { return g.ToColor(); },
       clBtnFace, false},
      {"Orientation same", [](TcyGradient& g) { g.SetOrientation(dgdVertical); },
       [](auto& g) { return int(g.Orientation()); }, 0, false},
      {"Orientation radial", [](TcyGradient& g) { g.SetOrientation(dgdRadial); },
       [](auto& g) { return int(g.Orientation()); }, 3, true},
      {"BalanceMode mirror", [](TcyGradient& g) { g.SetBalanceMode(bmMirror); },
       [](auto& g) { return int(g.BalanceMode()); }, 1, true},
  };
  for (const auto& c : cases) {
    TcyGradient g;
    int calls = 0;
    g.OnChange = [&] { ++calls; };
    c.set(g);
    EXPECT_EQ(c.get(g), c.before) << c.name;
    EXPECT_EQ(calls, c.notifies ? 1 : 0) << c.name;
  }
}

TEST(TcyGradient, AssignCopiesEverythingAndNotifiesOnce) {
  TcyGradient source;
  source.SetFromColor(clYellow);
  source.SetToColor(clOrange);
  source.SetSpeedPercent(90);
  source.SetBalance(30);
  source.SetBalanceMode(bmMirror);
  source.SetMaxDegrade(12);
  source.SetOrientation(dgdHorizontal);
  source.SetAngleDegree(45);
  TcyGradient target;
  int calls = 0;
  target.OnChange = [&] { ++calls; };
  target.Assign(source);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(target.FromColor(), clYellow);
  EXPECT_EQ(target.ToColor(), clOrange);
  EXPECT_EQ(target.SpeedPercent(), 90);
  EXPECT_EQ(target.Balance(), 30);
  EXPECT_EQ(target.BalanceMode(), bmMirror);
  EXPECT_EQ(target.MaxDegrade(), 12);
  EXPECT_EQ(target.Orientation(), dgdHorizontal);
  EXPECT_EQ(target.AngleDegree(), 45);
}

TEST(TcyGradient, DrawWithEqualColoursIsOneSolidFill) {
  TcyGradient g;
  g.SetFromColor(clBlack);
  g.SetToColor(clBlack);
  // Even with settings that would give a split, the fill is one colour everywhere.
  g.SetSpeedPercent(10);
  const QImage image = Paint(104, 41, [&](DrawSurface& s) { g.Draw(s, Rect(0, 0, 104, 41)); });
  for (int y = 0; y < 41; y += 5)
    for (int x = 0; x < 104; x += 7) ASSERT_EQ(Pixel(image, x, y), clBlack);
}

// ---- bevels -----------------------------------------------------------------------------------

TEST(tcyBevels, DefaultRingOnTheToolbarPanel) {
  tcyBevels bevels;
  bevels.Add();
  EXPECT_EQ(bevels.BevelsWidth(), 1);
  TRect r = Rect(0, 0, 1120, 55);
  const QImage image = Paint(1120, 55, [&](DrawSurface& s) { bevels.DrawBevels(s, r, false); });
  EXPECT_EQ(r, Rect(1, 1, 1119, 54));
  const TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
  for (int x = 0; x <= 1118; x += 13) EXPECT_EQ(Pixel(image, x, 0), light) << x;
  EXPECT_EQ(Pixel(image, 1118, 0), light);
  for (int y = 0; y <= 53; ++y) {
    EXPECT_EQ(Pixel(image, 0, y), light) << y;
    EXPECT_EQ(Pixel(image, 1119, y), dark) << y;
  }
  for (int x = 0; x <= 1119; x += 13) EXPECT_EQ(Pixel(image, x, 54), dark) << x;
  EXPECT_EQ(Pixel(image, 1119, 54), dark);
  EXPECT_EQ(Pixel(image, 500, 20), testing::kSentinel);
}

TEST(tcyBevels, NoneAndTransparentRings) {
  tcyBevels bevels;
  bevels.Add().SetStyle(bcNone);
  bevels.Add().SetStyle(bcTransparent);
  bevels.Items(1).SetWidth(3);
  bevels.Add().SetStyle(bcLowered);
  EXPECT_EQ(bevels.BevelsWidth(), 4);
  TRect r = Rect(0, 0, 20, 20);
  const QImage image = Paint(20, 20, [&](DrawSurface& s) { bevels.DrawBevels(s, r, true); });
  EXPECT_EQ(r, Rect(4, 4, 16, 16));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Pixel(image, i, 10), testing::kSentinel);
  // Lowered: dark top and left, light right and bottom; RoundRect was used up by the transparent ring.
  EXPECT_EQ(Pixel(image, 3, 3), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Pixel(image, 3, 10), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Pixel(image, 16, 10), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(image, 10, 16), ColorToRGB(clBtnHighlight));
}

TEST(tcyBevels, RoundCornersOnlyOnTheOuterRing) {
  tcyBevels bevels;
  bevels.Add();
  bevels.Add().SetHighlightColor(clRed);
  TRect r = Rect(0, 0, 10, 10);
  const QImage image = Paint(10, 10, [&](DrawSurface& s) { bevels.DrawBevels(s, r, true); });
  for (auto [x, y] : {std::pair{0, 0}, {9, 0}, {0, 9}, {9, 9}})
    EXPECT_EQ(Pixel(image, x, y), testing::kSentinel);
  EXPECT_EQ(Pixel(image, 1, 1), clRed);
  EXPECT_EQ(Pixel(image, 8, 1), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Pixel(image, 8, 8), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Pixel(image, 1, 8), ColorToRGB(clBtnShadow));
}

TEST(tcyBevels, ChangeReportsSayWhetherTheSpaceChanged) {
  tcyBevels bevels;
  std::vector<bool> realign;
  bevels.OnChange = [&] { realign.push_back(bevels.NeedOwnerRealign()); };
  tcyBevel& ring = bevels.Add();  // a new ring takes space
  ring.SetHighlightColor(clRed);  // colour only
  ring.SetWidth(3);               // space
  ring.SetWidth(3);               // the same: no report
  ring.SetStyle(bcLowered);       // not involving bcNone: no realign
  ring.SetStyle(bcNone);          // to bcNone: realign
  ring.SetStyle(bcNone);          // the same: no report
  ring.SetDrawLeft(false);
  bevels.Delete(0);  // realign
  EXPECT_EQ(realign, (std::vector<bool>{true, false, true, false, true, false, true}));
  EXPECT_FALSE(bevels.NeedOwnerRealign());
  EXPECT_EQ(bevels.Count(), 0);
}

TEST(tcyBevel, DisplayNameAndAssign) {
  tcyBevels bevels;
  tcyBevel& a = bevels.Add();
  EXPECT_EQ(a.GetDisplayName(), QStringLiteral("Raised Bevel Width = 1"));
  a.SetStyle(bcTransparent);
  a.SetWidth(12);
  EXPECT_EQ(a.GetDisplayName(), QStringLiteral("Transparent Bevel Width = 12"));
  tcyBevel& b = bevels.Add();
  b.Assign(a);
  EXPECT_EQ(b.Style(), bcTransparent);
  EXPECT_EQ(b.Width(), 12);
  EXPECT_EQ(bevels.BevelsWidth(), 24);
}

// ---- shadow -----------------------------------------------------------------------------------

TEST(TcyShadowText, ActiveAndZoomRules) {
  TcyShadowText shadow;
  int calls = 0;
  shadow.OnChange = [&] { ++calls; };
  EXPECT_FALSE(shadow.Active());
  shadow.SetRelativePosX(0);  // the same value still notifies
  EXPECT_EQ(calls, 1);
  shadow.SetZoomPercent(0);
  EXPECT_EQ(shadow.ZoomPercent(), 100);
  EXPECT_EQ(calls, 1);
  shadow.SetRelativePosY(1);
  EXPECT_TRUE(shadow.Active());
  shadow.SetRelativePosY(0);
  shadow.SetZoomPercent(150);
  EXPECT_TRUE(shadow.Active());
  TcyShadowText copy;
  int copyCalls = 0;
  copy.OnChange = [&] { ++copyCalls; };
  copy.Assign(shadow);
  EXPECT_EQ(copy.ZoomPercent(), 150);
  EXPECT_EQ(copyCalls, 1);
}

TEST(TcyShadowText, CalcShadowRect) {
  const TRect caption = Rect(10, 10, 50, 30);  // 40 × 20
  const struct {
    int dx, dy, zoom;
    TAlignment a;
    TTextLayout l;
    int fontHeight;
    TRect expected;
  } cases[] = {
      {1, 1, 100, taLeftJustify, tlTop, -11, Rect(11, 11, 51, 31)},
      {0, 0, 100, taCenter, tlCenter, -11, caption},
      // Zoom 150 with height -10: z = -15, q = 1.5: dx = 20, dy = 10.
      {0, 0, 150, taLeftJustify, tlTop, -10, Rect(10, 10, 70, 40)},
      {0, 0, 150, taRightJustify, tlBottom, -10, Rect(-10, 0, 50, 30)},
      {2, 3, 150, taCenter, tlCenter, -10, Rect(-10 + 10 + 2, 0 + 5 + 3, 50 + 10 + 2, 30 + 5 + 3)},
  };
  for (const auto& c : cases) {
    TcyShadowText shadow;
    shadow.SetRelativePosX(c.dx);
    shadow.SetRelativePosY(c.dy);
    shadow.SetZoomPercent(c.zoom);
    EXPECT_EQ(shadow.CalcShadowRect(caption, c.a, c.l, c.fontHeight), c.expected)
        << c.zoom << " " << int(c.a);
  }
}

// ---- wallpaper --------------------------------------------------------------------------------

TEST(TcyBgPicture, SomethingToDrawAndAssign) {
  TcyBgPicture picture;
  EXPECT_FALSE(picture.SomethingToDraw());
  QImage tile(4, 4, QImage::Format_RGB32);
  tile.fill(Qt::red);
  int calls = 0;
  picture.OnChange = [&] { ++calls; };
  picture.SetPicture(tile);
  EXPECT_TRUE(picture.SomethingToDraw());
  picture.SetStyle(bgNone);
  EXPECT_FALSE(picture.SomethingToDraw());
  EXPECT_EQ(calls, 2);
  // Nothing drawn with no picture or bgNone.
  const QImage image = Paint(8, 8, [&](DrawSurface& s) { picture.Draw(s, Rect(0, 0, 8, 8)); });
  EXPECT_EQ(Pixel(image, 2, 2), testing::kSentinel);
  TcyBgPicture copy;
  copy.Assign(picture);
  EXPECT_EQ(copy.Style(), bgNone);
  EXPECT_EQ(copy.Picture().size(), QSize(4, 4));
}

}  // namespace
}  // namespace pintoola
