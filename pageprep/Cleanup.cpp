// Steps 4 to 8, on the page-sized mask.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <numbers>

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

// The ink thinned to lines one pixel thin that keep its connections (Zhang and Suen's two
// alternating passes), on a frame of one paper pixel so neighbours need no bounds checks: the
// result is (w + 2) x (h + 2).
std::vector<std::uint8_t> Skeleton(const InkMask& mask) {
  const int w = mask.width + 2, h = mask.height + 2;
  std::vector<std::uint8_t> s(static_cast<size_t>(w) * h, 0);
  std::vector<int> live;
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x)
      if (mask.ink[static_cast<size_t>(y) * mask.width + x]) {
        const int i = (y + 1) * w + x + 1;
        s[i] = 1;
        live.push_back(i);
      }
  const int around[8] = {-w, -w + 1, 1, w + 1, w, w - 1, -1, -w - 1};  // N, NE, E, SE, S, SW, W, NW
  std::vector<int> gone;
  for (bool changed = true; changed;) {
    changed = false;
    for (int pass = 0; pass < 2; ++pass) {
      gone.clear();
      for (int i : live) {
        if (!s[i]) continue;
        int p[8], count = 0, rises = 0;
        for (int k = 0; k < 8; ++k) count += p[k] = s[i + around[k]];
        for (int k = 0; k < 8; ++k) rises += !p[k] && p[(k + 1) % 8];
        if (count < 2 || count > 6 || rises != 1) continue;
        const bool keep = pass == 0 ? (p[0] && p[2] && p[4]) || (p[2] && p[4] && p[6])
                                    : (p[0] && p[2] && p[6]) || (p[0] && p[4] && p[6]);
        if (!keep) gone.push_back(i);
      }
      for (int i : gone) s[i] = 0;
      changed = changed || !gone.empty();
    }
    live.erase(std::remove_if(live.begin(), live.end(), [&](int i) { return !s[i]; }), live.end());
  }
  return s;
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

InkMask LinkLineEnds(InkMask mask, const LinkParams& params, int& links) {
  links = 0;
  const int w = mask.width, h = mask.height;
  if (mask.ink.empty() || params.maxGap <= 0) return mask;
  const int fw = w + 2;  // the skeleton's frame
  const std::vector<std::uint8_t> skeleton = Skeleton(mask);
  std::vector<std::uint8_t> paper(mask.ink.size());
  for (size_t i = 0; i < paper.size(); ++i) paper[i] = !mask.ink[i];
  const std::vector<int> toPaper = SquaredDistance(paper, w, h);
  const double halfWidth = params.lineWidth + 1;  // a stroke at most twice the line width across

  const int around[8] = {-fw, -fw + 1, 1, fw + 1, fw, fw - 1, -1, -fw - 1};
  auto rises = [&](int i) {
    int r = 0;
    for (int k = 0; k < 8; ++k) r += !skeleton[i + around[k]] && skeleton[i + around[(k + 1) % 8]];
    return r;
  };
  struct End {
    double x, y, dx, dy;  // where, and the way the stroke runs out
    bool stub = false;
    bool used = false;
  };
  std::vector<End> ends;
  std::vector<int> visited;
  for (int y = 1; y <= h; ++y)
    for (int x = 1; x <= w; ++x) {
      const int start = y * fw + x;
      if (!skeleton[start] || rises(start) != 1) continue;
      int neighbours = 0;
      for (int k = 0; k < 8; ++k) neighbours += skeleton[start + around[k]];
      if (neighbours > 2) continue;
      // Along the stroke, away from the end: plain line all the way, no branch, never too wide. A
      // stub that meets another line within that is still an end to a facing end.
      visited.assign(1, start);
      int at = start, steps = 0, aim = start;  // aim: where the stroke's direction is taken from
      bool stroke = true, stub = false;
      for (; steps < params.minStroke && stroke; ++steps) {
        const int ax = at % fw - 1, ay = at / fw - 1;
        if (toPaper[static_cast<size_t>(ay) * w + ax] > halfWidth * halfWidth) {
          stroke = false;
          break;
        }
        if (at != start && rises(at) > 2) {
          stroke = false;
          stub = steps >= params.lineWidth;  // longer than the spurs a thick line's corner grows
          break;
        }
        int next = -1;
        double far = -1;
        for (int k = 0; k < 8; ++k) {
          const int j = at + around[k];
          if (!skeleton[j] || std::find(visited.begin(), visited.end(), j) != visited.end()) continue;
          visited.push_back(j);
          const double d = std::hypot(j % fw - x, j / fw - y);
          if (d > far) far = d, next = j;
        }
        if (next < 0) stroke = false;  // a dash ends before it counts as a stroke
        else at = next;
        if (steps < 1.5 * params.lineWidth) aim = at;  // near the end, before the stroke can turn
      }
      if (!stroke && !stub) continue;
      const double dx = x - aim % fw, dy = y - aim / fw, length = std::hypot(dx, dy);
      if (length < 1) continue;
      ends.push_back({static_cast<double>(x - 1), static_cast<double>(y - 1), dx / length, dy / length, stub});
    }

  auto ink = [&](double x, double y) {
    const int ix = static_cast<int>(std::lround(x)), iy = static_cast<int>(std::lround(y));
    return ix >= 0 && iy >= 0 && ix < w && iy < h && mask.ink[static_cast<size_t>(iy) * w + ix];
  };
  auto inside = [&](double x, double y) { return x > -0.5 && y > -0.5 && x < w - 0.5 && y < h - 0.5; };
  // The paper a segment crosses when it leaves its start's ink once and meets ink once again after
  // no more than maxGap; -1 otherwise. With `stopAtInk`, the segment ends where it meets the ink.
  constexpr double kStep = 0.5;
  auto crossing = [&](double x0, double y0, double dx, double dy, double length, bool stopAtInk, double& reached) {
    double left = -1;
    for (double t = 0; t <= length + 1e-9; t += kStep) {
      const double x = x0 + t * dx, y = y0 + t * dy;
      if (!inside(x, y)) return -1.0;
      const bool on = ink(x, y);
      if (left < 0) {
        if (!on) left = t;
        else if (t > halfWidth + 1) return -1.0;  // not at the stroke's tip in this direction
      } else if (on) {
        if (!stopAtInk && length - t > halfWidth + 1) return -1.0;  // ink of a third shape between
        reached = t;
        return t - left;
      } else if (t - left > params.maxGap + kStep) {
        return -1.0;
      }
    }
    return -1.0;
  };
  const double radius = std::max(1.0, params.lineWidth / 2);
  const int r = static_cast<int>(std::ceil(radius));
  auto draw = [&](double x0, double y0, double x1, double y1) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    for (double t = 0; t <= length + 1e-9; t += kStep) {
      const double along = length > 0 ? t / length : 0;
      const int cx = static_cast<int>(std::lround(x0 + along * (x1 - x0)));
      const int cy = static_cast<int>(std::lround(y0 + along * (y1 - y0)));
      for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
          if (dx * dx + dy * dy <= radius * radius + 1 && cx + dx >= 0 && cy + dy >= 0 && cx + dx < w && cy + dy < h)
            mask.ink[static_cast<size_t>(cy + dy) * w + cx + dx] = 1;
    }
    ++links;
  };

  // Facing ends first, nearest pairs first.
  const double endReach = params.maxGap + 2 * halfWidth + 1;
  const double endCos = std::cos(params.endCone * std::numbers::pi / 180);
  const double stubCos = std::cos(params.stubCone * std::numbers::pi / 180);
  std::sort(ends.begin(), ends.end(), [](const End& a, const End& b) { return a.x < b.x; });
  struct Pair {
    double length;
    size_t a, b;
  };
  std::vector<Pair> pairs;
  for (size_t a = 0; a < ends.size(); ++a)
    for (size_t b = a + 1; b < ends.size() && ends[b].x - ends[a].x <= endReach; ++b) {
      const double vx = ends[b].x - ends[a].x, vy = ends[b].y - ends[a].y, length = std::hypot(vx, vy);
      if (length > endReach || length < 1) continue;
      const double ca = (ends[a].dx * vx + ends[a].dy * vy) / length, cb = -(ends[b].dx * vx + ends[b].dy * vy) / length;
      if (ca < (ends[a].stub ? stubCos : endCos) || cb < (ends[b].stub ? stubCos : endCos)) continue;
      if (std::acos(std::min(1.0, ca)) + std::acos(std::min(1.0, cb)) > params.endTurn * std::numbers::pi / 180) continue;
      pairs.push_back({length, a, b});
    }
  std::sort(pairs.begin(), pairs.end(), [](const Pair& p, const Pair& q) { return p.length < q.length; });
  for (const Pair& p : pairs) {
    End &a = ends[p.a], &b = ends[p.b];
    if (a.used || b.used) continue;
    double reached = 0;
    if (crossing(a.x, a.y, (b.x - a.x) / p.length, (b.y - a.y) / p.length, p.length, false, reached) < 0) continue;
    draw(a.x, a.y, b.x, b.y);
    a.used = b.used = true;
  }

  // Then the nearest ink ahead of each end left, straight ahead preferred.
  const double reach = params.maxGap + halfWidth + 2;
  for (End& e : ends) {
    if (e.used || e.stub) continue;
    double bestGap = params.maxGap + 1, bestT = 0, bestX = 0, bestY = 0;
    for (double angle = -params.rayCone; angle <= params.rayCone + 1e-9; angle += 5) {
      const double c = std::cos(angle * std::numbers::pi / 180), s = std::sin(angle * std::numbers::pi / 180);
      const double dx = e.dx * c - e.dy * s, dy = e.dx * s + e.dy * c;
      double reached = 0;
      const double gap = crossing(e.x, e.y, dx, dy, reach, true, reached);
      if (gap < 0 || gap * (1 + std::abs(angle) / 360) >= bestGap) continue;
      bestGap = gap * (1 + std::abs(angle) / 360);
      bestT = reached, bestX = dx, bestY = dy;
    }
    if (bestT > 0) draw(e.x, e.y, e.x + bestT * bestX, e.y + bestT * bestY);
  }
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

std::vector<int> LabelAreas(const InkMask& mask, int& areas) {
  std::vector<int> label(mask.ink.size(), -1);
  areas = 0;
  ForEachComponent(mask, 0, false, [&](const std::vector<int>& pixels) {
    for (int i : pixels) label[static_cast<size_t>(i)] = areas;
    ++areas;
  });
  return label;
}

}  // namespace pintoola::pageprep
