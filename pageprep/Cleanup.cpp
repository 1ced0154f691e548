// Steps 4 to 8, on the page-sized mask.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>

#include "pageprep/Steps.h"

namespace pintoola::pageprep {
namespace {

// Visits every connected set of pixels whose ink value is `ink`, calling visit(pixels) with their
// indices; 8-connected or 4-connected.
template <typename Visit>
void ForEachComponent(const InkMask& mask, std::uint8_t ink, bool eight, Visit&& visit) {
  const int w = mask.width, h = mask.height;
  const size_t n = mask.ink.size();
  std::vector<std::uint8_t> seen(n, 0);
  std::vector<int> stack, pixels;
  for (size_t start = 0; start < n; ++start) {
    if (mask.ink[start] != ink || seen[start]) continue;
    pixels.clear();
    seen[start] = 1;
    stack.push_back(static_cast<int>(start));
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      pixels.push_back(i);
      const int x = i % w, y = i / w;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          if ((dx == 0 && dy == 0) || (!eight && dx != 0 && dy != 0)) continue;
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const size_t j = static_cast<size_t>(ny) * w + nx;
          if (mask.ink[j] == ink && !seen[j]) {
            seen[j] = 1;
            stack.push_back(static_cast<int>(j));
          }
        }
    }
    visit(pixels);
  }
}

constexpr int kFar = 1 << 28;

// Squared distance from every point of a line to the nearest point whose f is 0, for f values of 0
// or kFar (the lower envelope of parabolas, in linear time).
void Distance1d(const int* f, int n, int stride, int* out, std::vector<int>& v, std::vector<double>& z,
                std::vector<int>& copy) {
  copy.resize(static_cast<size_t>(n));
  for (int q = 0; q < n; ++q) copy[q] = f[static_cast<size_t>(q) * stride];
  v.resize(static_cast<size_t>(n));
  z.resize(static_cast<size_t>(n) + 1);
  int k = 0;
  v[0] = 0;
  z[0] = -1e300;
  z[1] = 1e300;
  for (int q = 1; q < n; ++q) {
    auto cross = [&](int p) {
      return ((copy[q] + static_cast<double>(q) * q) - (copy[p] + static_cast<double>(p) * p)) / (2.0 * q - 2.0 * p);
    };
    double s = cross(v[k]);
    while (k > 0 && s <= z[k]) s = cross(v[--k]);
    ++k;
    v[k] = q;
    z[k] = s;
    z[k + 1] = 1e300;
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[k + 1] < q) ++k;
    const long long d = static_cast<long long>(q - v[k]) * (q - v[k]) + copy[v[k]];
    out[static_cast<size_t>(q) * stride] = static_cast<int>(std::min<long long>(d, kFar));
  }
}

// Squared Euclidean distance of every pixel to the nearest pixel where `feature` is set.
std::vector<int> SquaredDistance(const std::vector<std::uint8_t>& feature, int w, int h) {
  std::vector<int> d(feature.size());
  for (size_t i = 0; i < feature.size(); ++i) d[i] = feature[i] ? 0 : kFar;
  std::vector<int> v, copy;
  std::vector<double> z;
  for (int x = 0; x < w; ++x) Distance1d(d.data() + x, h, w, d.data() + x, v, z, copy);
  for (int y = 0; y < h; ++y) Distance1d(d.data() + static_cast<size_t>(y) * w, w, 1, d.data() + static_cast<size_t>(y) * w, v, z, copy);
  return d;
}

}  // namespace

InkMask RemoveSpecks(InkMask mask, int maxPixels) {
  ForEachComponent(mask, 1, true, [&](const std::vector<int>& pixels) {
    if (static_cast<int>(pixels.size()) <= maxPixels)
      for (int i : pixels) mask.ink[i] = 0;
  });
  return mask;
}

InkMask FillPinholes(InkMask mask, int maxPixels) {
  ForEachComponent(mask, 0, false, [&](const std::vector<int>& pixels) {
    if (static_cast<int>(pixels.size()) <= maxPixels)
      for (int i : pixels) mask.ink[i] = 1;
  });
  return mask;
}

InkMask ThickenThinLines(InkMask mask) {
  const int w = mask.width, h = mask.height;
  const InkMask thin = mask;
  auto ink = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < w && y < h && thin.ink[static_cast<size_t>(y) * w + x];
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!ink(x, y)) continue;
      if (!ink(x - 1, y) && !ink(x + 1, y) && w > 1)
        mask.ink[static_cast<size_t>(y) * w + (x + 1 < w ? x + 1 : x - 1)] = 1;
      if (!ink(x, y - 1) && !ink(x, y + 1) && h > 1)
        mask.ink[static_cast<size_t>(y + 1 < h ? y + 1 : y - 1) * w + x] = 1;
    }
  return mask;
}

InkMask CloseGaps(InkMask mask, double radius, int& seams) {
  seams = 0;
  const int w = mask.width, h = mask.height;
  if (mask.ink.empty() || radius <= 0) return mask;
  // Distances are between pixel centres, so a line of t pixels is t - 1 thick and a break of g is
  // g + 1 wide to them: the erosion takes pixels strictly within the radius, a hair less than the
  // dilation, or every break would open again by a pixel from each side.
  const int limit = static_cast<int>(std::floor(radius * radius));

  // The closing, on a margin of paper wide enough that the picture's edge does not act as ink.
  const int pad = static_cast<int>(std::ceil(radius)) + 1;
  const int pw = w + 2 * pad, ph = h + 2 * pad;
  std::vector<std::uint8_t> grown(static_cast<size_t>(pw) * ph, 0);
  for (int y = 0; y < h; ++y)
    std::copy_n(mask.ink.begin() + static_cast<std::ptrdiff_t>(y) * w, w,
                grown.begin() + static_cast<std::ptrdiff_t>(y + pad) * pw + pad);
  {
    const std::vector<int> toInk = SquaredDistance(grown, pw, ph);
    for (size_t i = 0; i < grown.size(); ++i) grown[i] = toInk[i] > limit;  // 1: paper after dilation
  }
  const std::vector<int> toPaper = SquaredDistance(grown, pw, ph);

  // Areas of the closed mask, 4-connected; -1 marks ink, 0 paper the closing covered.
  const size_t n = mask.ink.size();
  std::vector<int> label(n, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const size_t i = static_cast<size_t>(y) * w + x;
      if (mask.ink[i]) label[i] = -1;
    }
  std::vector<int> queue;
  queue.reserve(n);
  int areas = 0;
  std::vector<int> stack;
  for (size_t start = 0; start < n; ++start) {
    auto open = [&](size_t i) {
      const int x = static_cast<int>(i % w), y = static_cast<int>(i / w);
      return label[i] == 0 && toPaper[static_cast<size_t>(y + pad) * pw + x + pad] < limit;
    };
    if (!open(start)) continue;
    ++areas;
    label[start] = areas;
    stack.push_back(static_cast<int>(start));
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      queue.push_back(i);
      const int x = i % w, y = i / w;
      const int next[4] = {x > 0 ? i - 1 : -1, x + 1 < w ? i + 1 : -1, y > 0 ? i - w : -1, y + 1 < h ? i + w : -1};
      for (int j : next)
        if (j >= 0 && open(static_cast<size_t>(j))) {
          label[j] = areas;
          stack.push_back(j);
        }
    }
  }

  // Each area grows back through the paper the closing covered, breadth first (in order of
  // distance); where two areas meet, both pixels of the meeting become ink.
  std::vector<std::uint8_t> seam(n, 0);
  for (size_t head = 0; head < queue.size(); ++head) {
    const int i = queue[head];
    const int x = i % w, y = i / w;
    const int next[4] = {x > 0 ? i - 1 : -1, x + 1 < w ? i + 1 : -1, y > 0 ? i - w : -1, y + 1 < h ? i + w : -1};
    for (int j : next) {
      if (j < 0 || label[j] < 0) continue;
      if (label[j] == 0) {
        label[j] = label[i];
        queue.push_back(j);
      } else if (label[j] != label[i]) {
        seam[i] = seam[j] = 1;
      }
    }
  }
  for (size_t i = 0; i < n; ++i) mask.ink[i] |= seam[i];
  ForEachComponent(InkMask{w, h, std::move(seam)}, 1, true, [&](const std::vector<int>&) { ++seams; });
  return mask;
}

InkMask MergeSmallAreas(InkMask mask, int minPixels, int minWidth) {
  const int w = mask.width, h = mask.height;
  const size_t n = mask.ink.size();
  // Pixels that are the bottom-right corner of a minWidth x minWidth square of paper.
  std::vector<std::uint8_t> wide(n, 0);
  {
    std::vector<int> tall(static_cast<size_t>(w), 0);
    for (int y = 0; y < h; ++y) {
      int run = 0;
      for (int x = 0; x < w; ++x) {
        const size_t i = static_cast<size_t>(y) * w + x;
        run = mask.ink[i] ? 0 : run + 1;
        tall[x] = run >= minWidth ? tall[x] + 1 : 0;
        wide[i] = tall[x] >= minWidth;
      }
    }
  }
  ForEachComponent(mask, 0, false, [&](const std::vector<int>& pixels) {
    const bool roomy = std::any_of(pixels.begin(), pixels.end(), [&](int i) { return wide[i] != 0; });
    if (static_cast<int>(pixels.size()) < minPixels || !roomy)
      for (int i : pixels) mask.ink[i] = 1;
  });
  return mask;
}

int CountAreas(const InkMask& mask) {
  int areas = 0;
  ForEachComponent(mask, 0, false, [&](const std::vector<int>&) { ++areas; });
  return areas;
}

}  // namespace pintoola::pageprep
