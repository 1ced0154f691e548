#include "art/PageCheck.h"

#include <QString>
#include <set>

namespace pintoola::art {

int RegionMap::CountAtLeast(int minPixels) const {
  int n = 0;
  for (int s : sizes) n += s >= minPixels ? 1 : 0;
  return n;
}

RegionMap LabelRegions(const QImage& image, int openFrom) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  RegionMap map;
  map.width = rgb.width();
  map.height = rgb.height();
  const size_t count = static_cast<size_t>(map.width) * static_cast<size_t>(map.height);
  map.label.assign(count, -1);
  std::vector<char> open(count, 0);
  for (int y = 0; y < map.height; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < map.width; ++x) {
      const QRgb c = row[x];
      open[static_cast<size_t>(y) * map.width + x] =
          qRed(c) >= openFrom && qGreen(c) >= openFrom && qBlue(c) >= openFrom;
    }
  }
  std::vector<size_t> stack;
  for (size_t start = 0; start < count; ++start) {
    if (!open[start] || map.label[start] >= 0) continue;
    const int id = static_cast<int>(map.sizes.size());
    int size = 0;
    map.label[start] = id;
    stack.push_back(start);
    while (!stack.empty()) {
      const size_t i = stack.back();
      stack.pop_back();
      ++size;
      const int x = static_cast<int>(i % map.width), y = static_cast<int>(i / map.width);
      const auto visit = [&](size_t j) {
        if (open[j] && map.label[j] < 0) {
          map.label[j] = id;
          stack.push_back(j);
        }
      };
      if (x > 0) visit(i - 1);
      if (x + 1 < map.width) visit(i + 1);
      if (y > 0) visit(i - map.width);
      if (y + 1 < map.height) visit(i + map.width);
    }
    map.sizes.push_back(size);
  }
  return map;
}

std::vector<QString> CheckSeeds(const RegionMap& map, const std::vector<QPoint>& seeds) {
  std::set<int> edge;
  for (int x = 0; x < map.width; ++x) {
    edge.insert(map.At({x, 0}));
    edge.insert(map.At({x, map.height - 1}));
  }
  for (int y = 0; y < map.height; ++y) {
    edge.insert(map.At({0, y}));
    edge.insert(map.At({map.width - 1, y}));
  }
  std::vector<QString> faults;
  std::vector<int> owner(map.sizes.size(), -1);
  for (size_t k = 0; k < seeds.size(); ++k) {
    const QPoint p = seeds[k];
    const QString name = QStringLiteral("seed %1 (%2, %3)").arg(k).arg(p.x()).arg(p.y());
    if (p.x() < 0 || p.y() < 0 || p.x() >= map.width || p.y() >= map.height) {
      faults.push_back(name + QStringLiteral(" lies outside the picture"));
      continue;
    }
    const int id = map.At(p);
    if (id < 0) {
      faults.push_back(name + QStringLiteral(" lies on a line"));
    } else if (edge.count(id)) {
      faults.push_back(name + QStringLiteral(" leaks to the picture edge"));
    } else if (owner[id] >= 0) {
      faults.push_back(name + QStringLiteral(" shares its area with seed %1").arg(owner[id]));
    } else {
      owner[id] = static_cast<int>(k);
    }
  }
  return faults;
}

int CountGreyPixels(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  int n = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = row[x] & 0xFFFFFF;
      n += c != 0 && c != 0xFFFFFF ? 1 : 0;
    }
  }
  return n;
}

}  // namespace pintoola::art
