// Build-time generator: renders the bundled colouring pages into BMP files and the program icon into
// a PNG file per size and an SVG file, and refuses to succeed when a page has a gap through which a
// fill would leak or a pixel that is neither black nor white.
//   pagegen <images folder> [<icons folder>] [--suggest-seeds]
// With --preview <folder> it also writes enlarged pictures of all artwork for looking at.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "art/Artwork.h"
#include "art/BmpWriter.h"
#include "art/PageCheck.h"
#include "art/Pages.h"

using namespace pintoola::art;

namespace {

bool CheckPage(const BundledPage& page, const QImage& image) {
  std::vector<QString> faults = CheckSeeds(LabelRegions(image, 255), PageSeeds(page));
  // A grey pixel along a line is where a fill would stop short of it and leave a fringe.
  if (const int grey = CountGreyPixels(image))
    faults.push_back(QStringLiteral("%1 pixels are neither black nor white").arg(grey));
  for (const QString& fault : faults)
    std::fprintf(stderr, "pagegen: %s: %s\n", qPrintable(page.fileName), qPrintable(fault));
  return faults.empty();
}

// Region map coloured at random with the seeds marked, to choose seeds and spot leaks.
QImage RegionPicture(const BundledPage& page, const QImage& image) {
  const RegionMap map = LabelRegions(image, 255);
  QImage out(image.size(), QImage::Format_RGB32);
  for (int y = 0; y < map.height; ++y)
    for (int x = 0; x < map.width; ++x) {
      const int id = map.At({x, y});
      const uint h = static_cast<uint>(id) * 2654435761u;
      out.setPixel(x, y, id < 0 ? 0xFF000000 : (0xFF000000 | ((h >> 8) & 0x7F7F7F) | 0x808080));
    }
  QPainter p(&out);
  p.setPen(QPen(Qt::red, 3));
  const std::vector<QPoint> seeds = PageSeeds(page);
  for (size_t i = 0; i < seeds.size(); ++i) {
    const QPoint s = seeds[i];
    p.drawLine(s - QPoint(6, 6), s + QPoint(6, 6));
    p.drawLine(s - QPoint(-6, 6), s + QPoint(-6, 6));
    p.drawText(s + QPoint(8, -4), QString::number(i));
  }
  p.setPen(Qt::blue);
  for (int x = 0; x < map.width; x += 100) p.drawText(x + 2, 12, QString::number(x));
  for (int y = 100; y < map.height; y += 100) p.drawText(2, y, QString::number(y));
  return out;
}

// Prints a seed list for the page: one point well inside each enclosed area of 250 pixels or more,
// in drawing coordinates, for pasting into the page table when a drawing changes.
void SuggestSeeds(const BundledPage& page, const QImage& image) {
  const RegionMap map = LabelRegions(image, 255);
  std::vector<bool> edge(map.sizes.size(), false);
  for (int y = 0; y < map.height; ++y)
    for (int x = 0; x < map.width; ++x)
      if ((x == 0 || y == 0 || x == map.width - 1 || y == map.height - 1) && map.At({x, y}) >= 0)
        edge[static_cast<size_t>(map.At({x, y}))] = true;
  // The point of each area farthest from its border, by a city-block distance transform.
  std::vector<int> dist(map.label.size(), 0);
  const auto idx = [&](int x, int y) { return static_cast<size_t>(y) * map.width + x; };
  for (int pass = 0; pass < 2; ++pass)
    for (int k = 0; k < map.width * map.height; ++k) {
      const int i = pass == 0 ? k : map.width * map.height - 1 - k;
      const int x = i % map.width, y = i / map.width;
      const int id = map.label[static_cast<size_t>(i)];
      if (id < 0) continue;
      const int dx = pass == 0 ? -1 : 1;
      const auto near = [&](int nx, int ny) {
        if (nx < 0 || ny < 0 || nx >= map.width || ny >= map.height) return 0;
        return map.label[idx(nx, ny)] == id ? dist[idx(nx, ny)] : 0;
      };
      const int d = std::min(near(x + dx, y), near(x, y + dx)) + 1;
      dist[static_cast<size_t>(i)] = pass == 0 ? d : std::min(dist[static_cast<size_t>(i)], d);
    }
  std::vector<QPoint> best(map.sizes.size(), QPoint(-1, -1));
  std::vector<int> bestDist(map.sizes.size(), 0);
  for (int y = 0; y < map.height; ++y)
    for (int x = 0; x < map.width; ++x) {
      const int id = map.At({x, y});
      if (id >= 0 && dist[idx(x, y)] > bestDist[static_cast<size_t>(id)]) {
        bestDist[static_cast<size_t>(id)] = dist[idx(x, y)];
        best[static_cast<size_t>(id)] = {x, y};
      }
    }
  const qreal toDrawing = qreal(page.width) / image.width();
  std::printf("%s:", qPrintable(page.fileName));
  for (size_t id = 0; id < map.sizes.size(); ++id)
    if (!edge[id] && map.sizes[id] >= 250) {
      const QPoint s = (QPointF(best[id]) * toDrawing).toPoint();
      std::printf(" {%d, %d},", s.x(), s.y());
    }
  std::printf("\n");
}

// Every glyph enlarged four times on both button faces, the kind glyphs, the icon at every size and
// the about picture, as one sheet.
QImage ArtworkSheet() {
  constexpr int kZoom = 4, kCell = 32 * kZoom + 16;
  QImage sheet(10 * kCell, 4 * kCell + 220 + 280, QImage::Format_RGB32);
  sheet.fill(QColor(240, 240, 240));
  QPainter p(&sheet);
  for (int face = 0; face < 2; ++face) {
    QLinearGradient g(0, 0, 0, kCell - 8);
    g.setColorAt(0, face == 0 ? QColor(255, 255, 0) : QColor(0, 255, 255));
    g.setColorAt(1, face == 0 ? QColor(255, 128, 0) : QColor(0, 0, 255));
    for (int i = 0; i < kGlyphCount; ++i) {
      const QImage glyph = Glyph(static_cast<GlyphId>(i));
      const int x = (i % 10) * kCell, y = (face * 2 + i / 10) * kCell;
      p.save();
      p.translate(x + 4, y + 4);
      p.fillRect(QRect(0, 0, kCell - 8, kCell - 8), g);
      p.restore();
      // Colour-key drawing as the buttons do it: exact black stays out.
      QImage keyed = glyph.convertToFormat(QImage::Format_ARGB32);
      const QRgb key = keyed.pixel(0, keyed.height() - 1) & 0xFFFFFF;
      for (int yy = 0; yy < keyed.height(); ++yy)
        for (int xx = 0; xx < keyed.width(); ++xx) {
          const QRgb c = keyed.pixel(xx, yy);
          keyed.setPixel(xx, yy, (c & 0xFFFFFF) == key ? 0 : (c | 0xFF000000));
        }
      p.drawImage(QRect(x + 12, y + 12, 32 * kZoom, 32 * kZoom), keyed);
    }
  }
  int y = 4 * kCell + 10;
  for (int i = 0; i < 10; ++i) {
    QImage glyph = KindGlyph(static_cast<KindGlyphId>(i)).convertToFormat(QImage::Format_ARGB32);
    for (int yy = 0; yy < glyph.height(); ++yy)
      for (int xx = 0; xx < glyph.width(); ++xx)
        if ((glyph.pixel(xx, yy) & 0xFFFFFF) == 0x808000) glyph.setPixel(xx, yy, 0);
    const int x = 10 + (i % 5) * 260, yy = y + (i / 5) * 100;
    QLinearGradient g(0, yy, 0, yy + 90);
    g.setColorAt(0, QColor(255, 255, 0));
    g.setColorAt(1, QColor(255, 128, 0));
    p.fillRect(QRect(x, yy, 36 * 6 + 8, 90), g);
    p.drawImage(QRect(x + 4, yy + 4, 36 * 6, glyph.height() * 4), glyph);
  }
  y += 220;
  int x = 10;
  for (int size : kIconSizes) {
    p.drawImage(x, y + 256 - size, IconImage(size));
    x += size + 10;
  }
  p.drawImage(sheet.width() - 348, y, AboutPicture());
  return sheet;
}

// The largest icon's drawing as SVG paths on a 256-unit square. The generator writes to a buffer,
// so a file that cannot be written is seen at the end instead of lost in the painter.
bool WriteScalableIcon(const QString& path) {
  constexpr int kSize = 256;
  QBuffer svg;
  QSvgGenerator generator;
  generator.setOutputDevice(&svg);
  generator.setSize(QSize(kSize, kSize));
  generator.setViewBox(QRect(0, 0, kSize, kSize));
  generator.setResolution(96);  // the size is written in millimetres: these are 256 CSS pixels
  generator.setTitle(QStringLiteral("Pintoola"));
  generator.setDescription(QStringLiteral("A crayon over a colouring page with a flower"));
  QPainter p;
  if (!p.begin(&generator)) return false;
  PaintIcon(p, kSize);
  p.end();
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(svg.data()) == svg.size() &&
         file.flush();
}

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const bool suggest = args.removeAll(QStringLiteral("--suggest-seeds")) > 0;
  QString preview;
  if (const qsizetype i = args.indexOf(QStringLiteral("--preview")); i >= 0 && i + 1 < args.size()) {
    preview = args.at(i + 1);
    args.remove(i, 2);
  }
  if (args.isEmpty()) {
    std::fprintf(stderr, "usage: pagegen <images folder> [<icons folder>] [--suggest-seeds] [--preview <folder>]\n");
    return 2;
  }
  bool ok = true;
  const QDir images(args.at(0));
  QDir().mkpath(images.path());
  // Pages and icons are plain raster painting and need no display; only the preview sheet sets text,
  // which needs the font database of a GUI application.
  std::optional<QGuiApplication> app;
  if (!preview.isEmpty()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app.emplace(argc, argv);
    QDir().mkpath(preview);
  }
  for (const BundledPage& page : BundledPages()) {
    const QImage image = RenderPage(page);
    if (suggest) SuggestSeeds(page, image);
    ok = CheckPage(page, image) && ok;
    if (!WriteBmp24(image, images.filePath(page.fileName))) {
      std::fprintf(stderr, "pagegen: cannot write %s\n", qPrintable(images.filePath(page.fileName)));
      ok = false;
    }
    if (!preview.isEmpty()) {
      const QString base = QFileInfo(page.fileName).completeBaseName();
      image.save(QDir(preview).filePath(QStringLiteral("page-%1.png").arg(base)));
      RegionPicture(page, image).save(QDir(preview).filePath(QStringLiteral("regions-%1.png").arg(base)));
    }
  }
  if (args.size() > 1) {
    const QDir icons(args.at(1));
    QDir().mkpath(icons.path());
    for (int size : kIconSizes)
      if (!IconImage(size).save(icons.filePath(QStringLiteral("pintoola-%1.png").arg(size)))) {
        std::fprintf(stderr, "pagegen: cannot write the %d-pixel icon\n", size);
        ok = false;
      }
    if (!WriteScalableIcon(icons.filePath(QStringLiteral("pintoola.svg")))) {
      std::fprintf(stderr, "pagegen: cannot write the scalable icon\n");
      ok = false;
    }
  }
  if (!preview.isEmpty()) ArtworkSheet().save(QDir(preview).filePath(QStringLiteral("artwork.png")));
  return ok ? 0 : 1;
}
