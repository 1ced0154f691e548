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

// A crayon lying from `tip` along `degrees`, `length` long, in the painter's current units.
void Crayon(QPainter& p, QPointF tip, qreal degrees, qreal length, qreal thick, const QColor& colour,
            qreal outline) {
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
  p.setPen(InkPen(outline * 0.8));
  p.drawLine(QPointF(point + thick * 0.25, -thick / 2), QPointF(point + thick * 0.25, thick / 2));
  p.drawLine(QPointF(length - thick * 0.4, -thick / 2), QPointF(length - thick * 0.4, thick / 2));
  p.restore();
}

// Drawn on a 32-unit square; the 16-pixel icon is the same drawing at half scale with firmer lines.
void DrawIcon(QPainter& p, qreal outline, bool small) {
  QPainterPath page;
  page.moveTo(4, 2);
  page.lineTo(20, 2);
  page.lineTo(26, 8);
  page.lineTo(26, 29);
  page.lineTo(4, 29);
  page.closeSubpath();
  p.setPen(InkPen(outline));
  p.setBrush(Qt::white);
  p.drawPath(page);
  p.setBrush(QColor(220, 220, 225));
  p.drawPolygon(QPolygonF({QPointF(20, 2), QPointF(20, 8), QPointF(26, 8)}));
  if (small) {
    // At 16 pixels only the colours of the flower read.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 50, 60));
    p.drawEllipse(QPointF(14, 13), 7, 7);
    p.setBrush(QColor(255, 220, 40));
    p.drawEllipse(QPointF(14, 13), 3, 3);
    Crayon(p, QPointF(13, 30), -45, 24, 7, QColor(30, 120, 240), outline);
    return;
  }
  // A flower half coloured in.
  p.setPen(InkPen(outline * 0.8));
  p.drawLine(QPointF(14, 15), QPointF(14, 26));
  p.setBrush(QColor(60, 190, 70));
  p.drawEllipse(QPointF(17.5, 22), 3, 1.6);
  const QColor petals[] = {QColor(240, 50, 60), QColor(255, 140, 0), QColor(170, 70, 220),
                           QColor(40, 140, 240), QColor(240, 50, 60)};
  for (int i = 0; i < 5; ++i) {
    const qreal a = i * 72.0 * 3.14159265 / 180.0;
    p.setBrush(petals[i]);
    p.drawEllipse(QPointF(14 + 4.6 * std::sin(a), 13 - 4.6 * std::cos(a)), 3, 3);
  }
  p.setBrush(QColor(255, 220, 40));
  p.drawEllipse(QPointF(14, 13), 2.6, 2.6);
  Crayon(p, QPointF(13, 30), -45, 24, 6.5, QColor(30, 120, 240), outline);
}

QImage RenderIcon(int size) {
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  if (size < 32) p.translate(0.5, 0.5);  // one-pixel lines on pixel centres, not between two
  p.scale(size / 32.0, size / 32.0);
  DrawIcon(p, size >= 32 ? 1.3 : 2.0, size < 32);
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
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

QImage IconImage(int size) {
  static const QImage icon16 = RenderIcon(16), icon32 = RenderIcon(32);
  return size == 16 ? icon16 : size == 32 ? icon32 : QImage();
}

QIcon ProgramIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(IconImage(16)));
  icon.addPixmap(QPixmap::fromImage(IconImage(32)));
  return icon;
}

QImage AboutPicture() {
  static const QImage picture = RenderAbout();
  return picture;
}

}  // namespace pintoola::art
