// The program icon and the about box picture.
#include "art/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace pintoola::art {
namespace {

const QColor kInk(20, 20, 20);

QPen InkPen(qreal width) {
  QPen pen(kInk, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

// A crayon lying from `tip` along `degrees`, `length` long, in the painter's current units; `shaded`
// darkens its underside.
void Crayon(QPainter& p, QPointF tip, qreal degrees, qreal length, qreal thick, const QColor& colour,
            qreal outline, bool shaded = false) {
  p.save();
  p.translate(tip);
  p.rotate(degrees);
  const qreal point = thick * 1.1;
  p.setPen(InkPen(outline));
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(point, -thick / 2), QPointF(point, thick / 2)}));
  p.drawRoundedRect(QRectF(point, -thick / 2, length - point, thick), thick * 0.15, thick * 0.15);
  p.setBrush(colour.lighter(150));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(point + thick * 0.4, -thick / 2 + outline, (length - point) * 0.35, thick * 0.22));
  if (shaded) {
    p.setBrush(colour.darker(140));
    p.drawRect(QRectF(point + 0.6, thick / 2 - outline - thick * 0.17, length - point - 1.2, thick * 0.17));
  }
  p.setPen(InkPen(outline * 0.8));
  p.drawLine(QPointF(point + thick * 0.25, -thick / 2), QPointF(point + thick * 0.25, thick / 2));
  p.drawLine(QPointF(length - thick * 0.4, -thick / 2), QPointF(length - thick * 0.4, thick / 2));
  p.restore();
}

// The flower's petal colours clockwise from the top.
const QColor kPetals[] = {QColor(240, 50, 60), QColor(255, 140, 0), QColor(170, 70, 220),
                          QColor(40, 140, 240), QColor(240, 50, 60)};
const QColor kCrayon(30, 120, 240);
const QColor kFold(220, 220, 225);

QPolygonF PageOutline(qreal left, qreal top, qreal right, qreal bottom, qreal fold) {
  return QPolygonF({QPointF(left, top), QPointF(right - fold, top), QPointF(right, top + fold),
                    QPointF(right, bottom), QPointF(left, bottom)});
}

// Up to 24 pixels the icon is drawn in pixels: the page's one-pixel outline is filled between whole
// pixel edges, whatever the scale (a one-pixel pen would leave its corners half covered), and the
// flower is one coloured disc, the only part of it that reads.
void DrawSmallIcon(QPainter& p, int size) {
  const qreal k = size / 32.0;
  const auto centre = [k](qreal units) { return std::floor(units * k) + 0.5; };
  const qreal left = std::floor(4 * k), top = std::floor(2 * k);
  const qreal right = std::floor(26 * k) + 1, bottom = std::floor(29 * k) + 1;
  const qreal fold = std::max<qreal>(4, std::round(6 * k));
  const qreal slant = std::sqrt(2.0);  // how far a 45° edge moves along an axis when moved in by one
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPolygon(PageOutline(left, top, right, bottom, fold));
  p.setBrush(Qt::white);
  p.drawPolygon(PageOutline(left + 1, top + 1, right - 1, bottom - 1, fold - 2 + slant));
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({QPointF(right - fold, top), QPointF(right - fold, top + fold),
                           QPointF(right, top + fold)}));
  p.setBrush(kFold);
  p.drawPolygon(QPolygonF({QPointF(right - fold + 1, top + 1 + slant),
                           QPointF(right - fold + 1, top + fold - 1),
                           QPointF(right - 1 - slant, top + fold - 1)}));
  const QPointF flower(centre(14), centre(13));
  p.setBrush(kPetals[0]);
  p.drawEllipse(flower, 7 * k, 7 * k);
  p.setBrush(QColor(255, 220, 40));
  p.drawEllipse(flower, 3 * k, 3 * k);
  Crayon(p, QPointF(13, 28.5) * k, -45, 24 * k, 7 * k, kCrayon, 1);  // the tip on the page's foot
}

// From 32 pixels on, drawn on a 32-unit square: five petals, a stem and a leaf; with `full` detail
// (64 pixels and up, and the scalable icon) a shadow under the page, petals still to be coloured,
// a second leaf and a shaded crayon.
void DrawIcon(QPainter& p, qreal outline, bool full) {
  if (full) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawPolygon(PageOutline(4, 2, 26, 29, 6).translated(1, 1));
  }
  p.setPen(InkPen(outline));
  p.setBrush(Qt::white);
  p.drawPolygon(PageOutline(4, 2, 26, 29, 6));
  p.setBrush(kFold);
  p.drawPolygon(QPolygonF({QPointF(20, 2), QPointF(20, 8), QPointF(26, 8)}));
  // A flower half coloured in.
  p.setPen(InkPen(outline * 0.8));
  p.drawLine(QPointF(14, 15), QPointF(14, 26));
  p.setBrush(QColor(60, 190, 70));
  p.drawEllipse(QPointF(17.5, 22), 3, 1.6);
  if (full) {
    p.drawEllipse(QPointF(10.8, 24), 2.6, 1.3);
    p.drawLine(QPointF(7, 26.5), QPointF(23, 26.5));
  }
  for (int i = 0; i < 5; ++i) {
    const qreal a = i * 72.0 * 3.14159265 / 180.0;
    // Full size leaves two petals white: the page is still being coloured.
    p.setBrush(full && (i == 1 || i == 3) ? QBrush(Qt::white) : QBrush(kPetals[i]));
    p.drawEllipse(QPointF(14 + 4.6 * std::sin(a), 13 - 4.6 * std::cos(a)), 3, 3);
  }
  p.setBrush(QColor(255, 220, 40));
  p.drawEllipse(QPointF(14, 13), 2.6, 2.6);
  Crayon(p, QPointF(13, 30), -45, 24, 6.5, kCrayon, outline, full);
  if (full) {
    // The stroke the crayon's tip has just drawn.
    p.setPen(QPen(kCrayon, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath stroke;
    stroke.moveTo(8.2, 26.8);
    stroke.cubicTo(9.5, 25.2, 11, 27.4, 12.2, 25.8);
    p.drawPath(stroke);
  }
}

QImage RenderIcon(int size) {
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  PaintIcon(p, size);
  p.end();
  return img;
}

QImage RenderAbout() {
  QImage img(338, 265, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient sky(0, 0, 0, 265);
  sky.setColorAt(0, QColor(120, 200, 255));
  sky.setColorAt(1, QColor(255, 240, 170));
  p.fillRect(img.rect(), sky);
  // Colour splashes behind the book.
  const QColor splash[] = {QColor(255, 120, 150), QColor(255, 200, 60), QColor(120, 220, 120),
                           QColor(190, 140, 255)};
  const QPointF spots[] = {QPointF(30, 30), QPointF(310, 40), QPointF(25, 230), QPointF(318, 225)};
  for (int i = 0; i < 4; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(splash[i]);
    p.drawEllipse(spots[i], 34, 28);
  }
  // The open book: cover, then two pages bowing towards the spine.
  p.setPen(InkPen(2));
  p.setBrush(QColor(220, 60, 60));
  p.drawRoundedRect(QRectF(24, 34, 290, 178), 8, 8);
  for (int side : {-1, 1}) {
    QPainterPath leaf;
    const qreal spine = 169, outer = spine + side * 136;
    leaf.moveTo(spine, 50);
    leaf.quadTo((spine + outer) / 2, 36, outer, 44);
    leaf.lineTo(outer, 200);
    leaf.quadTo((spine + outer) / 2, 192, spine, 206);
    leaf.closeSubpath();
    p.setBrush(QColor(255, 253, 245));
    p.drawPath(leaf);
  }
  p.drawLine(QPointF(169, 50), QPointF(169, 206));
  // Left page: a house and a sun, partly coloured in.
  p.setPen(InkPen(2));
  p.setBrush(QColor(255, 215, 40));
  p.drawEllipse(QPointF(65, 80), 16, 16);
  for (int i = 0; i < 8; ++i) {
    const qreal a = i * 45.0 * 3.14159265 / 180.0;
    p.drawLine(QPointF(65 + 21 * std::cos(a), 80 + 21 * std::sin(a)),
               QPointF(65 + 28 * std::cos(a), 80 + 28 * std::sin(a)));
  }
  p.setBrush(QColor(230, 60, 50));
  p.drawPolygon(QPolygonF({QPointF(88, 122), QPointF(118, 92), QPointF(148, 122)}));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(95, 122, 46, 50));
  p.setBrush(QColor(60, 150, 240));
  p.drawRect(QRectF(102, 132, 14, 14));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(123, 146, 12, 26));
  p.drawLine(QPointF(48, 172), QPointF(160, 172));
  p.setBrush(QColor(90, 200, 80));
  p.drawEllipse(QPointF(68, 160), 13, 13);
  p.drawLine(QPointF(68, 173), QPointF(68, 165));
  // Right page: the title, every letter its own colour.
  QFont title(QStringLiteral("DejaVu Sans"), 10, QFont::Black);
  title.setPixelSize(34);
  title.setLetterSpacing(QFont::AbsoluteSpacing, -1);
  const QString word = QStringLiteral("Pintoola");
  const QColor letters[] = {QColor(240, 60, 60),  QColor(255, 150, 0),  QColor(250, 210, 0),
                            QColor(60, 180, 70),  QColor(40, 140, 240), QColor(150, 80, 230),
                            QColor(240, 80, 170), QColor(255, 120, 40)};
  QFontMetricsF fm(title);
  const qreal total = fm.horizontalAdvance(word);
  const qreal scale = std::min(1.0, 124.0 / total);
  p.save();
  p.translate(240 - total * scale / 2, 104);
  p.scale(scale, scale);
  qreal x = 0;
  for (int i = 0; i < word.size(); ++i) {
    QPainterPath glyph;
    glyph.addText(x, 0, title, word.mid(i, 1));
    p.setPen(InkPen(2.2 / scale));
    p.setBrush(letters[i % 8]);
    p.drawPath(glyph);
    x += fm.horizontalAdvance(word.mid(i, 1));
  }
  p.restore();
  QFont version(QStringLiteral("DejaVu Sans"), 10, QFont::Bold);
  version.setPixelSize(22);
  p.setFont(version);
  p.setPen(kInk);
  p.drawText(QRectF(172, 112, 136, 30), Qt::AlignCenter, QStringLiteral("1.0"));
  QFont small(QStringLiteral("DejaVu Sans"), 10, QFont::Normal);
  small.setPixelSize(12);
  p.setFont(small);
  p.setPen(QColor(90, 90, 90));
  p.drawText(QRectF(172, 142, 136, 40), Qt::AlignCenter | Qt::TextWordWrap,
             QStringLiteral("a colouring book"));
  // Crayons in front.
  Crayon(p, QPointF(40, 236), -8, 120, 16, QColor(240, 60, 60), 2);
  Crayon(p, QPointF(120, 252), -4, 120, 16, QColor(40, 150, 240), 2);
  Crayon(p, QPointF(200, 236), -10, 118, 16, QColor(70, 190, 80), 2);
  p.end();
  return img.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

void PaintIcon(QPainter& p, int size) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  if (size < 32) {
    DrawSmallIcon(p, size);
  } else {
    p.scale(size / 32.0, size / 32.0);
    const bool full = size >= 64;
    DrawIcon(p, full ? 0.9 : 1.3, full);
  }
  p.restore();
}

QImage IconImage(int size) {
  if (std::find(std::begin(kIconSizes), std::end(kIconSizes), size) == std::end(kIconSizes)) return {};
  return RenderIcon(size).convertToFormat(QImage::Format_ARGB32);
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : kIconSizes) icon.addPixmap(QPixmap::fromImage(RenderIcon(size)));
  return icon;
}

QImage AboutPicture() {
  static const QImage picture = RenderAbout();
  return picture;
}

}  // namespace pintoola::art
