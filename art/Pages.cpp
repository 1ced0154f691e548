#include "art/Pages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "art/PageCheck.h"

namespace pintoola::art {
namespace {

constexpr qreal kPi = 3.14159265358979323846;
// Line widths in page pixels, whatever the drawing's scale: drawn without anti-aliasing, a line
// needs a few pixels to look smooth, and no fill can pass a line of three or more.
constexpr qreal kLine = 5.0;    // outlines
constexpr qreal kDetail = 4.0;  // inner lines

QPainterPath Circle(qreal cx, qreal cy, qreal r) {
  QPainterPath p;
  p.addEllipse(QPointF(cx, cy), r, r);
  return p;
}
QPainterPath Oval(qreal cx, qreal cy, qreal rx, qreal ry, qreal degrees = 0) {
  QPainterPath p;
  p.addEllipse(QPointF(0, 0), rx, ry);
  QTransform t;
  t.translate(cx, cy);
  t.rotate(degrees);
  return t.map(p);
}
QPainterPath Box(qreal x, qreal y, qreal w, qreal h, qreal radius = 0) {
  QPainterPath p;
  if (radius > 0)
    p.addRoundedRect(QRectF(x, y, w, h), radius, radius);
  else
    p.addRect(QRectF(x, y, w, h));
  return p;
}
QPainterPath Poly(std::initializer_list<QPointF> points) {
  QPainterPath p;
  bool first = true;
  for (const QPointF& pt : points) {
    if (first)
      p.moveTo(pt);
    else
      p.lineTo(pt);
    first = false;
  }
  p.closeSubpath();
  return p;
}
QPainterPath Star(qreal cx, qreal cy, qreal outer, qreal inner, int points, qreal degrees = -90) {
  QPainterPath p;
  for (int i = 0; i < 2 * points; ++i) {
    const qreal a = (degrees + 180.0 * i / points) * kPi / 180.0;
    const qreal r = i % 2 ? inner : outer;
    const QPointF pt(cx + r * std::cos(a), cy + r * std::sin(a));
    if (i == 0)
      p.moveTo(pt);
    else
      p.lineTo(pt);
  }
  p.closeSubpath();
  return p;
}
// A puffy outline: the union of circles {x, y, r}.
QPainterPath Puff(std::initializer_list<std::array<qreal, 3>> circles) {
  QPainterPath u;
  for (const auto& c : circles) u = u.united(Circle(c[0], c[1], c[2]));
  return u.simplified();
}
// The closed outline of a thick stroke along `spine`: tails, stems, antennae.
QPainterPath Thick(const QPainterPath& spine, qreal width) {
  QPainterPathStroker s;
  s.setWidth(width);
  s.setCapStyle(Qt::RoundCap);
  s.setJoinStyle(Qt::RoundJoin);
  return s.createStroke(spine).simplified();
}
QPainterPath Curve(QPointF a, QPointF c1, QPointF c2, QPointF b) {
  QPainterPath p(a);
  p.cubicTo(c1, c2, b);
  return p;
}
[[maybe_unused]] QPainterPath Mirror(const QPainterPath& p, qreal axisX) {
  QTransform t;
  t.translate(2 * axisX, 0);
  t.scale(-1, 1);
  return t.map(p);
}

// Draws closed shapes front to back: each new shape is filled white (hiding what it covers), its
// inside details are clipped to it, and its outline is stroked last so every inner line ends on it.
// Pen widths are page pixels: the painter's scale at construction is taken out of them.
class Ink {
 public:
  explicit Ink(QPainter& p) : p_(p), pixel_(1.0 / p.worldTransform().m11()) {
    p_.setRenderHint(QPainter::Antialiasing, false);
  }

  void Shape(const QPainterPath& path, const std::function<void()>& inside = {}, qreal width = kLine) {
    p_.save();
    p_.setPen(Qt::NoPen);
    p_.setBrush(Qt::white);
    p_.drawPath(path);
    if (inside) {
      p_.setClipPath(path, Qt::IntersectClip);
      inside();
    }
    p_.restore();
    Outline(path, width);
  }
  // A shape filled solid black: pupils, buttons.
  void Solid(const QPainterPath& path) {
    p_.save();
    p_.setPen(Qt::NoPen);
    p_.setBrush(Qt::black);
    p_.drawPath(path);
    p_.restore();
  }
  void Outline(const QPainterPath& path, qreal width = kLine) {
    p_.save();
    p_.setBrush(Qt::NoBrush);
    p_.setPen(Pen(width));
    p_.drawPath(path);
    p_.restore();
  }
  void Line(QPointF a, QPointF b, qreal width = kDetail) {
    p_.save();
    p_.setPen(Pen(width));
    p_.drawLine(a, b);
    p_.restore();
  }
  void Lines(std::initializer_list<QPointF> points, qreal width = kDetail) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
      if (first)
        path.moveTo(pt);
      else
        path.lineTo(pt);
      first = false;
    }
    Outline(path, width);
  }
  void Arc(qreal cx, qreal cy, qreal rx, qreal ry, qreal startDeg, qreal spanDeg, qreal width = kDetail) {
    QPainterPath path;
    const QRectF r(cx - rx, cy - ry, 2 * rx, 2 * ry);
    path.arcMoveTo(r, startDeg);
    path.arcTo(r, startDeg, spanDeg);
    Outline(path, width);
  }

 private:
  QPen Pen(qreal width) const {
    QPen pen(Qt::black, width * pixel_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
  }
  QPainter& p_;
  qreal pixel_;  // one page pixel in drawing coordinates
};

// ---- Shared scenery -------------------------------------------------------------------------------

void Sun(Ink& ink, qreal cx, qreal cy, qreal r, bool face) {
  for (int i = 0; i < 10; ++i) {
    const qreal a = i * 36.0 * kPi / 180.0, d = 9.0 * kPi / 180.0;
    const qreal base = r + 12, tip = r + 42;
    ink.Shape(Poly({{cx + base * std::cos(a - d), cy + base * std::sin(a - d)},
                    {cx + tip * std::cos(a), cy + tip * std::sin(a)},
                    {cx + base * std::cos(a + d), cy + base * std::sin(a + d)}}));
  }
  ink.Shape(Circle(cx, cy, r));
  if (face) {
    ink.Solid(Circle(cx - r * 0.35, cy - r * 0.15, r * 0.1));
    ink.Solid(Circle(cx + r * 0.35, cy - r * 0.15, r * 0.1));
    ink.Arc(cx, cy + r * 0.05, r * 0.45, r * 0.4, 200, 140);
  }
}

void Cloud(Ink& ink, qreal x, qreal y, qreal s) {
  ink.Shape(Puff({{x, y, 28 * s},
                  {x + 35 * s, y - 18 * s, 34 * s},
                  {x + 75 * s, y - 6 * s, 30 * s},
                  {x + 100 * s, y + 10 * s, 22 * s},
                  {x + 40 * s, y + 14 * s, 26 * s}}));
}

void Flower(Ink& ink, qreal cx, qreal cy, qreal r, qreal groundY) {
  ink.Shape(Thick(Curve({cx, cy}, {cx - 6, cy + (groundY - cy) * 0.4}, {cx + 6, cy + (groundY - cy) * 0.7},
                        {cx, groundY + 6}),
                  12));
  ink.Shape(Oval(cx + 16, cy + (groundY - cy) * 0.6, 16, 7, -30));
  for (int i = 0; i < 6; ++i) {
    const qreal a = i * 60.0 * kPi / 180.0;
    ink.Shape(Circle(cx + r * std::cos(a), cy + r * std::sin(a), r * 0.62), {}, kDetail);
  }
  ink.Shape(Circle(cx, cy, r * 0.6), {}, kDetail);
}

// ---- The pages --------------------------------------------------------------------------------------

void DrawCat(QPainter& p) {
  Ink ink(p);
  // The window on the wall with its curtains.
  ink.Shape(Box(60, 60, 230, 190, 8), [&] {
    ink.Line({175, 40}, {175, 270}, kLine);
    ink.Line({40, 155}, {310, 155}, kLine);
  });
  ink.Shape(Circle(115, 108, 22));  // the moon in the window
  ink.Shape(Star(212, 100, 20, 9, 5));
  ink.Shape(Star(125, 200, 17, 7.5, 5));
  ink.Shape(Poly({{48, 50}, {110, 50}, {80, 150}, {100, 265}, {48, 265}}));
  ink.Shape(Poly({{302, 50}, {240, 50}, {270, 150}, {250, 265}, {302, 265}}));
  ink.Line({30, 48}, {320, 48}, 7);
  // The rug and the tail behind the cat.
  ink.Shape(Oval(450, 590, 300, 42), [&] { ink.Outline(Oval(450, 590, 240, 26), kDetail); });
  ink.Shape(Thick(Curve({560, 540}, {700, 560}, {720, 420}, {650, 360}), 34));
  // The body with its belly.
  ink.Shape(Oval(450, 440, 145, 150), [&] { ink.Outline(Oval(450, 470, 70, 95), kDetail); });
  // Ears, then the head over them.
  ink.Shape(Poly({{355, 230}, {350, 110}, {430, 175}}), [&] {
    ink.Outline(Poly({{368, 200}, {365, 140}, {410, 178}}), kDetail);
  });
  ink.Shape(Poly({{545, 230}, {550, 110}, {470, 175}}), [&] {
    ink.Outline(Poly({{532, 200}, {535, 140}, {490, 178}}), kDetail);
  });
  ink.Shape(Oval(450, 255, 112, 98), [&] {
    ink.Line({435, 150}, {440, 185});
    ink.Line({465, 150}, {460, 185});
  });
  // Eyes, nose, mouth and whiskers.
  for (qreal ex : {405.0, 495.0}) {
    ink.Shape(Oval(ex, 240, 22, 27));
    ink.Solid(Oval(ex, 245, 9, 16));
  }
  ink.Shape(Poly({{437, 283}, {463, 283}, {450, 298}}), {}, kDetail);
  ink.Arc(435, 300, 15, 14, 180, 150);
  ink.Arc(465, 300, 15, 14, 210, 150);
  ink.Line({395, 292}, {300, 275});
  ink.Line({395, 302}, {298, 310});
  ink.Line({505, 292}, {600, 275});
  ink.Line({505, 302}, {602, 310});
  // Front paws with their toes.
  for (qreal px : {395.0, 505.0}) {
    ink.Shape(Oval(px, 575, 48, 28), [&] {
      ink.Line({px - 14, 560}, {px - 14, 610});
      ink.Line({px + 14, 560}, {px + 14, 610});
    });
  }
  // The ball of wool and its loose thread.
  ink.Shape(Circle(770, 520, 72), [&] {
    ink.Arc(700, 470, 110, 110, 270, 90);
    ink.Arc(860, 600, 120, 120, 100, 90);
    ink.Arc(770, 430, 130, 70, 200, 140);
  });
  ink.Outline(Curve({705, 555}, {640, 600}, {600, 560}, {548, 590}), kDetail);
  // A little fish bowl on the shelf.
  ink.Line({620, 160}, {860, 160}, 7);
  ink.Shape(Poly({{700, 160}, {690, 150}, {700, 70}, {790, 70}, {800, 150}, {790, 160}}), [&] {
    ink.Outline(Curve({680, 100}, {720, 110}, {770, 90}, {810, 100}), kDetail);
  });
  ink.Shape(Oval(745, 128, 20, 11));
  ink.Shape(Poly({{764, 128}, {780, 116}, {780, 140}}), {}, kDetail);
}

void DrawHouse(QPainter& p) {
  Ink ink(p);
  Sun(ink, 770, 105, 48, true);
  Cloud(ink, 90, 90, 1.0);
  Cloud(ink, 480, 70, 0.8);
  // Hills behind, the meadow in front.
  ink.Shape(Oval(720, 520, 330, 150));
  ink.Shape(Oval(110, 520, 260, 120));
  ink.Shape(Poly({{-10, 480}, {910, 470}, {910, 670}, {-10, 670}}));
  // The chimney, the roof and the walls.
  ink.Shape(Box(470, 150, 50, 110), [&] { ink.Line({460, 175}, {530, 175}); });
  ink.Shape(Poly({{190, 300}, {370, 150}, {550, 300}}), [&] {
    ink.Outline(Circle(370, 235, 32), kDetail);
    ink.Line({370, 200}, {370, 270});
    ink.Line({335, 235}, {405, 235});
  });
  ink.Shape(Box(215, 300, 310, 240));
  // Door with its round top and knob.
  QPainterPath door;
  door.moveTo(325, 540);
  door.lineTo(325, 430);
  door.arcTo(QRectF(325, 390, 90, 80), 180, -180);
  door.lineTo(415, 540);
  door.closeSubpath();
  ink.Shape(door, [&] { ink.Outline(Box(340, 440, 60, 40, 6), kDetail); });
  ink.Shape(Circle(402, 500, 7), {}, kDetail);
  // Windows with their panes and flower boxes.
  for (qreal wx : {240.0, 440.0}) {
    ink.Shape(Box(wx, 330, 65, 65), [&] {
      ink.Line({wx + 32.5, 320}, {wx + 32.5, 405});
      ink.Line({wx - 10, 362.5}, {wx + 75, 362.5});
    });
    ink.Shape(Box(wx - 8, 395, 81, 18));
  }
  // The garden path and the fence.
  ink.Shape(Poly({{325, 540}, {415, 540}, {470, 650}, {270, 650}}), [&] {
    ink.Line({260, 600}, {480, 600});
  });
  ink.Shape(Box(560, 505, 328, 14));
  ink.Shape(Box(560, 545, 328, 14));
  for (int i = 0; i < 7; ++i) {
    const qreal x = 575 + i * 45;
    ink.Shape(Poly({{x, 590}, {x, 495}, {x + 14, 478}, {x + 28, 495}, {x + 28, 590}}));
  }
  // The tree with apples.
  ink.Shape(Poly({{95, 560}, {110, 380}, {140, 380}, {155, 560}}));
  ink.Shape(Puff({{125, 320, 75}, {65, 360, 50}, {185, 360, 50}, {125, 390, 45}}));
  for (const auto& a :
       {QPointF(95, 310), QPointF(160, 330), QPointF(120, 375), QPointF(70, 370), QPointF(185, 380)})
    ink.Shape(Circle(a.x(), a.y(), 13), {}, kDetail);
  Flower(ink, 215, 590, 18, 640);
  Flower(ink, 515, 600, 18, 645);
  Flower(ink, 850, 610, 18, 650);
}

void DrawCastle(QPainter& p) {
  Ink ink(p);
  Cloud(ink, 80, 100, 0.9);
  Cloud(ink, 480, 130, 0.8);
  ink.Outline(Curve({600, 90}, {610, 80}, {620, 80}, {628, 90}), kDetail);
  ink.Outline(Curve({628, 90}, {636, 80}, {646, 80}, {656, 90}), kDetail);
  ink.Outline(Curve({300, 60}, {308, 52}, {316, 52}, {322, 60}), kDetail);
  ink.Outline(Curve({322, 60}, {330, 52}, {338, 52}, {344, 60}), kDetail);
  // Ground and the moat with its waves.
  ink.Shape(Poly({{-10, 540}, {970, 540}, {970, 690}, {-10, 690}}));
  ink.Shape(Poly({{-10, 585}, {970, 585}, {970, 640}, {-10, 640}}), [&] {
    for (int i = 0; i < 12; ++i) ink.Arc(40 + i * 80, 612, 22, 10, 0, 180);
  });
  // A wall with a crenellated top from x0 to x1, its top at y.
  const auto battlement = [](qreal x0, qreal x1, qreal y, qreal bottom, int merlons) {
    QPainterPath path;
    const qreal step = (x1 - x0) / (2 * merlons - 1);
    path.moveTo(x0, bottom);
    path.lineTo(x0, y);
    for (int i = 0; i < 2 * merlons - 1; ++i) {
      const qreal xa = x0 + i * step, xb = xa + step;
      if (i % 2 == 0) {
        path.lineTo(xb, y);
        if (i < 2 * merlons - 2) path.lineTo(xb, y + 24);
      } else {
        path.lineTo(xb, y + 24);
        path.lineTo(xb, y);
      }
    }
    path.lineTo(x1, bottom);
    path.closeSubpath();
    return path;
  };
  const auto arched = [](qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.moveTo(x, y + h);
    path.lineTo(x, y + w / 2);
    path.arcTo(QRectF(x, y, w, w), 180, -180);
    path.lineTo(x + w, y + h);
    path.closeSubpath();
    return path;
  };
  // The keep between the towers, with bricks and its gate.
  ink.Shape(battlement(270, 690, 250, 560, 7), [&] {
    for (const auto& b : {QRectF(300, 300, 50, 24), QRectF(600, 320, 50, 24), QRectF(320, 460, 50, 24),
                          QRectF(590, 470, 50, 24), QRectF(470, 300, 50, 24)})
      ink.Outline(Box(b.x(), b.y(), b.width(), b.height()), kDetail);
  });
  ink.Shape(arched(400, 380, 160, 180), [&] {
    for (int i = 1; i < 5; ++i) ink.Line({400.0 + i * 32, 370}, {400.0 + i * 32, 570});
    for (int i = 0; i < 4; ++i) ink.Line({390, 430.0 + i * 35}, {570, 430.0 + i * 35});
  });
  ink.Shape(arched(330, 360, 40, 60));
  ink.Shape(arched(590, 360, 40, 60));
  // Towers with cone roofs and flags.
  for (qreal tx : {150.0, 690.0}) {
    ink.Line({tx + 60, 40}, {tx + 60, 110}, kLine);
    ink.Shape(Poly({{tx + 62, 40}, {tx + 120, 58}, {tx + 62, 78}}));
    ink.Shape(Poly({{tx - 10, 190}, {tx + 60, 90}, {tx + 130, 190}}), [&] {
      ink.Line({tx + 20, 160}, {tx + 100, 160});
    });
    ink.Shape(battlement(tx, tx + 120, 190, 560, 3), [&] {
      ink.Outline(Box(tx + 15, 420, 45, 22), kDetail);
      ink.Outline(Box(tx + 65, 480, 45, 22), kDetail);
    });
    ink.Shape(arched(tx + 40, 250, 40, 70), [&] { ink.Line({tx + 60, 240}, {tx + 60, 330}); });
  }
  // The drawbridge over the moat.
  ink.Shape(Poly({{400, 560}, {560, 560}, {590, 650}, {370, 650}}), [&] {
    for (int i = 1; i < 5; ++i) ink.Line({400.0 + i * 32 - (i - 2.5) * 10, 550}, {370.0 + i * 44, 660});
  });
  Flower(ink, 60, 555, 16, 575);
  Flower(ink, 880, 555, 16, 575);
}

void DrawRocket(QPainter& p) {
  Ink ink(p);
  // The ringed planet: back of the ring, planet, front of the ring.
  const QPainterPath ring = Thick(Oval(190, 470, 150, 40, -15), 22);
  ink.Shape(ring);
  ink.Shape(Circle(190, 470, 85), [&] {
    ink.Outline(Curve({100, 440}, {150, 420}, {220, 460}, {280, 430}), kDetail);
  });
  p.save();
  p.setClipRect(QRectF(0, 470, 400, 200));
  ink.Shape(ring);
  p.restore();
  // The moon and the stars.
  ink.Shape(Circle(780, 110, 60).subtracted(Circle(810, 90, 52)));
  for (const auto& s : {std::array<qreal, 3>{110, 100, 30},
                        {300, 200, 20},
                        {640, 300, 24},
                        {820, 420, 32},
                        {700, 600, 22},
                        {90, 270, 18},
                        {600, 80, 18}})
    ink.Shape(Star(s[0], s[1], s[2], s[2] * 0.45, 5));
  // The flames under the rocket.
  const QPainterPath flame =
      Poly({{415, 540}, {395, 600}, {425, 580}, {450, 655}, {475, 580}, {505, 600}, {485, 540}});
  ink.Shape(flame);
  ink.Shape(Poly({{432, 540}, {440, 590}, {450, 565}, {460, 590}, {468, 540}}), {}, kDetail);
  // Fins, then the body over them.
  ink.Shape(Poly({{380, 380}, {310, 470}, {320, 545}, {390, 500}}));
  ink.Shape(Poly({{520, 380}, {590, 470}, {580, 545}, {510, 500}}));
  QPainterPath body;
  body.moveTo(450, 60);
  body.cubicTo(530, 130, 545, 300, 520, 540);
  body.lineTo(380, 540);
  body.cubicTo(355, 300, 370, 130, 450, 60);
  body.closeSubpath();
  ink.Shape(body, [&] {
    ink.Line({300, 170}, {600, 170}, kLine);
    ink.Line({300, 440}, {600, 440}, kLine);
    ink.Line({300, 470}, {600, 470}, kDetail);
  });
  ink.Shape(Circle(450, 280, 50), [&] { ink.Arc(450, 280, 34, 34, 100, 70); });
  ink.Shape(Box(425, 190, 50, 16, 8), {}, kDetail);
}

void DrawFish(QPainter& p) {
  Ink ink(p);
  // The sea floor, a starfish and a shell.
  QPainterPath sand;
  sand.moveTo(-10, 580);
  sand.cubicTo(200, 540, 400, 610, 600, 570);
  sand.cubicTo(750, 540, 850, 570, 970, 560);
  sand.lineTo(970, 670);
  sand.lineTo(-10, 670);
  sand.closeSubpath();
  ink.Shape(sand);
  // Seaweed behind everything.
  for (qreal x : {90.0, 130.0, 850.0, 890.0}) {
    QPainterPath weed(QPointF(x, 600));
    weed.cubicTo(x - 40, 520, x + 40, 460, x - 10, 360 + (x > 500 ? 40 : 0));
    ink.Shape(Thick(weed, 22));
  }
  ink.Shape(Star(230, 610, 38, 17, 5, -80), [&] { ink.Shape(Circle(230, 610, 8), {}, kDetail); });
  QPainterPath shell;
  shell.moveTo(700, 630);
  shell.arcTo(QRectF(650, 570, 100, 110), 180, -180);
  shell.closeSubpath();
  ink.Shape(shell, [&] {
    for (int i = -2; i <= 2; ++i) ink.Line({700, 630}, {700.0 + i * 30, 560});
  });
  // The big fish: tail and fins, then the body with its stripes.
  ink.Shape(Poly({{650, 300}, {800, 200}, {770, 310}, {800, 420}}));
  ink.Shape(Poly({{360, 215}, {430, 140}, {560, 170}, {590, 240}}));
  ink.Shape(Poly({{420, 400}, {470, 460}, {540, 440}, {520, 390}}));
  QPainterPath body;
  body.moveTo(250, 310);
  body.cubicTo(320, 180, 560, 170, 680, 310);
  body.cubicTo(560, 440, 320, 440, 250, 310);
  body.closeSubpath();
  ink.Shape(body, [&] {
    ink.Outline(Curve({380, 180}, {350, 260}, {350, 360}, {380, 440}), kLine);
    ink.Outline(Curve({420, 180}, {390, 260}, {390, 360}, {420, 440}), kLine);
    ink.Outline(Curve({530, 180}, {505, 260}, {505, 360}, {530, 440}), kLine);
    ink.Outline(Curve({570, 180}, {545, 260}, {545, 360}, {570, 440}), kLine);
  });
  ink.Shape(Circle(305, 295, 18));
  ink.Solid(Circle(300, 295, 8));
  ink.Arc(290, 340, 25, 14, 200, 80);
  ink.Shape(Oval(470, 330, 30, 16, 30));
  // A small fish and bubbles.
  ink.Shape(Poly({{175, 160}, {215, 130}, {210, 190}}));
  ink.Shape(Oval(130, 160, 55, 30), [&] {
    ink.Outline(Curve({120, 120}, {105, 150}, {105, 170}, {120, 200}));
  });
  ink.Solid(Circle(98, 153, 6));
  for (const auto& b : {std::array<qreal, 3>{235, 250, 16},
                        {215, 205, 11},
                        {250, 60, 22},
                        {640, 80, 18},
                        {675, 120, 12},
                        {860, 150, 24},
                        {820, 220, 14}})
    ink.Shape(Circle(b[0], b[1], b[2]));
  ink.Outline(Curve({-10, 30}, {100, 10}, {200, 50}, {320, 25}), kLine);
}

void DrawButterfly(QPainter& p) {
  Ink ink(p);
  ink.Shape(Poly({{-10, 590}, {910, 590}, {910, 670}, {-10, 670}}));
  for (int i = 0; i < 22; ++i) {
    const qreal x = 10 + i * 42;
    ink.Shape(Poly({{x, 596}, {x + 12, 555}, {x + 24, 596}}), {}, kDetail);
  }
  Flower(ink, 110, 470, 26, 590);
  Flower(ink, 790, 450, 30, 590);
  Flower(ink, 660, 520, 18, 590);
  Sun(ink, 90, 90, 40, false);
  // Wings, left then mirrored; the lower wings first.
  for (int side : {-1, 1}) {
    QTransform m;
    m.translate(450, 0);
    m.scale(side, 1);
    m.translate(-450, 0);
    QPainterPath lower;
    lower.moveTo(440, 330);
    lower.cubicTo(380, 330, 270, 360, 290, 450);
    lower.cubicTo(305, 520, 400, 500, 445, 390);
    lower.closeSubpath();
    ink.Shape(m.map(lower), [&] {
      ink.Shape(m.map(Circle(345, 430, 30)), {}, kDetail);
      ink.Shape(m.map(Circle(400, 380, 14)), {}, kDetail);
    });
    QPainterPath upper;
    upper.moveTo(445, 330);
    upper.cubicTo(400, 200, 280, 120, 210, 160);
    upper.cubicTo(150, 200, 190, 320, 245, 345);
    upper.cubicTo(300, 370, 390, 355, 445, 330);
    upper.closeSubpath();
    ink.Shape(m.map(upper), [&] {
      ink.Shape(m.map(Oval(280, 240, 50, 40, -20)),
                [&] { ink.Shape(m.map(Circle(280, 240, 16)), {}, kDetail); });
      ink.Shape(m.map(Circle(370, 300, 20)), {}, kDetail);
      ink.Shape(m.map(Circle(215, 200, 14)), {}, kDetail);
    });
    ink.Outline(m.map(Curve({440, 205}, {430, 160}, {410, 130}, {385, 115})), kDetail);
    ink.Shape(m.map(Circle(383, 112, 9)), {}, kDetail);
  }
  // The body and the head with a smile.
  ink.Shape(Oval(450, 350, 22, 110), [&] {
    for (int i = 0; i < 5; ++i) ink.Line({420, 310.0 + i * 28}, {480, 310.0 + i * 28});
  });
  ink.Shape(Circle(450, 225, 30));
  ink.Solid(Circle(440, 220, 5));
  ink.Solid(Circle(460, 220, 5));
  ink.Arc(450, 228, 12, 10, 200, 140);
}

void DrawCar(QPainter& p) {
  Ink ink(p);
  Sun(ink, 840, 100, 45, true);
  Cloud(ink, 90, 80, 0.9);
  Cloud(ink, 430, 110, 0.7);
  // Mountains, then the road with its stripes.
  ink.Shape(Poly({{-10, 420}, {160, 220}, {330, 420}}), [&] {
    ink.Lines({{100, 290}, {130, 310}, {160, 285}, {190, 310}, {220, 290}});
  });
  ink.Shape(Poly({{230, 420}, {420, 250}, {610, 420}}), [&] {
    ink.Lines({{355, 310}, {390, 330}, {420, 305}, {450, 330}, {485, 310}});
  });
  ink.Shape(Poly({{-10, 420}, {970, 420}, {970, 500}, {-10, 500}}));
  ink.Shape(Poly({{-10, 500}, {970, 500}, {970, 650}, {-10, 650}}));
  for (int i = 0; i < 7; ++i) ink.Shape(Box(20 + i * 140, 590, 80, 16, 4), {}, kDetail);
  // A tree beside the road.
  ink.Shape(Box(792, 330, 30, 110));
  ink.Shape(Puff({{807, 280, 55}, {770, 320, 35}, {845, 320, 35}}));
  // The car: cabin, body, windows, lights, wheels.
  QPainterPath cabin;
  cabin.moveTo(300, 400);
  cabin.lineTo(360, 300);
  cabin.quadTo(370, 285, 390, 285);
  cabin.lineTo(560, 285);
  cabin.quadTo(580, 285, 590, 300);
  cabin.lineTo(650, 400);
  cabin.closeSubpath();
  ink.Shape(cabin, [&] {
    ink.Outline(Poly({{335, 395}, {378, 310}, {465, 310}, {465, 395}}), kDetail);
    ink.Outline(Poly({{490, 395}, {490, 310}, {572, 310}, {615, 395}}), kDetail);
  });
  ink.Shape(Box(170, 390, 610, 130, 40), [&] {
    ink.Line({477, 380}, {477, 530});
    ink.Outline(Box(420, 415, 38, 12, 6), kDetail);
    ink.Outline(Box(500, 415, 38, 12, 6), kDetail);
    ink.Line({160, 470}, {790, 470});
  });
  ink.Shape(Oval(760, 420, 20, 14));
  ink.Shape(Box(160, 410, 26, 28, 6));
  for (qreal wx : {300.0, 650.0}) {
    ink.Shape(Circle(wx, 525, 58), [&] {
      ink.Outline(Circle(wx, 525, 30), kDetail);
      for (int i = 0; i < 3; ++i) {
        const qreal a = i * kPi / 3;
        ink.Line({wx + 30 * std::cos(a), 525 + 30 * std::sin(a)},
                 {wx - 30 * std::cos(a), 525 - 30 * std::sin(a)});
      }
    });
    ink.Shape(Circle(wx, 525, 10), {}, kDetail);
  }
}

void DrawFlowers(QPainter& p) {
  Ink ink(p);
  ink.Shape(Poly({{-10, 600}, {910, 600}, {910, 670}, {-10, 670}}), [&] {
    for (int i = 0; i < 10; ++i) ink.Line({i * 100.0 + 40, 600}, {i * 100.0 + 10, 670});
  });
  // Stems and leaves behind the flowers.
  ink.Shape(Thick(Curve({450, 430}, {440, 330}, {320, 260}, {290, 200}), 14));
  ink.Shape(Thick(Curve({450, 430}, {450, 330}, {455, 220}, {450, 150}), 14));
  ink.Shape(Thick(Curve({450, 430}, {470, 330}, {590, 270}, {620, 220}), 14));
  ink.Shape(Oval(390, 330, 40, 16, 35), [&] { ink.Line({355, 305}, {425, 355}); });
  ink.Shape(Oval(520, 350, 40, 16, -35), [&] { ink.Line({485, 375}, {555, 325}); });
  // The daisy.
  for (int i = 0; i < 10; ++i)
    ink.Shape(Oval(290 + 55 * std::cos(i * kPi / 5), 200 + 55 * std::sin(i * kPi / 5), 34, 15, i * 36));
  ink.Shape(Circle(290, 200, 32), [&] {
    for (int i = 0; i < 3; ++i) ink.Outline(Circle(280.0 + i * 12, 192.0 + (i % 2) * 16, 5), kDetail);
  });
  // The tulip.
  QPainterPath tulip;
  tulip.moveTo(405, 95);
  tulip.lineTo(428, 130);
  tulip.lineTo(450, 80);
  tulip.lineTo(472, 130);
  tulip.lineTo(495, 95);
  tulip.cubicTo(505, 150, 490, 185, 450, 190);
  tulip.cubicTo(410, 185, 395, 150, 405, 95);
  tulip.closeSubpath();
  ink.Shape(tulip, [&] { ink.Outline(Curve({428, 130}, {430, 160}, {440, 180}, {450, 195})); });
  // The sunflower.
  for (int i = 0; i < 14; ++i) {
    const qreal a = i * 2 * kPi / 14, d = 0.22;
    ink.Shape(Poly({{620 + 38 * std::cos(a - d), 210 + 38 * std::sin(a - d)},
                    {620 + 80 * std::cos(a), 210 + 80 * std::sin(a)},
                    {620 + 38 * std::cos(a + d), 210 + 38 * std::sin(a + d)}}));
  }
  ink.Shape(Circle(620, 210, 44), [&] {
    for (int i = -2; i <= 2; ++i) {
      ink.Line({620.0 + i * 30 - 60, 150}, {620.0 + i * 30 + 60, 270});
      ink.Line({620.0 + i * 30 + 60, 150}, {620.0 + i * 30 - 60, 270});
    }
  });
  // The pot with its rim and spots.
  ink.Shape(Poly({{340, 470}, {560, 470}, {530, 610}, {370, 610}}), [&] {
    for (const auto& d : {QPointF(400, 525), QPointF(450, 560), QPointF(500, 525)})
      ink.Outline(Circle(d.x(), d.y(), 16), kDetail);
  });
  ink.Shape(Box(320, 420, 260, 55, 10));
  // A bee on its way.
  ink.Outline(Curve({700, 470}, {760, 520}, {800, 420}, {740, 430}), kDetail);
  ink.Shape(Oval(790, 385, 22, 30, -30));
  ink.Shape(Oval(815, 380, 22, 30, 30));
  ink.Shape(Oval(800, 420, 45, 28), [&] {
    ink.Line({785, 380}, {785, 460}, kLine);
    ink.Line({810, 380}, {810, 460}, kLine);
  });
  ink.Shape(Circle(848, 415, 18));
  ink.Solid(Circle(852, 410, 4));
  Cloud(ink, 80, 80, 0.8);
  ink.Shape(Star(130, 320, 34, 15, 5));
}

void DrawLandscape(QPainter& p) {
  Ink ink(p);
  Sun(ink, 200, 130, 58, true);
  Cloud(ink, 560, 80, 1.0);
  Cloud(ink, 760, 160, 0.7);
  // Hills one behind the other.
  ink.Shape(Oval(720, 470, 320, 160));
  ink.Shape(Oval(180, 500, 330, 140));
  // The lake with a sailing boat.
  ink.Shape(Poly({{-10, 440}, {970, 440}, {970, 690}, {-10, 690}}));
  ink.Shape(Oval(560, 560, 330, 90), [&] {
    ink.Arc(400, 600, 30, 10, 0, 180);
    ink.Arc(700, 610, 30, 10, 0, 180);
    ink.Arc(600, 520, 25, 8, 0, 180);
  });
  ink.Shape(Poly({{540, 360}, {540, 520}, {640, 520}}));
  ink.Shape(Poly({{530, 380}, {530, 520}, {470, 520}}));
  ink.Shape(Poly({{450, 525}, {660, 525}, {630, 570}, {480, 570}}), [&] {
    for (int i = 0; i < 3; ++i) ink.Outline(Circle(515.0 + i * 40, 547, 8), kDetail);
  });
  // Fir trees on the shore.
  for (const auto& t : {QPointF(90, 560), QPointF(170, 600), QPointF(880, 560)}) {
    const qreal x = t.x(), y = t.y();
    ink.Shape(Box(x - 12, y - 20, 24, 50));
    ink.Shape(Poly({{x - 60, y - 10}, {x, y - 90}, {x + 60, y - 10}}));
    ink.Shape(Poly({{x - 48, y - 60}, {x, y - 135}, {x + 48, y - 60}}));
    ink.Shape(Poly({{x - 36, y - 105}, {x, y - 170}, {x + 36, y - 105}}));
  }
  // A little house on the hill.
  ink.Shape(Box(720, 330, 100, 80), [&] { ink.Outline(Box(740, 350, 25, 25), kDetail); });
  ink.Shape(Box(780, 360, 25, 50));
  ink.Shape(Poly({{705, 335}, {770, 280}, {835, 335}}));
  for (const auto& f : {QPointF(330, 640), QPointF(850, 650), QPointF(60, 650)})
    Flower(ink, f.x(), f.y(), 18, f.y() + 30);
}

void DrawDog(QPainter& p) {
  Ink ink(p);
  // The kennel behind the dog.
  ink.Shape(Poly({{560, 250}, {700, 130}, {840, 250}}), [&] {
    ink.Line({540, 170}, {860, 170});
    ink.Line({540, 210}, {860, 210});
  });
  ink.Shape(Box(580, 240, 240, 300), [&] {
    ink.Shape(Box(660, 200, 80, 24, 6), {}, kDetail);
    for (int i = 0; i < 5; ++i) ink.Line({570, 300.0 + i * 50}, {830, 300.0 + i * 50});
  });
  QPainterPath door;
  door.moveTo(640, 540);
  door.lineTo(640, 400);
  door.arcTo(QRectF(640, 340, 120, 120), 180, -180);
  door.lineTo(760, 540);
  door.closeSubpath();
  ink.Shape(door);
  // Grass, a bone and a bowl.
  ink.Shape(Poly({{-10, 540}, {910, 540}, {910, 670}, {-10, 670}}));
  QPainterPath bone = Box(640, 585, 120, 22, 8)
                          .united(Circle(640, 585, 15))
                          .united(Circle(640, 607, 15))
                          .united(Circle(760, 585, 15))
                          .united(Circle(760, 607, 15));
  ink.Shape(bone.simplified());
  ink.Shape(Poly({{60, 520}, {200, 520}, {180, 580}, {80, 580}}), [&] { ink.Line({50, 545}, {210, 545}); });
  ink.Shape(Oval(130, 520, 70, 14));
  // The dog: tail, body, legs, head with ears.
  ink.Shape(Thick(Curve({470, 430}, {540, 420}, {560, 360}, {545, 310}), 26));
  ink.Shape(Oval(380, 450, 120, 110), [&] {
    ink.Shape(Oval(440, 420, 40, 30, 20), {}, kDetail);
    ink.Shape(Oval(310, 430, 26, 20, -15), {}, kDetail);
  });
  for (qreal lx : {310.0, 420.0})
    ink.Shape(Box(lx, 480, 55, 90, 24), [&] { ink.Line({lx + 10, 555}, {lx + 45, 555}); });
  ink.Shape(
      Box(250, 330, 180, 22, 10), [&] {}, kLine);
  ink.Shape(Circle(340, 372, 16), {}, kDetail);
  ink.Shape(Oval(215, 230, 35, 75, 20));
  ink.Shape(Oval(465, 230, 35, 75, -20));
  ink.Shape(Oval(340, 240, 115, 100), [&] { ink.Outline(Oval(300, 210, 38, 30, -20), kDetail); });
  ink.Shape(Oval(340, 290, 55, 38));
  ink.Solid(Oval(340, 270, 20, 13));
  ink.Arc(322, 300, 18, 14, 200, 140);
  ink.Arc(358, 300, 18, 14, 200, 140);
  for (qreal ex : {295.0, 385.0}) {
    ink.Shape(Circle(ex, 215, 18));
    ink.Solid(Circle(ex + 3, 218, 8));
  }
  ink.Shape(Oval(340, 330, 14, 16));
}

void DrawTrain(QPainter& p) {
  Ink ink(p);
  Cloud(ink, 700, 90, 1.0);
  // Smoke puffs from the chimney.
  ink.Shape(Circle(250, 150, 22));
  ink.Shape(Circle(290, 105, 30));
  ink.Shape(Circle(350, 70, 38));
  // Rails and sleepers.
  ink.Shape(Poly({{-10, 520}, {970, 520}, {970, 680}, {-10, 680}}));
  for (int i = 0; i < 16; ++i) ink.Shape(Box(10 + i * 62, 545, 36, 40, 4));
  ink.Shape(Box(-10, 548, 980, 12));
  ink.Shape(Box(-10, 570, 980, 12));
  // The engine: boiler, chimney, cab, cow-catcher.
  ink.Shape(Poly({{105, 430}, {55, 512}, {150, 512}}), [&] { ink.Line({102, 490}, {150, 490}); });
  ink.Shape(Box(215, 180, 40, 70), [&] { ink.Line({205, 205}, {265, 205}); });
  ink.Shape(Box(120, 240, 90, 18, 6));
  ink.Shape(Box(110, 250, 240, 130, 30), [&] {
    ink.Line({170, 240}, {170, 390});
    ink.Line({230, 240}, {230, 390});
  });
  ink.Shape(Box(330, 170, 130, 30, 6));
  ink.Shape(Box(340, 190, 110, 190), [&] { ink.Outline(Box(362, 220, 66, 60, 8), kDetail); });
  ink.Shape(Box(95, 370, 375, 80, 10));
  ink.Shape(Circle(112, 410, 14), {}, kDetail);
  for (const auto& w : {std::array<qreal, 3>{180, 470, 45}, {300, 470, 45}, {415, 480, 35}}) {
    ink.Shape(Circle(w[0], w[1], w[2]), [&] { ink.Outline(Circle(w[0], w[1], w[2] * 0.55), kDetail); });
    ink.Shape(Circle(w[0], w[1], 8), {}, kDetail);
  }
  ink.Shape(Box(180, 462, 235, 14, 7), {}, kDetail);
  // Two wagons with windows and loads.
  for (qreal x : {500.0, 720.0}) {
    ink.Shape(Box(x - 30, 410, 40, 12));
    ink.Shape(Box(x, 300, 200, 150, 10), [&] {
      ink.Outline(Box(x + 20, 330, 70, 50, 6), kDetail);
      ink.Outline(Box(x + 110, 330, 70, 50, 6), kDetail);
      ink.Line({x - 10, 410}, {x + 210, 410});
    });
    for (qreal wx : {x + 50, x + 150}) {
      ink.Shape(Circle(wx, 470, 35), [&] { ink.Outline(Circle(wx, 470, 18), kDetail); });
      ink.Shape(Circle(wx, 470, 7), {}, kDetail);
    }
  }
  ink.Shape(Puff({{550, 280, 30}, {600, 265, 38}, {650, 285, 28}}));
  ink.Shape(Box(760, 250, 40, 50), [&] { ink.Line({750, 275}, {810, 275}); });
  ink.Shape(Box(820, 260, 40, 40));
}

void DrawOwl(QPainter& p) {
  Ink ink(p);
  // Night sky: moon and stars.
  ink.Shape(Circle(760, 120, 70), [&] {
    ink.Outline(Circle(730, 100, 14), kDetail);
    ink.Outline(Circle(790, 150, 10), kDetail);
  });
  for (const auto& s : {std::array<qreal, 3>{90, 80, 26}, {260, 60, 18}, {560, 90, 20}, {880, 300, 18}})
    ink.Shape(Star(s[0], s[1], s[2], s[2] * 0.45, 5));
  // The branch with leaves.
  ink.Shape(Thick(Curve({-20, 520}, {300, 480}, {600, 540}, {920, 470}), 34), [&] {
    ink.Outline(Curve({60, 525}, {120, 510}, {180, 512}, {220, 505}), kDetail);
  });
  for (const auto& l : {std::array<qreal, 3>{140, 560, 30}, {700, 540, 20}, {830, 440, -30}})
    ink.Shape(Oval(l[0], l[1], 45, 18, l[2]), [&] {
      ink.Line({l[0] - 45 * std::cos(l[2] * kPi / 180), l[1] - 45 * std::sin(l[2] * kPi / 180)},
               {l[0] + 45 * std::cos(l[2] * kPi / 180), l[1] + 45 * std::sin(l[2] * kPi / 180)});
    });
  // The owl: ears, body, wings, belly, face.
  ink.Shape(Poly({{350, 200}, {335, 110}, {410, 170}}));
  ink.Shape(Poly({{550, 200}, {565, 110}, {490, 170}}));
  ink.Shape(Oval(450, 330, 140, 190), [&] {
    ink.Shape(Oval(450, 400, 80, 100), [&] {
      for (int r = 0; r < 3; ++r)
        for (int c = -1; c <= 1; ++c) ink.Arc(450 + c * 40 + (r % 2) * 20, 350 + r * 40, 16, 12, 180, 180);
    });
  });
  ink.Shape(Oval(330, 370, 40, 100, 15));
  ink.Shape(Oval(570, 370, 40, 100, -15));
  for (qreal ex : {395.0, 505.0}) {
    ink.Shape(Circle(ex, 250, 50));
    ink.Shape(Circle(ex, 250, 26));
    ink.Solid(Circle(ex, 250, 12));
  }
  ink.Shape(Poly({{432, 285}, {468, 285}, {450, 320}}));
  for (qreal fx : {410.0, 490.0}) ink.Shape(Puff({{fx - 18, 515, 12}, {fx, 520, 12}, {fx + 18, 515, 12}}));
}

void DrawSnowman(QPainter& p) {
  Ink ink(p);
  Cloud(ink, 80, 90, 1.0);
  Cloud(ink, 660, 70, 0.9);
  // A fir tree and the snowy ground.
  ink.Shape(Box(138, 470, 26, 60));
  for (int i = 0; i < 3; ++i)
    ink.Shape(Poly({{151.0 - 85 + i * 18, 480.0 - i * 75},
                    {151, 360.0 - i * 75},
                    {151.0 + 85 - i * 18, 480.0 - i * 75}}));
  QPainterPath ground(QPointF(-10, 540));
  ground.cubicTo(200, 500, 600, 520, 910, 530);
  ground.lineTo(910, 670);
  ground.lineTo(-10, 670);
  ground.closeSubpath();
  ink.Shape(ground);
  // Twig fingers, then the arms over them, behind the body.
  ink.Outline(Curve({290, 250}, {270, 245}, {255, 250}, {245, 260}));
  ink.Outline(Curve({610, 250}, {630, 245}, {645, 250}, {655, 260}));
  ink.Shape(Thick(Curve({400, 330}, {340, 300}, {300, 260}, {260, 220}), 12));
  ink.Shape(Thick(Curve({500, 330}, {560, 300}, {600, 260}, {640, 220}), 12));
  // Three snowballs with buttons.
  ink.Shape(Circle(450, 500, 115));
  ink.Shape(Circle(450, 330, 82));
  for (int i = 0; i < 3; ++i) ink.Shape(Circle(450, 300.0 + i * 40, 11), {}, kDetail);
  ink.Shape(Circle(450, 485, 12), {}, kDetail);
  // The scarf: a band and a hanging end with fringes.
  ink.Shape(Poly({{490, 250}, {520, 255}, {540, 360}, {500, 362}}), [&] {
    ink.Line({480, 335}, {550, 330});
    ink.Line({485, 300}, {540, 295});
  });
  ink.Shape(Box(375, 245, 150, 34, 16), [&] {
    for (int i = 1; i < 5; ++i) ink.Line({375.0 + i * 30, 235}, {385.0 + i * 30, 290});
  });
  ink.Shape(Circle(450, 195, 62));
  ink.Solid(Circle(428, 180, 7));
  ink.Solid(Circle(472, 180, 7));
  for (int i = 0; i < 5; ++i) {
    const qreal a = (30 + i * 30) * kPi / 180;
    ink.Solid(Circle(450 + 30 * std::cos(a), 220 + 14 * std::sin(a), 4));
  }
  ink.Shape(Poly({{447, 190}, {510, 205}, {447, 212}}), [&] { ink.Line({470, 185}, {468, 215}); });
  // The hat.
  ink.Shape(Box(395, 145, 110, 16, 6));
  ink.Shape(Box(415, 70, 70, 80, 4), [&] { ink.Outline(Box(405, 120, 90, 16), kLine); });
  // Snowflakes and a bird on the arm.
  for (const auto& f : {QPointF(300, 120), QPointF(800, 220), QPointF(760, 400), QPointF(220, 330)})
    for (int i = 0; i < 3; ++i) {
      const qreal a = i * kPi / 3;
      ink.Line({f.x() - 18 * std::cos(a), f.y() - 18 * std::sin(a)},
               {f.x() + 18 * std::cos(a), f.y() + 18 * std::sin(a)});
    }
  ink.Shape(Poly({{680, 215}, {700, 200}, {700, 228}}));
  ink.Shape(Oval(660, 210, 28, 20));
  ink.Shape(Poly({{633, 205}, {618, 210}, {633, 214}}), {}, kDetail);
  ink.Shape(Circle(645, 200, 4), {}, kDetail);
  ink.Arc(665, 212, 14, 8, 200, 140);
  ink.Shape(Box(700, 560, 120, 60, 12), [&] { ink.Line({760, 550}, {760, 630}); });
  ink.Shape(Box(690, 540, 140, 26, 10));
}

void DrawTurtle(QPainter& p) {
  Ink ink(p);
  Sun(ink, 830, 100, 45, true);
  Cloud(ink, 90, 80, 0.9);
  ink.Shape(Poly({{-10, 520}, {970, 520}, {970, 670}, {-10, 670}}));
  for (int i = 0; i < 12; ++i) {
    const qreal x = 30 + i * 80;
    ink.Shape(Poly({{x, 530}, {x + 10, 500}, {x + 20, 530}}), {}, kDetail);
    ink.Shape(Poly({{x + 14, 530}, {x + 26, 492}, {x + 34, 530}}), {}, kDetail);
  }
  // Legs, tail and head behind the shell.
  for (qreal lx : {330.0, 560.0})
    ink.Shape(Box(lx, 400, 70, 125, 30), [&] {
      for (int i = 0; i < 3; ++i) ink.Line({lx + 15 + i * 20, 505}, {lx + 15 + i * 20, 530});
    });
  ink.Shape(Poly({{680, 420}, {760, 450}, {690, 460}}));
  ink.Shape(Thick(Curve({280, 410}, {250, 390}, {230, 350}, {210, 320}), 60));
  ink.Shape(Circle(190, 300, 62));
  ink.Shape(Circle(175, 280, 16));
  ink.Solid(Circle(170, 280, 8));
  ink.Arc(180, 310, 30, 22, 200, 110);
  ink.Shape(Oval(225, 315, 10, 7), {}, kDetail);
  // The shell with its plates, and its rim.
  QPainterPath shell;
  shell.moveTo(270, 430);
  shell.cubicTo(280, 230, 640, 200, 700, 430);
  shell.closeSubpath();
  ink.Shape(shell, [&] {
    const QPainterPath middle = Poly({{430, 300}, {540, 300}, {575, 380}, {395, 380}});
    ink.Outline(middle, kLine);
    ink.Line({430, 300}, {380, 220}, kLine);
    ink.Line({540, 300}, {590, 220}, kLine);
    ink.Line({395, 380}, {300, 340}, kLine);
    ink.Line({575, 380}, {670, 340}, kLine);
    ink.Line({395, 380}, {370, 440}, kLine);
    ink.Line({575, 380}, {600, 440}, kLine);
    ink.Line({485, 300}, {485, 200}, kLine);
  });
  ink.Shape(Box(250, 420, 470, 34, 17), [&] {
    for (int i = 1; i < 8; ++i) ink.Line({250.0 + i * 58, 410}, {250.0 + i * 58, 460});
  });
  // A snail coming to visit.
  ink.Shape(Poly({{780, 520}, {800, 470}, {905, 470}, {920, 520}}));
  ink.Outline(Curve({800, 478}, {790, 450}, {785, 430}, {775, 420}));
  ink.Shape(Circle(774, 418, 7), {}, kDetail);
  ink.Shape(Circle(855, 460, 45), [&] {
    ink.Outline(Circle(855, 460, 28), kDetail);
    ink.Outline(Circle(855, 460, 12), kDetail);
  });
}

void DrawDinosaur(QPainter& p) {
  Ink ink(p);
  // The volcano with its smoke, and a palm tree.
  ink.Shape(Poly({{-10, 520}, {110, 200}, {200, 200}, {330, 520}}), [&] {
    ink.Lines({{100, 230}, {120, 255}, {140, 235}, {160, 260}, {180, 230}, {210, 250}});
  });
  ink.Shape(Puff({{150, 170, 28}, {185, 140, 32}, {225, 120, 26}, {125, 145, 22}}));
  ink.Shape(Thick(Curve({850, 540}, {860, 420}, {840, 330}, {860, 240}), 26), [&] {
    for (int i = 0; i < 8; ++i) ink.Line({820, 520.0 - i * 36}, {900, 500.0 - i * 36});
  });
  for (int side : {-1, 1}) {
    QPainterPath leaf(QPointF(860, 240));
    leaf.cubicTo(860 + side * 30, 195, 860 + side * 65, 200, 860 + side * 85, 250);
    leaf.cubicTo(860 + side * 60, 228, 860 + side * 30, 228, 860, 240);
    ink.Shape(leaf);
  }
  ink.Shape(Circle(860, 242, 14));
  ink.Shape(Poly({{-10, 520}, {970, 520}, {970, 690}, {-10, 690}}));
  // Legs behind the body, then tail, body, neck and head.
  for (qreal lx : {250.0, 300.0, 470.0, 520.0})
    ink.Shape(Box(lx, 430, 55, 130, 20), [&] {
      for (int i = 0; i < 3; ++i) ink.Outline(Circle(lx + 10 + i * 17, 560, 6), kDetail);
    });
  QPainterPath tail(QPointF(230, 380));
  tail.cubicTo(150, 420, 80, 470, 30, 440);
  tail.cubicTo(90, 500, 190, 470, 260, 460);
  tail.closeSubpath();
  ink.Shape(tail);
  ink.Shape(Oval(400, 420, 190, 105), [&] {
    ink.Shape(Oval(330, 390, 34, 22), {}, kDetail);
    ink.Shape(Oval(430, 370, 26, 18), {}, kDetail);
    ink.Shape(Oval(500, 430, 30, 20), {}, kDetail);
    ink.Shape(Oval(380, 460, 22, 15), {}, kDetail);
    ink.Outline(Curve({230, 470}, {330, 520}, {480, 520}, {590, 460}), kDetail);
  });
  QPainterPath neck(QPointF(500, 345));
  neck.cubicTo(560, 300, 560, 200, 600, 150);
  neck.lineTo(660, 170);
  neck.cubicTo(620, 230, 620, 320, 580, 400);
  neck.closeSubpath();
  ink.Shape(neck, [&] {
    for (int i = 0; i < 4; ++i) ink.Line({540.0 + i * 12, 330.0 - i * 50}, {630.0 + i * 8, 345.0 - i * 50});
  });
  ink.Shape(Oval(640, 140, 58, 36, -10));
  ink.Shape(Circle(640, 125, 12));
  ink.Solid(Circle(643, 125, 6));
  ink.Arc(660, 150, 30, 12, 200, 120);
  ink.Shape(Circle(690, 132, 4), {}, kDetail);
  // An egg in the grass and a little flower.
  ink.Shape(Oval(120, 590, 40, 50), [&] {
    ink.Lines({{70, 590}, {90, 575}, {105, 595}, {125, 575}, {140, 595}, {170, 580}});
  });
  Flower(ink, 700, 600, 18, 650);
}

}  // namespace

const std::vector<BundledPage>& BundledPages() {
  // The seeds were taken from the drawings when they were made (pagegen --suggest-seeds), in the
  // drawings' own coordinates: one point well inside every enclosed area of 400 pixels or more.
  // clang-format off
  static const std::vector<BundledPage> pages = {
      {QStringLiteral("Cat.bmp"), 900, 660, DrawCat, {
        {113, 54}, {74, 76}, {274, 76}, {149, 85}, {204, 124}, {714, 86}, {114, 107}, {711, 138},
        {360, 129}, {539, 129}, {737, 127}, {378, 164}, {521, 164}, {147, 222}, {218, 198}, {449, 211},
        {397, 225}, {487, 225}, {370, 378}, {656, 366}, {449, 460}, {759, 474}, {730, 528}, {804, 551},
        {680, 541}, {778, 528}, {364, 570}, {474, 570}, {187, 589}, {650, 567}, {317, 589}, {561, 574}
      }},
      {QStringLiteral("House.bmp"), 900, 660, DrawHouse, {
        {505, 64}, {122, 83}, {769, 83}, {482, 162}, {299, 254}, {494, 198}, {356, 219}, {383, 219},
        {354, 248}, {383, 248}, {135, 288}, {269, 467}, {256, 346}, {288, 346}, {456, 346}, {488, 346},
        {256, 378}, {288, 378}, {456, 378}, {488, 378}, {355, 509}, {240, 403}, {440, 403}, {179, 443},
        {124, 526}, {359, 459}, {655, 486}, {700, 486}, {611, 487}, {588, 495}, {633, 495}, {678, 495},
        {723, 495}, {768, 495}, {813, 495}, {858, 495}, {340, 570}, {308, 624}
      }},
      {QStringLiteral("Castle.bmp"), 960, 680, DrawCastle, {
        {226, 58}, {766, 58}, {110, 94}, {505, 124}, {209, 131}, {749, 131}, {216, 373}, {756, 373},
        {200, 265}, {219, 265}, {409, 337}, {740, 265}, {759, 265}, {311, 311}, {481, 311}, {611, 331},
        {349, 379}, {609, 379}, {479, 396}, {448, 402}, {511, 402}, {175, 430}, {715, 430}, {416, 449},
        {447, 445}, {479, 445}, {511, 445}, {543, 449}, {331, 471}, {416, 480}, {447, 480}, {479, 480},
        {511, 480}, {543, 480}, {601, 481}, {225, 490}, {765, 490}, {416, 515}, {447, 515}, {479, 515},
        {511, 515}, {543, 515}, {412, 546}, {443, 546}, {475, 546}, {507, 546}, {539, 546}, {111, 562},
        {830, 562}, {410, 597}, {443, 622}, {479, 626}, {516, 622}, {549, 597}
      }},
      {QStringLiteral("Rocket.bmp"), 900, 680, DrawRocket, {
        {752, 134}, {449, 124}, {109, 97}, {426, 381}, {432, 197}, {453, 283}, {186, 412}, {819, 417},
        {342, 468}, {557, 468}, {58, 485}, {289, 444}, {142, 471}, {387, 455}, {411, 504}, {90, 495},
        {226, 529}, {449, 598}, {446, 553}
      }},
      {QStringLiteral("Fish.bmp"), 960, 660, DrawFish, {
        {249, 59}, {639, 79}, {859, 149}, {137, 159}, {89, 164}, {198, 157}, {432, 174}, {723, 300},
        {819, 219}, {451, 259}, {384, 236}, {536, 240}, {321, 341}, {608, 308}, {234, 249}, {309, 286},
        {463, 327}, {81, 363}, {121, 363}, {842, 403}, {882, 403}, {476, 431}, {689, 581}, {709, 581},
        {232, 593}, {667, 610}, {732, 610}
      }},
      {QStringLiteral("Butterfly.bmp"), 900, 660, DrawButterfly, {
        {89, 89}, {310, 312}, {589, 312}, {214, 199}, {684, 199}, {448, 209}, {304, 221}, {595, 221},
        {279, 239}, {619, 239}, {449, 288}, {369, 299}, {529, 299}, {442, 323}, {442, 351}, {400, 420},
        {497, 420}, {399, 379}, {442, 379}, {499, 379}, {445, 407}, {344, 429}, {554, 429}, {771, 420},
        {805, 422}, {449, 434}, {94, 444}, {122, 445}, {756, 447}, {823, 447}, {789, 449}, {81, 468},
        {109, 469}, {808, 472}, {775, 477}, {125, 495}, {97, 494}
      }},
      {QStringLiteral("Car.bmp"), 960, 640, DrawCar, {
        {120, 74}, {838, 79}, {453, 105}, {159, 255}, {806, 279}, {419, 267}, {476, 303}, {397, 349},
        {529, 349}, {300, 372}, {806, 349}, {226, 430}, {571, 430}, {753, 419}, {172, 422}, {271, 492},
        {621, 492}, {202, 494}, {374, 494}, {501, 494}, {724, 494}, {27, 597}, {167, 597}, {307, 597},
        {447, 597}, {587, 597}, {727, 597}, {867, 597}
      }},
      {QStringLiteral("Flowers.bmp"), 900, 660, DrawFlowers, {
        {105, 74}, {462, 152}, {415, 132}, {270, 138}, {309, 138}, {239, 164}, {339, 164}, {291, 182},
        {224, 199}, {336, 199}, {452, 211}, {329, 229}, {248, 230}, {305, 245}, {275, 243}, {364, 286},
        {523, 313}, {129, 317}, {386, 318}, {371, 325}, {523, 338}, {538, 345}, {817, 373}, {780, 371},
        {797, 404}, {823, 429}, {770, 413}, {843, 417}, {347, 447}, {443, 510}, {399, 524}, {499, 524},
        {449, 559}
      }},
      {QStringLiteral("Landscape.bmp"), 960, 680, DrawLandscape, {
        {592, 73}, {198, 103}, {783, 155}, {769, 307}, {738, 391}, {752, 362}, {792, 372}, {577, 479},
        {505, 493}, {89, 431}, {879, 431}, {169, 471}, {136, 461}, {813, 471}, {78, 477}, {868, 477},
        {753, 559}, {158, 517}, {73, 524}, {863, 524}, {485, 546}, {153, 564}, {89, 561}, {879, 561},
        {169, 601}
      }},
      {QStringLiteral("Dog.bmp"), 900, 660, DrawDog, {
        {699, 150}, {414, 251}, {201, 267}, {478, 267}, {654, 189}, {318, 196}, {288, 208}, {378, 208},
        {608, 224}, {610, 270}, {309, 284}, {525, 403}, {605, 324}, {339, 327}, {260, 340}, {388, 340},
        {699, 399}, {372, 449}, {605, 374}, {779, 374}, {339, 371}, {435, 419}, {605, 424}, {785, 424},
        {307, 429}, {605, 474}, {785, 474}, {337, 507}, {447, 507}, {600, 519}, {780, 519}, {106, 519},
        {73, 536}, {91, 561}, {643, 591}
      }},
      {QStringLiteral("Train.bmp"), 960, 660, DrawTrain, {
        {349, 69}, {732, 83}, {289, 104}, {249, 149}, {339, 179}, {227, 192}, {385, 324}, {234, 223},
        {391, 249}, {592, 264}, {140, 280}, {199, 280}, {284, 305}, {772, 262}, {839, 279}, {772, 286},
        {599, 388}, {819, 321}, {544, 354}, {634, 354}, {764, 354}, {854, 354}, {223, 409}, {111, 409},
        {520, 429}, {740, 429}, {158, 443}, {278, 443}, {531, 451}, {631, 451}, {751, 451}, {851, 451},
        {170, 457}, {430, 458}, {101, 469}, {543, 459}, {643, 459}, {763, 459}, {863, 459}, {421, 468},
        {186, 468}, {238, 497}, {273, 491}, {290, 484}, {358, 497}
      }},
      {QStringLiteral("Owl.bmp"), 900, 660, DrawOwl, {
        {783, 95}, {89, 78}, {729, 99}, {364, 156}, {535, 156}, {449, 186}, {370, 221}, {480, 221},
        {382, 237}, {492, 237}, {332, 358}, {567, 358}, {391, 314}, {508, 314}, {429, 463}, {359, 446},
        {540, 446}, {833, 428}, {847, 439}, {391, 514}, {471, 514}, {688, 527}, {678, 540}, {136, 548},
        {122, 559}
      }},
      {QStringLiteral("Snowman.bmp"), 900, 660, DrawSnowman, {
        {690, 64}, {112, 83}, {439, 94}, {422, 127}, {421, 142}, {402, 152}, {416, 203}, {661, 205},
        {150, 294}, {391, 261}, {422, 263}, {484, 261}, {511, 258}, {297, 256}, {602, 256}, {452, 267},
        {515, 287}, {410, 321}, {512, 314}, {142, 367}, {517, 345}, {411, 534}, {130, 442}, {150, 492},
        {702, 552}, {726, 592}, {785, 592}
      }},
      {QStringLiteral("Turtle.bmp"), 960, 660, DrawTurtle, {
        {120, 74}, {828, 79}, {217, 272}, {464, 283}, {500, 284}, {375, 329}, {591, 332}, {452, 339},
        {245, 373}, {315, 383}, {647, 384}, {406, 399}, {830, 433}, {266, 436}, {323, 436}, {381, 436},
        {439, 436}, {497, 436}, {555, 436}, {613, 436}, {671, 436}, {844, 443}, {358, 482}, {482, 486},
        {588, 482}, {808, 498}
      }},
      {QStringLiteral("Dinosaur.bmp"), 960, 680, DrawDinosaur, {
        {184, 139}, {611, 143}, {593, 174}, {597, 209}, {811, 220}, {896, 220}, {859, 241}, {580, 258},
        {854, 272}, {565, 361}, {851, 308}, {268, 427}, {850, 345}, {425, 369}, {851, 380}, {324, 389},
        {179, 439}, {852, 416}, {494, 429}, {851, 451}, {375, 459}, {547, 513}, {852, 488}, {475, 507},
        {274, 522}, {495, 532}, {320, 535}, {109, 565}, {122, 608}
      }},
  };
  // clang-format on
  return pages;
}

namespace {

qreal PageScale(const BundledPage& page, QSize limit) {
  return std::min(qreal(limit.width()) / page.width, qreal(limit.height()) / page.height);
}

// Where two lines nearly meet, the drawing leaves white specks of a few pixels: too small to colour
// or to see as a place of their own, they only look like dust. They become part of the line.
void InkSpecks(QImage& image) {
  constexpr int kSpeck = 12;
  const RegionMap map = LabelRegions(image, 255);
  for (int y = 0; y < map.height; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < map.width; ++x) {
      const int id = map.At({x, y});
      if (id >= 0 && map.sizes[static_cast<size_t>(id)] < kSpeck) row[x] = qRgb(0, 0, 0);
    }
  }
}

}  // namespace

QSize PageSize(const BundledPage& page, QSize limit) {
  const qreal scale = PageScale(page, limit);
  return {qRound(page.width * scale), qRound(page.height * scale)};
}

std::vector<QPoint> PageSeeds(const BundledPage& page, QSize limit) {
  const qreal scale = PageScale(page, limit);
  std::vector<QPoint> seeds;
  for (const QPoint& s : page.seeds) seeds.push_back((QPointF(s) * scale).toPoint());
  return seeds;
}

QImage RenderPage(const BundledPage& page, QSize limit) {
  QImage image(PageSize(page, limit), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const qreal scale = PageScale(page, limit);
  painter.scale(scale, scale);
  page.draw(painter);
  painter.end();
  InkSpecks(image);
  return image;
}

}  // namespace pintoola::art
