// The standard glyphs of the button kinds: small 16-colour pictures on the olive key, each with a
// disabled twin in the old engraved look (grey, with a white shadow to the lower right).
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>

#include "art/Artwork.h"

namespace pintoola::art {
namespace {

constexpr int kKeyIndex = 3;
const std::array<QRgb, 16> kColors = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
constexpr int kGrey = 8, kWhite = 15;

QPen Pen(QRgb c, qreal w) { return QPen(QColor(c), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin); }

void Check(QPainter& p, int dx, int dy) {
  p.setPen(Pen(kColors[2], 3));
  p.drawPolyline(QPolygon({QPoint(3 + dx, 9 + dy), QPoint(7 + dx, 13 + dy), QPoint(14 + dx, 5 + dy)}));
}

void DrawKind(QPainter& p, KindGlyphId kind) {
  switch (kind) {
    case KindGlyphId::OK:
    case KindGlyphId::Yes:
      Check(p, 0, 0);
      break;
    case KindGlyphId::All:
      Check(p, -1, 2);
      p.setPen(Pen(kColors[10], 2));
      p.drawPolyline(QPolygon({QPoint(7, 7), QPoint(9, 9), QPoint(15, 2)}));
      break;
    case KindGlyphId::Cancel:
      p.setPen(Pen(kColors[9], 3));
      p.drawLine(4, 4, 13, 13);
      p.drawLine(13, 4, 4, 13);
      break;
    case KindGlyphId::No:
      p.setPen(Pen(kColors[9], 2));
      p.drawEllipse(QRect(3, 3, 11, 11));
      p.drawLine(5, 12, 12, 5);
      break;
    case KindGlyphId::Help:
      p.setPen(Pen(kColors[12], 2));
      p.drawArc(QRect(5, 2, 7, 6), 150 * 16, -240 * 16);
      p.drawLine(9, 9, 9, 10);
      p.fillRect(QRect(8, 13, 2, 2), QColor(kColors[12]));
      break;
    case KindGlyphId::Close:
      p.setPen(Pen(kColors[0], 1));
      p.setBrush(QColor(kColors[7]));
      p.drawRect(QRect(4, 2, 9, 13));
      p.setBrush(QColor(kColors[1]));
      p.drawPolygon(QPolygon({QPoint(5, 3), QPoint(10, 1), QPoint(10, 16), QPoint(5, 15)}));
      p.setPen(Pen(kColors[11], 1));
      p.drawPoint(8, 9);
      break;
    case KindGlyphId::Abort:
      p.setPen(Pen(kColors[1], 1));
      p.setBrush(QColor(kColors[9]));
      p.drawPolygon(QPolygon({QPoint(6, 2), QPoint(11, 2), QPoint(15, 6), QPoint(15, 11), QPoint(11, 15),
                              QPoint(6, 15), QPoint(2, 11), QPoint(2, 6)}));
      p.fillRect(QRect(5, 8, 8, 2), QColor(kColors[15]));
      break;
    case KindGlyphId::Retry:
      p.setPen(Pen(kColors[2], 2));
      p.drawArc(QRect(3, 3, 11, 11), 60 * 16, 280 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(kColors[2]));
      p.drawPolygon(QPolygon({QPoint(9, 1), QPoint(14, 3), QPoint(10, 7)}));
      break;
    case KindGlyphId::Ignore:
      p.fillRect(QRect(7, 10, 4, 6), QColor(kColors[8]));
      p.setPen(Pen(kColors[4], 2));
      p.drawArc(QRect(2, 4, 13, 12), 180 * 16, -150 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(kColors[4]));
      p.drawPolygon(QPolygon({QPoint(12, 11), QPoint(17, 11), QPoint(15, 6)}));
      break;
  }
}

int NearestIndex(QRgb c) {
  int best = 0, bestDist = 1 << 30;
  for (int i = 0; i < 16; ++i) {
    if (i == kKeyIndex) continue;
    const int dr = qRed(c) - qRed(kColors[i]), dg = qGreen(c) - qGreen(kColors[i]),
              db = qBlue(c) - qBlue(kColors[i]);
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDist) bestDist = d, best = i;
  }
  return best;
}

QImage RenderKind(KindGlyphId kind) {
  const int cell = 18, h = kind == KindGlyphId::All ? 19 : 18;
  QImage drawn(cell, h, QImage::Format_ARGB32);
  drawn.fill(Qt::transparent);
  {
    QPainter p(&drawn);
    p.setRenderHint(QPainter::Antialiasing, false);
    DrawKind(p, kind);
  }
  QImage out(2 * cell, h, QImage::Format_Indexed8);
  QList<QRgb> table(kColors.begin(), kColors.end());
  out.setColorTable(table);
  out.fill(kKeyIndex);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < cell; ++x) {
      const QRgb c = drawn.pixel(x, y);
      if (qAlpha(c) >= 128) out.setPixel(x, y, static_cast<uint>(NearestIndex(c)));
    }
  // Disabled twin: the white shadow first, the grey shape over it.
  for (int pass = 0; pass < 2; ++pass)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < cell; ++x) {
        if (out.pixelIndex(x, y) == kKeyIndex) continue;
        const int tx = cell + x + (pass == 0 ? 1 : 0), ty = y + (pass == 0 ? 1 : 0);
        if (tx < 2 * cell && ty < h) out.setPixel(tx, ty, pass == 0 ? kWhite : kGrey);
      }
  out.setPixel(0, h - 1, kKeyIndex);
  out.setPixel(cell, h - 1, kKeyIndex);
  return out;
}

constexpr std::array<const char*, 10> kResourceNames = {
    "BBOK", "BBCANCEL", "BBHELP", "BBYES", "BBNO", "BBCLOSE", "BBABORT", "BBRETRY", "BBIGNORE", "BBALL"};

}  // namespace

QImage KindGlyph(KindGlyphId kind) {
  static const std::array<QImage, 10> glyphs = [] {
    std::array<QImage, 10> all;
    for (size_t i = 0; i < all.size(); ++i) all[i] = RenderKind(static_cast<KindGlyphId>(i));
    return all;
  }();
  const auto i = static_cast<size_t>(kind);
  return i < glyphs.size() ? glyphs[i] : QImage();
}

QImage KindGlyphResource(const QString& name) {
  for (size_t i = 0; i < kResourceNames.size(); ++i)
    if (name == QLatin1String(kResourceNames[i])) return KindGlyph(static_cast<KindGlyphId>(i));
  return QImage();
}

}  // namespace pintoola::art
