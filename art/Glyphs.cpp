// The main window's glyphs. Each is drawn anti-aliased on transparency and then keyed: a glyph is
// shown by colour key without blending, so soft edges are settled here against the colour of the
// button it sits on, and what is mostly transparent becomes the key.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <functional>

#include "art/Artwork.h"

namespace pintoola::art {
namespace {

const QColor kInk(20, 20, 20);
const QColor kToolbarFace(255, 192, 0);  // middle of the yellow-to-orange toolbar buttons
const QColor kStyleFace(0, 128, 255);    // middle of the aqua-to-blue style buttons

QPen InkPen(qreal width = 1.5) {
  QPen pen(kInk, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

// A framed landscape: sky, sun, hill, meadow, in the rectangle r.
void Landscape(QPainter& p, const QRectF& r) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 200, 255));
  p.drawRect(r);
  p.setClipRect(r);
  p.setBrush(QColor(255, 220, 40));
  p.drawEllipse(QPointF(r.left() + r.width() * 0.28, r.top() + r.height() * 0.3), r.height() * 0.17,
                r.height() * 0.17);
  p.setBrush(QColor(60, 170, 60));
  p.drawEllipse(QPointF(r.left() + r.width() * 0.75, r.bottom()), r.width() * 0.55, r.height() * 0.62);
  p.setBrush(QColor(110, 210, 70));
  p.drawEllipse(QPointF(r.left() + r.width() * 0.15, r.bottom() + 2), r.width() * 0.6, r.height() * 0.45);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 2));
  p.drawRect(r.adjusted(-1, -1, 1, 1));
  p.setPen(InkPen(1.2));
  p.drawRect(r.adjusted(-2.2, -2.2, 2.2, 2.2));
}

void Sheet(QPainter& p, const QRectF& r, const QColor& fill = Qt::white) {
  p.setPen(InkPen(1.2));
  p.setBrush(fill);
  p.drawRect(r);
}

// The face drawing of the page buttons; coloured or only outlined.
void FaceOnPages(QPainter& p, bool coloured) {
  Sheet(p, QRectF(8.5, 2.5, 20, 24));
  Sheet(p, QRectF(6.5, 4.5, 20, 24));
  Sheet(p, QRectF(3.5, 6.5, 21, 24));
  const QPointF c(14, 18.5);
  p.setPen(InkPen(1.3));
  p.setBrush(coloured ? QColor(255, 214, 60) : QColor(Qt::white));
  p.drawEllipse(c, 7.5, 7.5);
  if (coloured) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 140));
    p.drawEllipse(QPointF(c.x() - 4.2, c.y() + 1.8), 1.6, 1.3);
    p.drawEllipse(QPointF(c.x() + 4.2, c.y() + 1.8), 1.6, 1.3);
    p.setBrush(QColor(230, 60, 40));
    p.drawChord(QRectF(c.x() - 3.5, c.y() - 1, 7, 6), 180 * 16, 180 * 16);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(c.x() - 2.6, c.y() - 2), 1.1, 1.3);
  p.drawEllipse(QPointF(c.x() + 2.6, c.y() - 2), 1.1, 1.3);
  p.setPen(InkPen(1.1));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - 3.5, c.y() - 1, 7, 6), 200 * 16, 140 * 16);
}

// A white square holding one of the fill patterns, crisp at pixel size.
void PatternSquare(QPainter& p, const std::function<void(QPainter&)>& pattern) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(4, 4, 24, 24);
  if (pattern) {
    p.save();
    p.setClipRect(5, 5, 22, 22);
    p.setPen(QPen(kInk, 1));
    pattern(p);
    p.restore();
  }
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(3, 3, 25, 25);
  p.drawRect(4, 4, 23, 23);
}
void VerticalLines(QPainter& p) {
  for (int x = 7; x < 28; x += 4) p.drawLine(x, 0, x, 31);
}
void HorizontalLines(QPainter& p) {
  for (int y = 7; y < 28; y += 4) p.drawLine(0, y, 31, y);
}
void Falling(QPainter& p, int step) {
  for (int k = -32; k < 32; k += step) p.drawLine(k, 0, k + 31, 31);
}
void Rising(QPainter& p, int step) {
  for (int k = 3; k < 64; k += step) p.drawLine(k, 0, k - 31, 31);  // the mirror of Falling
}

void DrawGlyph(QPainter& p, GlyphId id) {
  switch (id) {
    case GlyphId::btn1:
      FaceOnPages(p, false);
      break;
    case GlyphId::btn4:
      FaceOnPages(p, true);
      break;
    case GlyphId::btn20: {
      Landscape(p, QRectF(4, 7, 24, 18));
      QPainterPath band;
      band.moveTo(1, 22);
      band.lineTo(25, 2);
      band.lineTo(31, 9);
      band.lineTo(7, 29);
      band.closeSubpath();
      p.setPen(InkPen(1.2));
      p.setBrush(Qt::white);
      p.drawPath(band);
      break;
    }
    case GlyphId::btn22:
      Landscape(p, QRectF(4, 7, 24, 18));
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(16, 7, 12, 18));
      p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
      p.drawLine(QPointF(16, 7.5), QPointF(16, 24.5));
      break;
    case GlyphId::btn23: {
      QPainterPath cross;
      cross.moveTo(8, 8);
      cross.lineTo(24, 24);
      cross.moveTo(24, 8);
      cross.lineTo(8, 24);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(kInk, 9, Qt::SolidLine, Qt::RoundCap));
      p.drawPath(cross);
      p.setPen(QPen(QColor(230, 30, 30), 6, Qt::SolidLine, Qt::RoundCap));
      p.drawPath(cross);
      p.setPen(QPen(QColor(255, 120, 110), 1.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(8.5, 7.2), QPointF(13, 11.7));
      p.drawLine(QPointF(23.5, 7.2), QPointF(19, 11.7));
      break;
    }
    case GlyphId::btn24:
      Landscape(p, QRectF(4, 9, 24, 18));
      p.setPen(InkPen(1.2));
      p.setBrush(QColor(220, 30, 40));
      p.drawEllipse(QPointF(16, 6), 4.2, 4.2);
      p.setBrush(QColor(255, 150, 150));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(14.8, 4.8), 1.3, 1.3);
      p.setPen(InkPen(1.4));
      p.drawLine(QPointF(16, 10.5), QPointF(16, 13.5));
      break;
    case GlyphId::btn25: {
      Landscape(p, QRectF(4, 7, 24, 18));
      // The corner beyond the fold line x + y = 49 is turned over onto the picture.
      const QPointF a(30.5, 18.5), b(20.5, 28.5), c(21.8, 18.8);
      p.setCompositionMode(QPainter::CompositionMode_Clear);
      p.fillPath(
          [&] {
            QPainterPath cut(a);
            cut.lineTo(32, 17);
            cut.lineTo(32, 32);
            cut.lineTo(19, 32);
            cut.lineTo(b);
            cut.closeSubpath();
            return cut;
          }(),
          Qt::transparent);
      p.setCompositionMode(QPainter::CompositionMode_SourceOver);
      QPainterPath curl(a);
      curl.quadTo(c + QPointF(3, 1), c);
      curl.quadTo(c + QPointF(1, 3), b);
      curl.closeSubpath();
      p.setPen(InkPen(1.2));
      p.setBrush(QColor(235, 235, 235));
      p.drawPath(curl);
      break;
    }
    case GlyphId::btn13:
      for (const QPointF o : {QPointF(3.5, 3.5), QPointF(12.5, 10.5)}) {
        Sheet(p, QRectF(o, QSizeF(16, 19)));
        p.setPen(QPen(QColor(90, 140, 220), 1.4));
        for (int i = 0; i < 4; ++i)
          p.drawLine(QPointF(o.x() + 3.5, o.y() + 4.5 + i * 3.5),
                     QPointF(o.x() + 12.5, o.y() + 4.5 + i * 3.5));
      }
      break;
    case GlyphId::btn19: {
      p.setPen(InkPen(1.3));
      p.setBrush(QColor(245, 245, 245));
      p.drawRect(QRectF(7.5, 2.5, 17, 27));
      p.setBrush(QColor(40, 40, 60));
      p.drawRect(QRectF(10.5, 5.5, 11, 24));
      QPainterPath door;
      door.moveTo(10.5, 5.5);
      door.lineTo(17, 3.5);
      door.lineTo(17, 31);
      door.lineTo(10.5, 29.5);
      door.closeSubpath();
      p.setBrush(QColor(190, 110, 50));
      p.drawPath(door);
      p.setBrush(QColor(255, 215, 60));
      p.drawEllipse(QPointF(15, 18), 1.3, 1.3);
      p.setPen(QPen(QColor(140, 75, 30), 1));
      p.drawLine(QPointF(12.5, 8), QPointF(12.5, 14));
      p.drawLine(QPointF(12.5, 21), QPointF(12.5, 27));
      break;
    }
    case GlyphId::btn8:
      p.setPen(InkPen(1.2));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(5.5, 3.5, 21, 16));
      p.setBrush(QColor(40, 100, 220));
      p.drawRect(QRectF(5.5, 3.5, 21, 4.5));
      p.setBrush(QColor(150, 150, 160));
      p.drawRect(QRectF(1.5, 25.5, 29, 5));
      p.setBrush(QColor(40, 180, 70));
      p.drawRect(QRectF(2.8, 26.8, 5, 2.5));
      p.setBrush(QColor(230, 230, 235));
      p.drawRect(QRectF(10.5, 26.8, 9, 2.5));
      p.setPen(QPen(QColor(230, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawLine(QPointF(16, 10), QPointF(16, 20.5));
      p.drawPolyline(QPolygonF({QPointF(12.5, 17.5), QPointF(16, 21.5), QPointF(19.5, 17.5)}));
      break;
    case GlyphId::btn26:
      p.setPen(InkPen(1.3));
      p.setBrush(QColor(30, 110, 230));
      p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(16, 9), 2.6, 2.6);
      p.drawRoundedRect(QRectF(13.5, 13, 5, 12), 1.2, 1.2);
      p.drawRect(QRectF(11.5, 13, 4, 2.2));
      p.drawRect(QRectF(11.5, 23, 9, 2.2));
      break;
    case GlyphId::btn3:
      PatternSquare(p, {});
      break;
    case GlyphId::btn2:
      PatternSquare(p, [](QPainter& q) {
        VerticalLines(q);
        HorizontalLines(q);
      });
      break;
    case GlyphId::btn5:
      PatternSquare(p, [](QPainter& q) {
        Falling(q, 6);
        Rising(q, 6);
      });
      break;
    case GlyphId::btn7:
      PatternSquare(p, VerticalLines);
      break;
    case GlyphId::btn6:
      PatternSquare(p, HorizontalLines);
      break;
    case GlyphId::btn9:
      PatternSquare(p, [](QPainter& q) { Falling(q, 5); });
      break;
    case GlyphId::btn10:
      PatternSquare(p, [](QPainter& q) { Rising(q, 5); });
      break;
    case GlyphId::btn12: {
      p.translate(16, 16);
      p.rotate(-45);
      p.setPen(InkPen(1.2));
      p.setBrush(QColor(255, 205, 40));
      p.drawRect(QRectF(-8, -4, 18, 8));
      p.setPen(QPen(QColor(230, 150, 20), 1));
      p.drawLine(QPointF(-7, 0), QPointF(9, 0));
      p.setPen(InkPen(1.2));
      p.setBrush(QColor(255, 130, 160));
      p.drawRoundedRect(QRectF(10, -4, 5, 8), 1.5, 1.5);
      p.setBrush(QColor(190, 190, 200));
      p.drawRect(QRectF(8.5, -4, 2.5, 8));
      p.setBrush(QColor(245, 210, 160));
      p.drawPolygon(QPolygonF({QPointF(-8, -4), QPointF(-15, 0), QPointF(-8, 4)}));
      p.setBrush(QColor(60, 60, 70));
      p.drawPolygon(QPolygonF({QPointF(-12.5, -1.3), QPointF(-15, 0), QPointF(-12.5, 1.3)}));
      p.resetTransform();
      p.setPen(QPen(QColor(230, 30, 30), 1.5, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      QPainterPath wave(QPointF(3, 28));
      wave.cubicTo(6, 24, 8, 31, 11, 27);
      wave.cubicTo(13, 24, 15, 30, 18, 28);
      p.drawPath(wave);
      break;
    }
    case GlyphId::btn11: {
      const QRectF r(4, 4, 24, 24);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(110, 190, 255));
      p.drawRect(QRectF(4, 4, 24, 10));
      p.setBrush(QColor(70, 185, 60));
      QPainterPath grass(QPointF(4, 14));
      for (int i = 0; i < 6; ++i) {
        grass.lineTo(6 + i * 4, 11.5);
        grass.lineTo(8 + i * 4, 14);
      }
      grass.lineTo(28, 20);
      grass.lineTo(4, 20);
      grass.closeSubpath();
      p.drawPath(grass);
      p.setBrush(QColor(150, 95, 50));
      p.drawRect(QRectF(4, 20, 24, 8));
      p.setBrush(QColor(110, 65, 30));
      p.drawEllipse(QPointF(10, 24), 1.5, 1.2);
      p.drawEllipse(QPointF(21, 25), 1.8, 1.3);
      p.setBrush(QColor(255, 230, 60));
      p.drawEllipse(QPointF(22, 8), 3, 3);
      p.setPen(InkPen(1.4));
      p.setBrush(Qt::NoBrush);
      p.drawRect(r);
      break;
    }
  }
}

// Settles the soft edges against the button colour and turns what is mostly clear into the key.
QImage Keyed(const QImage& drawn, const QColor& face) {
  QImage out(drawn.size(), QImage::Format_ARGB32);
  for (int y = 0; y < drawn.height(); ++y) {
    const QRgb* src = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
    QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < drawn.width(); ++x) {
      const QRgb c = src[x];  // premultiplied
      const int a = qAlpha(c);
      if (a < 96) {
        dst[x] = 0;
        continue;
      }
      const auto mix = [&](int premul, int back) { return std::min(255, premul + back * (255 - a) / 255); };
      int r = mix(qRed(c), face.red()), g = mix(qGreen(c), face.green()), b = mix(qBlue(c), face.blue());
      if (r == 0 && g == 0 && b == 0) r = g = b = 20;
      dst[x] = qRgba(r, g, b, 255);
    }
  }
  // The bottom-left pixel names the key; the artwork keeps it clear.
  out.setPixel(0, out.height() - 1, 0);
  return out;
}

bool OnToolbar(GlyphId id) {
  switch (id) {
    case GlyphId::btn3:
    case GlyphId::btn2:
    case GlyphId::btn5:
    case GlyphId::btn7:
    case GlyphId::btn6:
    case GlyphId::btn9:
    case GlyphId::btn10:
    case GlyphId::btn12:
    case GlyphId::btn11:
      return false;
    default:
      return true;
  }
}

QImage RenderGlyph(GlyphId id) {
  QImage drawn(32, 32, QImage::Format_ARGB32_Premultiplied);
  drawn.fill(Qt::transparent);
  QPainter p(&drawn);
  p.setRenderHint(QPainter::Antialiasing, true);
  DrawGlyph(p, id);
  p.end();
  return Keyed(drawn, OnToolbar(id) ? kToolbarFace : kStyleFace);
}

}  // namespace

QImage Glyph(GlyphId id) {
  static const std::array<QImage, kGlyphCount> glyphs = [] {
    std::array<QImage, kGlyphCount> all;
    for (int i = 0; i < kGlyphCount; ++i) all[static_cast<size_t>(i)] = RenderGlyph(static_cast<GlyphId>(i));
    return all;
  }();
  const int i = static_cast<int>(id);
  return i >= 0 && i < kGlyphCount ? glyphs[static_cast<size_t>(i)] : QImage();
}

}  // namespace pintoola::art
