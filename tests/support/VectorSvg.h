#pragma once
// A check that an SVG document is a vector drawing, for the scalable icon.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>
#include <QXmlStreamReader>
#include <utility>

namespace pintoola {

// Success when `svg` parses, has <svg> at its root, draws at least one shape, and holds no raster
// picture: no <image> element and no embedded "data:" address anywhere.
inline ::testing::AssertionResult VectorOnlySvg(const QByteArray& svg) {
  static const QStringList kShapes = {"path", "rect", "circle", "ellipse", "line", "polyline", "polygon"};
  QXmlStreamReader xml(svg);
  int shapes = 0;
  bool root = true;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QString name = xml.name().toString();
    if (std::exchange(root, false) && name != "svg")
      return ::testing::AssertionFailure() << "the root element is <" << name.toStdString() << ">";
    if (name == "image")
      return ::testing::AssertionFailure() << "an <image> element at line " << xml.lineNumber();
    for (const QXmlStreamAttribute& attribute : xml.attributes())
      if (attribute.value().contains(QLatin1String("data:")))
        return ::testing::AssertionFailure()
               << "embedded data in " << attribute.name().toString().toStdString() << " at line "
               << xml.lineNumber();
    shapes += kShapes.contains(name);
  }
  if (xml.hasError())
    return ::testing::AssertionFailure() << "not XML: " << xml.errorString().toStdString() << " at line "
                                         << xml.lineNumber();
  if (shapes == 0) return ::testing::AssertionFailure() << "no shapes";
  return ::testing::AssertionSuccess() << shapes << " shapes";
}

}  // namespace pintoola
