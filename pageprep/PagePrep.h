#pragma once
// Turns a decoded picture into a colouring page the exact-colour fill can be trusted on: two
// colours, lines at least two pixels wide, no breaks a fill can leak through, no specks, no areas
// too small to hit. Plain C++: no Qt, so every step runs on tiny fixtures in the tests.
#include <cstdint>
#include <vector>

namespace pintoola::pageprep {

// A decoded picture in grey levels, transparency already flattened onto white: 0 black .. 255
// white, `width` bytes a row, top row first.
struct GreyImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// Ink and paper: 1 a line pixel (black), 0 paper (white), `width` bytes a row, top row first.
struct InkMask {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> ink;
};

// The box a page must fit: whole in the page view of a 1366 x 768 screen and, at 96 pixels to
// the inch, whole on A4 or Letter portrait.
struct PageLimits {
  int width = 736;
  int height = 700;
};

// What the clean-up found, for the importer's report.
struct PrepReport {
  int areas = 0;          // white areas a fill stops in (4-connected, as the fill spreads)
  int gapsClosed = 0;     // breaks bridged with ink
  double lineWidth = 0;   // the page's typical line width, in page pixels
};

// The whole clean-up as one composition of named steps. The result fits `limits` with the
// picture's aspect ratio kept and one side at its limit. An empty picture gives an empty mask.
InkMask PreparePage(const GreyImage& picture, PrepReport& report, PageLimits limits = {});

}  // namespace pintoola::pageprep
