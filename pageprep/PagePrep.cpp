#include "pageprep/PagePrep.h"

#include <algorithm>
#include <cmath>

#include "pageprep/Steps.h"

namespace pintoola::pageprep {
namespace {

// A paper area a child can aim at: at least 6 x 6 page pixels in all (1.6 mm on a 96-dpi screen,
// about a mouse pointer's tip) with a 3 x 3 square somewhere in it. Smaller ones, and slivers
// between lines that run close, only catch a click meant for their neighbour.
constexpr int kMinAreaPixels = 36;
constexpr int kMinAreaWidth = 3;
// Paper holes this small inside a line are pinholes, not areas.
constexpr int kPinholePixels = 4;

}  // namespace

InkMask PreparePage(const GreyImage& picture, PrepReport& report, PageLimits limits) {
  report = {};
  const Size size = FitSize(picture.width, picture.height, limits);
  if (size.width == 0 ||
      picture.pixels.size() != static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height))
    return {};

  InkMask ink = Binarise(picture);
  const double sourceLine = TypicalLineWidth(ink);

  // Source pixels per page pixel. Reducing, a block is ink when the line crossing it could cover
  // the asked share of it even split between two blocks: thin lines survive, specks smaller than
  // that share vanish, and thick lines keep their shape by the majority rule.
  const double block = static_cast<double>(picture.width) / size.width;
  InkMask page;
  if (block > 1) {
    const double share = std::clamp(0.45 * sourceLine / block, 1.5 / (block * block), 0.5);
    page = ReduceArea(ink, size, share);
  } else {
    page = EnlargeSmooth(ink, size);
  }
  ink = {};  // the source-sized mask is the largest thing held; let it go before the page work

  const double pageLine = sourceLine / block;
  page = RemoveSpecks(std::move(page), std::max(3, static_cast<int>(pageLine * pageLine / 2)));
  page = FillPinholes(std::move(page), kPinholePixels);
  page = ThickenThinLines(std::move(page));

  // A closing bridges a break of g when its disk's radius is above about 0.75 g + 1: wider than
  // half the break, by enough that the disk's rounded sides cannot meet through the middle of the
  // bridged line. Twice the line width plus one covers breaks somewhat over twice the line width,
  // which is what blur and recompression make of a break of two by eating into its ends. A disk
  // that wide swallows areas narrower than itself, and a swallowed area cannot have its break
  // bridged: so the disk grows in steps, each bridging the breaks the areas it still sees allow.
  const double line = std::max(2.0, TypicalLineWidth(page));
  // Breaks at stroke ends first: they also close areas no wider than their break, which to the
  // closings below are only bays of their neighbours. Blur and recompression eat into a break's
  // ends, so the reach is somewhat over twice the line width, as the closings' is.
  {
    int links = 0;
    page = LinkLineEnds(std::move(page), {.lineWidth = line, .maxGap = 2.5 * line + 2, .minStroke = 3 * line}, links);
    report.gapsClosed += links;
  }
  const double widest = 2 * line + 1;
  for (double radius = 2;; radius = std::min(widest, radius * 1.5)) {
    int seams = 0;
    page = CloseGaps(std::move(page), radius, seams);
    report.gapsClosed += seams;
    if (radius >= widest) break;
  }
  page = MergeSmallAreas(std::move(page), kMinAreaPixels, kMinAreaWidth);
  report.areas = CountAreas(page);
  report.lineWidth = line;
  return page;
}

}  // namespace pintoola::pageprep
