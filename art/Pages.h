#pragma once
// The bundled colouring pages: closed black line drawings on white, drawn by our own code. The
// build renders them into images/ beside the executable (see pagegen.cpp).
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;

namespace pintoola::art {

struct BundledPage {
  QString fileName;  // "Cat.bmp"
  // The drawing's own coordinate space; RenderPage scales it to the page size.
  int width = 0, height = 0;
  void (*draw)(QPainter&) = nullptr;
  // A point inside each area that must stay its own area, in drawing coordinates: no fill started
  // in one of them may reach the picture's edge or another listed area.
  std::vector<QPoint> seeds;
};

// The largest page we bundle. At the print scale (a whole number of printer dots per screen pixel
// at 96 pixels per inch) 736 × 700 pixels are at most 7.67 × 7.3 inches: whole on A4 and on Letter
// in portrait within quarter-inch margins, and whole in the page view of a 1366 × 768 screen.
inline constexpr QSize kPageLimit(736, 700);

const std::vector<BundledPage>& BundledPages();

// The drawing scaled, proportions kept, to the largest size within `limit`.
QSize PageSize(const BundledPage& page, QSize limit = kPageLimit);
// The seeds at that size.
std::vector<QPoint> PageSeeds(const BundledPage& page, QSize limit = kPageLimit);

// The page as it goes to the file: white, black lines drawn without anti-aliasing, so that the
// page holds exactly two colours and a fill reaches every line. RGB32.
QImage RenderPage(const BundledPage& page, QSize limit = kPageLimit);

}  // namespace pintoola::art
