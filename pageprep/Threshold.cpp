// Step 1: ink and paper at the picture's own resolution, before any scaling could blur a thin line.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "pageprep/Steps.h"

namespace pintoola::pageprep {
namespace {

InkMask BlankMask(int width, int height) {
  return {width, height, std::vector<std::uint8_t>(static_cast<size_t>(width) * static_cast<size_t>(height), 0)};
}

// The first level whose cumulative count passes `fraction` of the total.
int Percentile(const std::vector<std::uint64_t>& histogram, double fraction) {
  std::uint64_t total = 0;
  for (auto n : histogram) total += n;
  const double goal = fraction * static_cast<double>(total);
  std::uint64_t seen = 0;
  for (size_t v = 0; v < histogram.size(); ++v) {
    seen += histogram[v];
    if (static_cast<double>(seen) >= goal && seen > 0) return static_cast<int>(v);
  }
  return static_cast<int>(histogram.size()) - 1;
}

// The median: lines take far less than half a tile of a line drawing, and paper darkening across
// a tile is followed by its middle, not by its brightest part.
constexpr double kPaperPercentile = 0.5;

// Per-column interpolation between tile centres, shared by every row.
struct Interp {
  std::vector<int> index;    // left tile
  std::vector<float> right;  // weight of the tile right of it
};
Interp Between(int length, int tile, int tiles) {
  Interp t;
  t.index.resize(static_cast<size_t>(length));
  t.right.resize(static_cast<size_t>(length));
  std::vector<float> centre(static_cast<size_t>(tiles));
  for (int c = 0; c < tiles; ++c) centre[c] = 0.5f * static_cast<float>(c * tile + std::min(length, (c + 1) * tile));
  int c = 0;
  for (int x = 0; x < length; ++x) {
    const float px = static_cast<float>(x) + 0.5f;
    while (c + 1 < tiles && centre[c + 1] <= px) ++c;
    t.index[x] = c;
    if (c + 1 >= tiles || px <= centre[c]) {
      t.right[x] = 0;
    } else {
      t.right[x] = (px - centre[c]) / (centre[c + 1] - centre[c]);
    }
  }
  return t;
}

// Calls row(y, paperRow) with the interpolated paper level of every pixel of each row in turn.
template <typename Row>
void ForEachPaperRow(const PaperMap& paper, int width, int height, int rowStep, Row&& row) {
  const Interp across = Between(width, paper.tile, paper.columns);
  const Interp down = Between(height, paper.tile, paper.rows);
  std::vector<float> columnLevel(static_cast<size_t>(paper.columns));
  std::vector<float> level(static_cast<size_t>(width));
  for (int y = 0; y < height; y += rowStep) {
    const int r = down.index[y];
    const int r1 = std::min(r + 1, paper.rows - 1);
    const float b = down.right[y];
    for (int c = 0; c < paper.columns; ++c) {
      const float top = paper.level[static_cast<size_t>(r) * paper.columns + c];
      const float bottom = paper.level[static_cast<size_t>(r1) * paper.columns + c];
      columnLevel[c] = top + b * (bottom - top);
    }
    for (int x = 0; x < width; ++x) {
      const int c = across.index[x];
      const float l = columnLevel[c], l1 = columnLevel[std::min(c + 1, paper.columns - 1)];
      level[x] = l + across.right[x] * (l1 - l);
    }
    row(y, level.data());
  }
}

}  // namespace

int OtsuThreshold(const std::vector<std::uint64_t>& histogram) {
  double total = 0, sum = 0;
  for (size_t v = 0; v < histogram.size(); ++v) {
    total += static_cast<double>(histogram[v]);
    sum += static_cast<double>(v) * static_cast<double>(histogram[v]);
  }
  double darkCount = 0, darkSum = 0, best = -1;
  int threshold = static_cast<int>(histogram.size()) / 2;
  for (size_t v = 0; v + 1 < histogram.size(); ++v) {
    darkCount += static_cast<double>(histogram[v]);
    darkSum += static_cast<double>(v) * static_cast<double>(histogram[v]);
    const double lightCount = total - darkCount;
    if (darkCount == 0 || lightCount == 0) continue;
    const double d = darkSum / darkCount - (sum - darkSum) / lightCount;
    const double between = darkCount * lightCount * d * d;
    if (between > best) {
      best = between;
      threshold = static_cast<int>(v) + 1;
    }
  }
  return threshold;
}

int PaperMap::Spread() const {
  if (level.empty()) return 0;
  const auto [lo, hi] = std::minmax_element(level.begin(), level.end());
  return *hi - *lo;
}

PaperMap EstimatePaper(const GreyImage& picture, int tile) {
  PaperMap map;
  const int w = picture.width, h = picture.height;
  map.tile = std::max(1, tile);
  map.columns = (w + map.tile - 1) / map.tile;
  map.rows = (h + map.tile - 1) / map.tile;
  map.level.assign(static_cast<size_t>(map.columns) * map.rows, 255);
  if (w <= 0 || h <= 0) return map;

  std::vector<std::uint64_t> histograms(static_cast<size_t>(map.columns) * 256);
  for (int r = 0; r < map.rows; ++r) {
    std::fill(histograms.begin(), histograms.end(), 0);
    for (int y = r * map.tile; y < std::min(h, (r + 1) * map.tile); ++y) {
      const std::uint8_t* row = picture.pixels.data() + static_cast<size_t>(y) * w;
      for (int c = 0; c < map.columns; ++c) {
        std::uint64_t* hist = histograms.data() + static_cast<size_t>(c) * 256;
        for (int x = c * map.tile; x < std::min(w, (c + 1) * map.tile); ++x) ++hist[row[x]];
      }
    }
    for (int c = 0; c < map.columns; ++c) {
      const std::vector<std::uint64_t> hist(histograms.begin() + c * 256, histograms.begin() + (c + 1) * 256);
      map.level[static_cast<size_t>(r) * map.columns + c] = static_cast<std::uint8_t>(Percentile(hist, kPaperPercentile));
    }
  }

  // A tile far darker than a neighbour is a solid black shape, not paper in shadow (shadows fade
  // in over several tiles), and so is a tile as dark as one next to it that is: such tiles take
  // the mean of their paper neighbours, spreading inwards until every tile has a level.
  const int columns = map.columns, rows = map.rows;
  auto around = [&](int r, int c, auto&& visit) {
    for (int rr = std::max(r - 1, 0); rr <= std::min(r + 1, rows - 1); ++rr)
      for (int cc = std::max(c - 1, 0); cc <= std::min(c + 1, columns - 1); ++cc)
        if (rr != r || cc != c) visit(static_cast<size_t>(rr) * columns + cc);
  };
  std::vector<char> valid(map.level.size(), 1);
  std::vector<size_t> solid;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      const size_t i = static_cast<size_t>(r) * columns + c;
      int brightest = 0;
      around(r, c, [&](size_t j) { brightest = std::max<int>(brightest, map.level[j]); });
      if (2 * map.level[i] < brightest) valid[i] = 0, solid.push_back(i);
    }
  while (!solid.empty()) {
    const size_t i = solid.back();
    solid.pop_back();
    around(static_cast<int>(i / columns), static_cast<int>(i % columns), [&](size_t j) {
      if (valid[j] && 4 * map.level[j] <= 5 * map.level[i] + 40) valid[j] = 0, solid.push_back(j);
    });
  }
  for (bool missing = true; missing;) {
    missing = false;
    bool progress = false;
    std::vector<char> next = valid;
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < columns; ++c) {
        const size_t i = static_cast<size_t>(r) * columns + c;
        if (valid[i]) continue;
        int sum = 0, n = 0;
        around(r, c, [&](size_t j) {
          if (valid[j]) sum += map.level[j], ++n;
        });
        if (n > 0) {
          map.level[i] = static_cast<std::uint8_t>(sum / n);
          next[i] = 1;
          progress = true;
        } else {
          missing = true;
        }
      }
    valid.swap(next);
    if (missing && !progress) break;  // every tile dark: nothing brighter to take
  }
  return map;
}

InkMask ThresholdGlobal(const GreyImage& picture, int threshold) {
  InkMask mask = BlankMask(picture.width, picture.height);
  const std::uint8_t* in = picture.pixels.data();
  std::uint8_t* out = mask.ink.data();
  for (size_t i = 0, n = mask.ink.size(); i < n; ++i) out[i] = in[i] < threshold;
  return mask;
}

InkMask ThresholdAgainstPaper(const GreyImage& picture, const PaperMap& paper, double inkBelow) {
  InkMask mask = BlankMask(picture.width, picture.height);
  if (mask.ink.empty()) return mask;
  const int w = picture.width;
  const float ratio = static_cast<float>(inkBelow);
  ForEachPaperRow(paper, w, picture.height, 1, [&](int y, const float* level) {
    const std::uint8_t* in = picture.pixels.data() + static_cast<size_t>(y) * w;
    std::uint8_t* out = mask.ink.data() + static_cast<size_t>(y) * w;
    for (int x = 0; x < w; ++x) out[x] = static_cast<float>(in[x]) < ratio * level[x];
  });
  return mask;
}

InkMask Binarise(const GreyImage& picture, const BinariseParams& params) {
  const int w = picture.width, h = picture.height;
  const int tile = params.tile > 0 ? params.tile : std::clamp(std::min(w, h) / 16, 16, 256);
  const PaperMap paper = EstimatePaper(picture, tile);

  std::vector<std::uint64_t> histogram(256, 0);
  for (std::uint8_t v : picture.pixels) ++histogram[v];
  std::vector<std::uint64_t> levels(256, 0);
  for (auto l : paper.level) ++levels[l];
  const int paperLevel = Percentile(levels, 0.9);
  // The darkest level that a visible mark reaches: a few pixels in a hundred thousand.
  const size_t pixels = static_cast<size_t>(w) * static_cast<size_t>(h);
  const std::uint64_t mark = std::max<std::uint64_t>(4, pixels / 100000);
  int dark = 0;
  for (std::uint64_t seen = 0; dark < 255 && (seen += histogram[dark]) < mark;) ++dark;
  if (paperLevel - dark < params.minContrast) return BlankMask(w, h);

  if (paper.Spread() <= params.unevenSpread) {
    const int threshold = std::min(OtsuThreshold(histogram), paperLevel - params.minContrast / 4);
    return ThresholdGlobal(picture, threshold);
  }
  // Levels relative to the paper beneath them; every other row is plenty for a histogram.
  std::vector<std::uint64_t> relative(256, 0);
  ForEachPaperRow(paper, w, h, 2, [&](int y, const float* level) {
    const std::uint8_t* in = picture.pixels.data() + static_cast<size_t>(y) * w;
    for (int x = 0; x < w; ++x) {
      const float r = 255.0f * static_cast<float>(in[x]) / std::max(level[x], 1.0f);
      ++relative[static_cast<size_t>(std::min(r, 255.0f))];
    }
  });
  const double inkBelow = std::clamp(OtsuThreshold(relative) / 255.0, 0.25, 0.9);
  return ThresholdAgainstPaper(picture, paper, inkBelow);
}

}  // namespace pintoola::pageprep
