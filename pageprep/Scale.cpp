// Steps 2 and 3: how thick the lines are, and the page's size.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "pageprep/Steps.h"

namespace pintoola::pageprep {

double TypicalLineWidth(const InkMask& mask) {
  const int w = mask.width, h = mask.height;
  constexpr int kLongest = 1024;  // longer runs are solid shapes, counted as one long run
  std::vector<std::uint64_t> runs(kLongest + 1, 0);
  std::vector<int> down(static_cast<size_t>(std::max(w, 0)), 0);
  for (int y = 0; y <= h; ++y) {
    const std::uint8_t* row = y < h ? mask.ink.data() + static_cast<size_t>(y) * w : nullptr;
    int across = 0;
    for (int x = 0; x < w; ++x) {
      const bool ink = row && row[x];
      if (ink) {
        ++across;
        ++down[x];
      } else {
        if (across) ++runs[std::min(across, kLongest)], across = 0;
        if (down[x]) ++runs[std::min(down[x], kLongest)], down[x] = 0;
      }
    }
    if (across) ++runs[std::min(across, kLongest)];
  }
  std::uint64_t total = 0;
  for (auto n : runs) total += n;
  if (total == 0) return 0;
  std::uint64_t seen = 0;
  for (int len = 1; len <= kLongest; ++len) {
    // The median, placed within its run length so that widths between whole pixels show.
    if (seen + runs[len] >= (total + 1) / 2) {
      const double into = (static_cast<double>((total + 1) / 2) - static_cast<double>(seen)) /
                          static_cast<double>(runs[len]);
      return len - 0.5 + into;
    }
    seen += runs[len];
  }
  return kLongest;
}

Size FitSize(int width, int height, PageLimits limits) {
  if (width <= 0 || height <= 0 || limits.width <= 0 || limits.height <= 0) return {};
  const auto w = static_cast<long long>(width), h = static_cast<long long>(height);
  if (w * limits.height >= h * limits.width) {
    return {limits.width, static_cast<int>(std::max(1LL, (h * limits.width * 2 + w) / (2 * w)))};
  }
  return {static_cast<int>(std::max(1LL, (w * limits.height * 2 + h) / (2 * h))), limits.height};
}

InkMask ReduceArea(const InkMask& mask, Size to, double minInkFraction) {
  InkMask page{to.width, to.height, std::vector<std::uint8_t>(static_cast<size_t>(to.width) * to.height, 0)};
  const long long w = mask.width, h = mask.height;
  if (page.ink.empty() || mask.ink.empty()) return page;
  // Block edges: page pixel i covers source columns [edge[i], edge[i + 1]).
  std::vector<int> edgeX(static_cast<size_t>(to.width) + 1);
  for (int i = 0; i <= to.width; ++i) edgeX[i] = static_cast<int>(i * w / to.width);
  std::vector<std::uint32_t> column(static_cast<size_t>(w));
  for (int j = 0; j < to.height; ++j) {
    const int y0 = static_cast<int>(j * h / to.height), y1 = static_cast<int>((j + 1) * h / to.height);
    std::fill(column.begin(), column.end(), 0);
    for (int y = y0; y < y1; ++y) {
      const std::uint8_t* row = mask.ink.data() + static_cast<size_t>(y) * w;
      for (long long x = 0; x < w; ++x) column[x] += row[x];
    }
    std::uint8_t* out = page.ink.data() + static_cast<size_t>(j) * to.width;
    for (int i = 0; i < to.width; ++i) {
      std::uint64_t ink = 0;
      for (int x = edgeX[i]; x < edgeX[i + 1]; ++x) ink += column[x];
      const double area = static_cast<double>(edgeX[i + 1] - edgeX[i]) * (y1 - y0);
      out[i] = area > 0 && static_cast<double>(ink) >= minInkFraction * area && ink > 0;
    }
  }
  return page;
}

InkMask EnlargeSmooth(const InkMask& mask, Size to) {
  InkMask page{to.width, to.height, std::vector<std::uint8_t>(static_cast<size_t>(to.width) * to.height, 0)};
  const int w = mask.width, h = mask.height;
  if (page.ink.empty() || mask.ink.empty()) return page;
  // For each page pixel's centre: the four source pixels around it (clamped to the picture) and
  // their Catmull-Rom weights, in 1/1024.
  struct Taps {
    int at[4];
    int weight[4];
  };
  auto place = [](int length, int target) {
    std::vector<Taps> taps(static_cast<size_t>(target));
    for (int i = 0; i < target; ++i) {
      const double u = (i + 0.5) * length / target - 0.5;
      const int base = static_cast<int>(std::floor(u));
      const double t = u - base;
      const double k[4] = {((-0.5 * t + 1.0) * t - 0.5) * t, (1.5 * t - 2.5) * t * t + 1.0,
                           ((-1.5 * t + 2.0) * t + 0.5) * t, (0.5 * t - 0.5) * t * t};
      for (int j = 0; j < 4; ++j) {
        taps[i].at[j] = std::clamp(base - 1 + j, 0, length - 1);
        taps[i].weight[j] = static_cast<int>(std::lround(k[j] * 1024));
      }
    }
    return taps;
  };
  const std::vector<Taps> across = place(w, to.width), down = place(h, to.height);
  std::vector<int> rowSum(static_cast<size_t>(to.width));
  for (int j = 0; j < to.height; ++j) {
    std::fill(rowSum.begin(), rowSum.end(), 0);
    for (int k = 0; k < 4; ++k) {
      const std::uint8_t* row = mask.ink.data() + static_cast<size_t>(down[j].at[k]) * w;
      const int wy = down[j].weight[k];
      for (int i = 0; i < to.width; ++i) {
        const Taps& t = across[i];
        rowSum[i] += wy * (row[t.at[0]] * t.weight[0] + row[t.at[1]] * t.weight[1] + row[t.at[2]] * t.weight[2] +
                           row[t.at[3]] * t.weight[3]);
      }
    }
    std::uint8_t* out = page.ink.data() + static_cast<size_t>(j) * to.width;
    for (int i = 0; i < to.width; ++i) out[i] = rowSum[i] >= 512 * 1024;
  }
  return page;
}

}  // namespace pintoola::pageprep
