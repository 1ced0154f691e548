#pragma once
// The bundled colouring pages: closed black line drawings on white, drawn by our own code. The
// build renders them into images/ beside the executable (see pagegen.cpp).
#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

class QPainter;

namespace pintoola::art {

struct BundledPage {
  QString fileName;  // "Cat.bmp"
  int width = 0, height = 0;
  void (*draw)(QPainter&) = nullptr;
  // A point inside each area that must stay its own area: no fill started in one of them may reach
  // the picture's edge or another listed area.
  std::vector<QPoint> seeds;
};

const std::vector<BundledPage>& BundledPages();

// The page as it goes to the file: white, black anti-aliased lines, RGB32.
QImage RenderPage(const BundledPage& page);

}  // namespace pintoola::art
