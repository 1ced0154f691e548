#pragma once
// Region analysis of a line drawing, as the region fill sees it: 4-connected areas of open pixels.
// A pixel is open when each of its channels is at least `openFrom` — 255 finds the exact-white
// areas a fill takes, 160 the areas after "Fix image" has turned light greys white.
#include <QImage>
#include <QPoint>
#include <vector>

namespace pintoola::art {

struct RegionMap {
  int width = 0, height = 0;
  std::vector<int> label;  // per pixel: −1 for a line pixel, else the region number
  std::vector<int> sizes;  // pixels per region number

  int At(QPoint p) const { return label[static_cast<size_t>(p.y()) * static_cast<size_t>(width) + p.x()]; }
  // Number of regions of at least `minPixels`.
  int CountAtLeast(int minPixels) const;
};

RegionMap LabelRegions(const QImage& image, int openFrom);

// Empty when every seed lies in an open region that touches no picture edge and no two seeds share a
// region; otherwise one line per fault, naming the seed.
std::vector<QString> CheckSeeds(const RegionMap& map, const std::vector<QPoint>& seeds);

// Pixels that are neither pure white nor pure black: the anti-aliasing that "Fix image" sharpens.
int CountGreyPixels(const QImage& image);

}  // namespace pintoola::art
