#include "platform/PictureDecoder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>
#include <poppler-qt6.h>

#include "core/Errors.h"
#include "engine/PageBitmap.h"
#include "platform/Files.h"
#include "platform/PageImage.h"

namespace pintoola {

namespace {

QString NotAPicture() { return QCoreApplication::translate("PictureDecoder", "is not a picture Pintoola can read"); }
QString Damaged() { return QCoreApplication::translate("PictureDecoder", "is damaged or incomplete"); }
QString TooLarge(long long width, long long height) {
  return QCoreApplication::translate("PictureDecoder", "is too large: %1 × %2 pixels, more than 100 million").arg(width).arg(height);
}

bool TooManyPixels(double width, double height) { return width * height > double(kMaxPicturePixels); }

// The picture drawn onto white paper, in grey.
pageprep::GreyImage ToGrey(QImage image) {
  if (image.hasAlphaChannel()) {
    QImage paper(image.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, image);
    painter.end();
    image = std::move(paper);
  }
  image = image.convertToFormat(QImage::Format_Grayscale8);
  pageprep::GreyImage grey;
  if (image.isNull()) return grey;
  grey.width = image.width();
  grey.height = image.height();
  grey.pixels.resize(static_cast<size_t>(grey.width) * static_cast<size_t>(grey.height));
  for (int y = 0; y < grey.height; ++y)
    std::memcpy(grey.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(grey.width), image.constScanLine(y),
                static_cast<size_t>(grey.width));
  return grey;
}

// The largest size of the given aspect that fits the render box.
QSize RenderSize(double width, double height) {
  const double scale = std::min(kRenderWidth / width, kRenderHeight / height);
  return {static_cast<int>(std::lround(width * scale)), static_cast<int>(std::lround(height * scale))};
}

class SinglePicture : public PictureFile {
 public:
  int PageCount() const override { return 1; }
};

// PNG, JPEG, GIF, WebP, TIFF through Qt's image plugins, in the format the content declares.
class RasterPicture : public SinglePicture {
 public:
  RasterPicture(QString path, QByteArray format) : path_(std::move(path)), format_(std::move(format)) {}
  bool Page(int, pageprep::GreyImage& page, QString& error) override {
    QImageReader reader(path_, format_);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);  // EXIF orientation
    QImage image;
    if (!reader.read(&image)) {
      error = reader.error() == QImageReader::UnsupportedFormatError ? NotAPicture() : Damaged();
      return false;
    }
    page = ToGrey(std::move(image));
    if (page.pixels.empty()) error = Damaged();
    return !page.pixels.empty();
  }

 private:
  QString path_;
  QByteArray format_;
};

// BMP through the program's own reader, so that every BMP the program opens imports alike.
class BmpPicture : public SinglePicture {
 public:
  explicit BmpPicture(QString path) : path_(std::move(path)) {}
  bool Page(int, pageprep::GreyImage& page, QString& error) override {
    PageBitmap bitmap;
    try {
      bitmap.LoadFromFile(path_.toStdString());
    } catch (const EPintoolaError&) {
      error = Damaged();
      return false;
    }
    page = ToGrey(ToQImage(bitmap));
    if (page.pixels.empty()) error = Damaged();
    return !page.pixels.empty();
  }

 private:
  QString path_;
};

class SvgPicture : public SinglePicture {
 public:
  explicit SvgPicture(QByteArray data) : data_(std::move(data)) {}
  bool Page(int, pageprep::GreyImage& page, QString& error) override {
    QSvgRenderer renderer(data_);
    QSizeF size = renderer.viewBoxF().size();
    if (size.isEmpty()) size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty()) {
      error = Damaged();
      return false;
    }
    const QSize pixels = RenderSize(size.width(), size.height());
    if (pixels.isEmpty()) {
      error = Damaged();
      return false;
    }
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    page = ToGrey(std::move(image));
    return true;
  }

 private:
  QByteArray data_;
};

class PdfPicture : public PictureFile {
 public:
  explicit PdfPicture(std::unique_ptr<Poppler::Document> document) : document_(std::move(document)) {
    document_->setRenderHint(Poppler::Document::Antialiasing);
    document_->setRenderHint(Poppler::Document::TextAntialiasing);
  }
  int PageCount() const override { return document_->numPages(); }
  bool Page(int index, pageprep::GreyImage& page, QString& error) override {
    const std::unique_ptr<Poppler::Page> pdfPage = document_->page(index);
    const QSizeF points = pdfPage ? pdfPage->pageSizeF() : QSizeF();
    if (points.isEmpty()) {
      error = Damaged();
      return false;
    }
    const QSize pixels = RenderSize(points.width(), points.height());
    if (pixels.isEmpty() || TooManyPixels(pixels.width(), pixels.height())) {
      error = pixels.isEmpty() ? Damaged() : TooLarge(pixels.width(), pixels.height());
      return false;
    }
    const double dpi = 72.0 * pixels.width() / points.width();
    QImage image = pdfPage->renderToImage(dpi, dpi, 0, 0, pixels.width(), pixels.height());
    if (image.isNull()) {
      error = Damaged();
      return false;
    }
    page = ToGrey(std::move(image));
    return true;
  }

 private:
  std::unique_ptr<Poppler::Document> document_;
};

bool StartsWith(const QByteArray& data, const char* prefix) { return data.startsWith(QByteArray(prefix)); }

// An embedded PNG, JPEG or GIF, the only data Qt SVG is allowed to decode from inside a picture:
// anything else (another SVG above all) could name files of its own.
bool IsSafeDataUri(const QByteArray& uri) {
  const auto comma = uri.indexOf(',');
  if (comma < 0) return false;
  const QByteArray header = uri.left(comma).toLower();
  if (header != "data:image/png;base64" && header != "data:image/jpeg;base64" && header != "data:image/gif;base64")
    return false;
  const QByteArray bytes = QByteArray::fromBase64(uri.mid(comma + 1).simplified().replace(' ', ""));
  return StartsWith(bytes, "\x89PNG") || StartsWith(bytes, "\xFF\xD8\xFF") || StartsWith(bytes, "GIF8");
}

// True when the SVG text could make its reader open anything outside it: a document type or entity,
// a link to anything but a fragment of itself or an embedded picture, or style that imports or
// points elsewhere. Deliberately strict: a picture we cannot vouch for is refused, not cleaned.
bool NamesOutside(const QByteArray& text) {
  const QByteArray lower = text.toLower();
  for (const char* banned : {"<!doctype", "<!entity", "@import", "xinclude"})
    if (lower.contains(banned)) return true;
  for (qsizetype at = lower.indexOf("href"); at >= 0; at = lower.indexOf("href", at + 4)) {
    qsizetype i = at + 4;
    while (i < lower.size() && std::isspace(static_cast<unsigned char>(lower[i]))) ++i;
    if (i >= lower.size() || lower[i] != '=') {
      // The word in text or a name, not an attribute.
      continue;
    }
    ++i;
    while (i < lower.size() && std::isspace(static_cast<unsigned char>(lower[i]))) ++i;
    if (i >= lower.size() || (lower[i] != '"' && lower[i] != '\'')) return true;
    const qsizetype end = lower.indexOf(lower[i], i + 1);
    if (end < 0) return true;
    const QByteArray value = text.mid(i + 1, end - i - 1).trimmed();
    if (!value.startsWith('#') && !IsSafeDataUri(value)) return true;
  }
  for (qsizetype at = lower.indexOf("url("); at >= 0; at = lower.indexOf("url(", at + 4)) {
    qsizetype i = at + 4;
    while (i < lower.size() && (std::isspace(static_cast<unsigned char>(lower[i])) || lower[i] == '"' || lower[i] == '\''))
      ++i;
    if (i >= lower.size() || lower[i] != '#') return true;
  }
  return false;
}

bool LooksLikeSvg(const QByteArray& head) {
  const QByteArray start = head.trimmed().toLower();
  return (start.startsWith("<?xml") || start.startsWith("<svg") || start.startsWith("<!--") ||
          start.startsWith("<!doctype") || start.startsWith("\xEF\xBB\xBF")) &&
         start.contains("<svg");
}

// The declared size of a BMP, from its header: the program's reader has its own limits, but a
// picture that large is no colouring page either.
QSize BmpDeclaredSize(const QByteArray& head) {
  if (head.size() < 26) return {};
  auto u16 = [&](int at) { return int(uchar(head[at])) | int(uchar(head[at + 1])) << 8; };
  auto i32 = [&](int at) { return int(quint32(u16(at)) | quint32(u16(at + 2)) << 16); };
  if (i32(14) == 12) return {u16(18), u16(20)};
  // A top-down picture has a negative height; the most negative one has no positive twin in an int.
  return {i32(18), int(std::min<qint64>(std::abs(qint64(i32(22))), std::numeric_limits<int>::max()))};
}

void SilencePoppler() {
  static const bool done = [] {
    Poppler::setDebugErrorFunction([](const QString&, const QVariant&) {}, QVariant());
    return true;
  }();
  (void)done;
}

constexpr qint64 kMaxSvgBytes = 64 << 20;

}  // namespace

std::unique_ptr<PictureFile> OpenPicture(const QString& path, QString& error) {
  // The allocation limit is a second guard for pictures that declare no size; 8 bytes a pixel
  // covers 16-bit colour with alpha.
  QImageReader::setAllocationLimit(int(kMaxPicturePixels * 8 / (1 << 20)));

  const QByteArray native = QFile::encodeName(path);
  const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = QCoreApplication::translate("PictureDecoder", "cannot be read: %1").arg(QString::fromStdString(SystemErrorText(errno)));
    return nullptr;
  }
  struct stat st {};
  const bool statted = fstat(fd, &st) == 0;
  QByteArray head(4096, '\0');
  const ssize_t got = statted && S_ISREG(st.st_mode) ? ::read(fd, head.data(), head.size()) : 0;
  const int readError = errno;
  ::close(fd);
  if (statted && S_ISDIR(st.st_mode)) {
    error = QCoreApplication::translate("PictureDecoder", "is a folder");
    return nullptr;
  }
  if (!statted || !S_ISREG(st.st_mode)) {
    error = NotAPicture();
    return nullptr;
  }
  if (got < 0) {
    error = QCoreApplication::translate("PictureDecoder", "cannot be read: %1").arg(QString::fromStdString(SystemErrorText(readError)));
    return nullptr;
  }
  if (got == 0) {
    error = QCoreApplication::translate("PictureDecoder", "is empty");
    return nullptr;
  }
  head.resize(got);

  if (StartsWith(head, "%PDF-")) {
    SilencePoppler();
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    if (!document) {
      error = QCoreApplication::translate("PictureDecoder", "is a damaged PDF");
      return nullptr;
    }
    if (document->isLocked()) {
      error = QCoreApplication::translate("PictureDecoder", "is protected by a password");
      return nullptr;
    }
    if (document->numPages() <= 0) {
      error = QCoreApplication::translate("PictureDecoder", "is a damaged PDF");
      return nullptr;
    }
    return std::make_unique<PdfPicture>(std::move(document));
  }

  if (StartsWith(head, "BM")) {
    const QSize size = BmpDeclaredSize(head);
    if (TooManyPixels(size.width(), size.height())) {
      error = TooLarge(size.width(), size.height());
      return nullptr;
    }
    return std::make_unique<BmpPicture>(path);
  }

  if (StartsWith(head, "\x1F\x8B")) {
    // Compressed SVG among others: what it unpacks to cannot be checked before Qt reads it.
    error = NotAPicture();
    return nullptr;
  }

  if (LooksLikeSvg(head)) {
    if (st.st_size > kMaxSvgBytes) {
      error = QCoreApplication::translate("PictureDecoder", "is too large");
      return nullptr;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      error = QCoreApplication::translate("PictureDecoder", "cannot be read: %1").arg(file.errorString());
      return nullptr;
    }
    QByteArray data = file.readAll();
    if (data.contains('\0')) {  // UTF-16 or binary: the check below reads 8-bit text only
      error = NotAPicture();
      return nullptr;
    }
    if (NamesOutside(data)) {
      error = QCoreApplication::translate("PictureDecoder", "names other files, addresses or entities, which are never read");
      return nullptr;
    }
    return std::make_unique<SvgPicture>(std::move(data));
  }

  // Only the raster formats we mean to read, chosen by content; never Qt's own SVG plugin.
  QBuffer probe(&head);
  probe.open(QIODevice::ReadOnly);
  QByteArray format = QImageReader::imageFormat(&probe);
  if (format == "jpg") format = "jpeg";
  if (format == "tif") format = "tiff";
  if (format != "png" && format != "jpeg" && format != "gif" && format != "webp" && format != "tiff") {
    error = NotAPicture();
    return nullptr;
  }
  QImageReader reader(path, format);
  reader.setDecideFormatFromContent(false);
  const QSize declared = reader.size();
  if (declared.isValid() && TooManyPixels(declared.width(), declared.height())) {
    error = TooLarge(declared.width(), declared.height());
    return nullptr;
  }
  if (!reader.canRead()) {
    error = Damaged();
    return nullptr;
  }
  return std::make_unique<RasterPicture>(path, format);
}

QStringList PictureNameFilters() {
  return {QStringLiteral("*.png"), QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.gif"),
          QStringLiteral("*.webp"), QStringLiteral("*.tif"), QStringLiteral("*.tiff"), QStringLiteral("*.bmp"),
          QStringLiteral("*.svg"), QStringLiteral("*.pdf")};
}

}  // namespace pintoola
