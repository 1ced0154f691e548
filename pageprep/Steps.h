#pragma once
// The named steps PreparePage composes. Each takes a bitmap and its parameters and gives a bitmap
// (or a measurement), so each can be tried on a few pixels made in a test.
#include <cstdint>
#include <vector>

#include "pageprep/PagePrep.h"

namespace pintoola::pageprep {

// ---- 1. Threshold, at the picture's own resolution ----------------------------------------------

// The grey level that best splits `histogram` into a dark and a light class (Otsu): pixels below it
// are dark.
int OtsuThreshold(const std::vector<std::uint64_t>& histogram);

// The paper's brightness over the picture, one value per square tile of `tile` pixels (the edge
// tiles may be smaller): the median of each tile, which lines do not reach; tiles inside solid
// black shapes take their neighbours' level.
struct PaperMap {
  int tile = 0;
  int columns = 0, rows = 0;
  std::vector<std::uint8_t> level;  // row by row

  int Spread() const;  // brightest tile minus darkest tile
};
PaperMap EstimatePaper(const GreyImage& picture, int tile);

// Ink where the grey level is below `threshold`.
InkMask ThresholdGlobal(const GreyImage& picture, int threshold);
// Ink where the grey level is below `inkBelow` (0..1) times the paper's brightness at that pixel,
// the map interpolated between tile centres.
InkMask ThresholdAgainstPaper(const GreyImage& picture, const PaperMap& paper, double inkBelow);

struct BinariseParams {
  int tile = 0;              // paper map tile; 0: a sixteenth of the shorter side, 16..256
  int unevenSpread = 40;     // paper levels varying more than this need the local threshold
  int minContrast = 48;      // darkest ink must be this much below the paper, or there is no ink
};
// Chooses the global threshold where the paper is even and the threshold against the paper map
// where it is not, each placed by Otsu (on the grey levels, or on levels relative to the paper).
InkMask Binarise(const GreyImage& picture, const BinariseParams& params = {});

// ---- 2. Line width -------------------------------------------------------------------------------

// The typical width of the lines: the median length of the horizontal and vertical ink runs (a line
// crossed at right angles gives runs of its width, one per row or column). 0 when there is no ink.
double TypicalLineWidth(const InkMask& mask);

// ---- 3. Size -------------------------------------------------------------------------------------

struct Size {
  int width = 0, height = 0;
};
// The largest size within `limits` with the aspect ratio of width x height, one side at its limit.
Size FitSize(int width, int height, PageLimits limits);

// Area reduction: each page pixel covers a block of mask pixels and is ink when at least
// `minInkFraction` of the block is ink. Below one half, a line narrower than a block still leaves
// ink in every block it crosses.
InkMask ReduceArea(const InkMask& mask, Size to, double minInkFraction);
// Enlargement: the mask read as 0/1 heights, interpolated bicubically (Catmull-Rom), ink from one
// half up. Edges and diagonals come out smooth instead of as enlarged steps, and a one-pixel
// diagonal stays a solid band (bilinear would pinch it to a point at every step).
InkMask EnlargeSmooth(const InkMask& mask, Size to);

// ---- 4..8. At the page's size --------------------------------------------------------------------

// Ink blobs (8-connected, as a line is) of at most `maxPixels` become paper.
InkMask RemoveSpecks(InkMask mask, int maxPixels);
// Paper holes (4-connected, as the fill spreads) of at most `maxPixels` become ink.
InkMask FillPinholes(InkMask mask, int maxPixels);
// A line one pixel thin across (paper on both sides, horizontally or vertically) gets the pixel
// beside it: every line ends up at least two pixels thick; thicker lines are left as they are.
InkMask ThickenThinLines(InkMask mask);

// Bridges breaks at the ends of strokes, where an area too narrow for a closing to see would leak.
// A stroke's end is an end of the ink's skeleton reached through at least `minStroke` pixels of
// plain stroke (no branching, never wider than twice `lineWidth`): dots, short dashes and the spurs
// a skeleton grows at corners have none. A stub, at least `lineWidth` long, that branches off
// another line sooner is an end only to a facing end, within `stubCone` degrees of its direction.
// From an end, a segment of ink at least two pixels thick is drawn to the nearest facing end
// within `endCone` degrees of both ends' directions and `endTurn` of them together (a corner or a
// curve, not two tips beside each other), or else to the nearest ink within `rayCone` degrees of
// the stroke's direction, when the segment crosses one stretch of paper no longer than `maxGap`.
// Shapes side by side are not joined: a line's side is not an end, and nothing is reached outside
// the cones. `links` counts the segments.
struct LinkParams {
  double lineWidth = 2;  // the page's typical line width
  double maxGap = 5;     // longest paper stretch bridged
  double minStroke = 6;  // skeleton pixels a stroke runs before its end counts
  double endCone = 75;   // degrees either side of a stroke's direction another end may lie
  double endTurn = 100;  // degrees the two ends' angles to the segment may add up to
  double rayCone = 15;   // degrees either side of it the nearest ink is looked for
  double stubCone = 30;  // degrees either side of a stub's direction a facing end may lie
};
InkMask LinkLineEnds(InkMask mask, const LinkParams& params, int& links);

// Bridges breaks in lines. A closing with a disk of `radius` tells which paper areas the drawing
// means; each area then grows back through the original paper in order of distance, and where two
// areas meet the two pixels of the seam become ink. A break of g is bridged when `radius` is above
// about 0.75 g + 1, between areas the disk still fits in; narrow corridors and corners stay paper,
// and nothing is joined that the closing did not already separate. `seams` counts the bridges.
InkMask CloseGaps(InkMask mask, double radius, int& seams);

// Paper areas (4-connected) smaller than `minPixels`, or with no `minWidth` x `minWidth` square of
// paper anywhere, become ink.
InkMask MergeSmallAreas(InkMask mask, int minPixels, int minWidth);

// Paper areas as the fill sees them: 4-connected.
int CountAreas(const InkMask& mask);
// The same areas numbered 0.. in the order of their first pixel, row by row; -1 for ink.
std::vector<int> LabelAreas(const InkMask& mask, int& areas);

}  // namespace pintoola::pageprep
