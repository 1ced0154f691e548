#pragma once
// A printed PDF sheet rendered back into pixels, to measure where and how large the page came out.
#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>

namespace pintoola::testing {

inline bool CanRenderSheets() { return QProcess::execute("sh", {"-c", "command -v pdftoppm >/dev/null"}) == 0; }

// The first sheet of `pdf` at `dpi` dots per inch, or a null image when it cannot be rendered.
inline QImage RenderSheet(const QString& pdf, int dpi) {
  const QString out = QFileInfo(pdf).path() + "/" + QFileInfo(pdf).completeBaseName();
  if (QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", pdf, out}) != 0) return {};
  return QImage(out + ".png");
}

// The red block's extent, or an empty rect on a blank sheet.
inline QRect RedArea(const QImage& sheet) {
  QRect area;
  for (int y = 0; y < sheet.height(); ++y)
    for (int x = 0; x < sheet.width(); ++x) {
      const QColor c = sheet.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 60 && c.blue() < 60) area |= QRect(x, y, 1, 1);
    }
  return area;
}

}  // namespace pintoola::testing
