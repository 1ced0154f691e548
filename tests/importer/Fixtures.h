#pragma once
// Pictures the importer tests make for themselves, in every format it reads, and the grey pages it
// decodes them into.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "pageprep/PagePrep.h"

namespace pintoola::test {

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The picture in a file format, as Qt's writer makes it.
inline QByteArray Encoded(const QImage& image, const char* format, int quality = -1) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format, quality);
  return bytes;
}

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A white picture with a black square in its top-left corner (a quarter of the shorter side), so a
// decoder that turns or mirrors the picture is caught.
inline QImage MarkedPicture(int width, int height, QImage::Format format = QImage::Format_RGB32) {
  QImage image(width, height, format);
  image.fill(Qt::white);
  QPainter painter(&image);
  const int side = std::min(width, height) / 4;
  painter.fillRect(0, 0, side, side, Qt::black);
  return image;
}

inline int GreyAt(const pageprep::GreyImage& page, double fx, double fy) {
  const int x = std::min(page.width - 1, static_cast<int>(fx * page.width));
  const int y = std::min(page.height - 1, static_cast<int>(fy * page.height));
  return page.pixels[static_cast<size_t>(y) * static_cast<size_t>(page.width) + x];
}

inline uint32_t Crc32(const QByteArray& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (char c : bytes) {
    crc ^= static_cast<uint8_t>(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline QByteArray BigEndian32(uint32_t v) {
  QByteArray b(4, '\0');
  for (int i = 0; i < 4; ++i) b[i] = static_cast<char>(v >> (24 - 8 * i));
  return b;
}

// A real PNG whose header then claims the given size, checksum mended: what a decompression bomb
// looks like before decoding.
inline QByteArray PngClaiming(const QByteArray& png, uint32_t width, uint32_t height) {
  QByteArray out = png;
  // Signature (8), length (4), "IHDR" (4), then width and height; the CRC covers type and data.
  out.replace(16, 4, BigEndian32(width));
  out.replace(20, 4, BigEndian32(height));
  out.replace(29, 4, BigEndian32(Crc32(out.mid(12, 17))));
  return out;
}

// The JPEG with an EXIF block that tells viewers to turn it (orientation 6: a quarter turn
// clockwise), inserted right after the start marker.
inline QByteArray WithExifOrientation(const QByteArray& jpeg, uint16_t orientation) {
  QByteArray tiff("MM\0\x2A\0\0\0\x08", 8);  // big-endian, first directory at 8
  tiff += QByteArray("\0\x01", 2);              // one entry
  tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8);  // Orientation, SHORT, count 1
  tiff += static_cast<char>(orientation >> 8);
  tiff += static_cast<char>(orientation & 0xFF);
  tiff += QByteArray("\0\0", 2);
  tiff += QByteArray("\0\0\0\0", 4);  // no next directory
  const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
  const int length = static_cast<int>(payload.size()) + 2;
  QByteArray segment("\xFF\xE1", 2);
  segment += static_cast<char>(length >> 8);
  segment += static_cast<char>(length & 0xFF);
  segment += payload;
  return jpeg.left(2) + segment + jpeg.mid(2);
}

// A PDF assembled from its objects with a correct cross-reference table.
inline QByteArray AssemblePdf(const QList<QByteArray>& objects, const QByteArray& trailerExtra) {
  QByteArray pdf("%PDF-1.4\n");
  QList<qsizetype> offsets;
  for (qsizetype i = 0; i < objects.size(); ++i) {
    offsets << pdf.size();
    pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const qsizetype xref = pdf.size();
  pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (qsizetype offset : offsets) pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
  pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R " + trailerExtra +
         " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
  return pdf;
}

// A one-page PDF that needs a password: its encryption dictionary matches no password at all.
inline QByteArray EncryptedPdf() {
  const QByteArray hash = "<" + QByteArray(64, 'a') + ">";
  return AssemblePdf({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>",
                      "<< /Filter /Standard /V 1 /R 2 /O " + hash + " /U " + hash + " /P -4 >>"},
                     "/Encrypt 4 0 R /ID [<0123456789abcdef0123456789abcdef> <0123456789abcdef0123456789abcdef>]");
}

// ImageMagick's convert, for the formats Qt cannot write (GIF, CMYK JPEG).
inline bool Convert(const QStringList& arguments) {
  QProcess convert;
  convert.start(QStringLiteral("convert"), arguments);
  return convert.waitForFinished(60000) && convert.exitStatus() == QProcess::NormalExit && convert.exitCode() == 0;
}

}  // namespace pintoola::test
