#pragma once
// A 24-bit BMP encoder of our own: the pages must land on disk in the one format every reader
// understands (BITMAPINFOHEADER, bottom-up rows, BGR, rows padded to 4 bytes), whatever Qt's own
// writer would choose.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace pintoola::art {

// The whole file. Alpha is dropped; the picture is stored bottom-up with a positive height.
QByteArray EncodeBmp24(const QImage& image);

// Writes the file through a temporary name so a failed run leaves no half-written page.
bool WriteBmp24(const QImage& image, const QString& path);

}  // namespace pintoola::art
