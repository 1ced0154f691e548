#include "importer/Import.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <memory>

#include "core/Errors.h"
#include "engine/PageBitmap.h"
#include "pageprep/Steps.h"
#include "platform/Files.h"
#include "platform/PictureDecoder.h"

namespace pintoola::importer {

QString PageBaseName(const QString& picturePath, int pageIndex, int pageCount) {
  QString base = QFileInfo(picturePath).completeBaseName();
  // A page must not be hidden from the pages library.
  while (base.startsWith('.')) base.remove(0, 1);
  if (base.isEmpty()) base = QCoreApplication::translate("pintoola-import", "page");
  if (pageCount > 1) base += QStringLiteral(" %1").arg(pageIndex + 1);
  return base;
}

QString WritePage(const pageprep::InkMask& mask, const QString& folder, const QString& baseName) {
  if (mask.width <= 0 || mask.height <= 0) throw EPintoolaError(QCoreApplication::translate("pintoola-import", "The clean-up left an empty page.").toStdString());
  PageBitmap page;
  page.SetSize(mask.width, mask.height, clWhite);
  PageWriter writer(page);
  for (int y = 0; y < mask.height; ++y) {
    uint8_t* row = writer.ScanLine(y);
    const uint8_t* ink = mask.ink.data() + static_cast<size_t>(y) * static_cast<size_t>(mask.width);
    for (int x = 0; x < mask.width; ++x)
      if (ink[x]) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = 0;
  }
  writer.Commit();
  if (!ForceDirectories(QFile::encodeName(folder).toStdString()))
    throw EPintoolaError(QCoreApplication::translate("pintoola-import", "Cannot create folder \"%1\".").arg(folder).toStdString());
  const std::string prefix = QFile::encodeName(folder + '/' + baseName).toStdString();
  const std::string written = SaveUnderFreeName(
      [&](unsigned long long n) { return n == 1 ? prefix + ".bmp" : prefix + " " + std::to_string(n) + ".bmp"; },
      [&](const std::string& temp) {
        page.SaveToFile(temp);
        // In the shared pages folder a page is its owner's alone to change, whatever the umask.
        chmod(temp.c_str(), 0644);
      });
  return QFile::decodeName(QByteArray::fromStdString(written));
}

QImage TintedAreas(const pageprep::InkMask& mask) {
  QImage image(mask.width, mask.height, QImage::Format_RGB32);
  if (image.isNull()) return image;
  int areas = 0;
  const std::vector<int> label = pageprep::LabelAreas(mask, areas);
  for (int y = 0; y < mask.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < mask.width; ++x) {
      const int area = label[static_cast<size_t>(y) * static_cast<size_t>(mask.width) + x];
      // Hues a golden angle apart: neighbouring areas never look alike.
      row[x] = area < 0 ? qRgb(0, 0, 0) : QColor::fromHsv((area * 137) % 360, 70, 255).rgb();
    }
  }
  return image;
}

QString DefaultPagesFolder() { return QString::fromStdString(ExeFolder()) + QStringLiteral("images"); }

QString UsageText() { return QCoreApplication::translate("pintoola-import", "usage: pintoola-import [--into FOLDER] [--window] FILE..."); }

Options ParseArguments(const QStringList& arguments) {
  Options options;
  bool optionsEnd = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (optionsEnd || !argument.startsWith('-') || argument == QStringLiteral("-")) {
      options.files << argument;
    } else if (argument == QStringLiteral("--")) {
      optionsEnd = true;
    } else if (argument == QStringLiteral("--help")) {
      options.help = true;
      return options;
    } else if (argument == QStringLiteral("--window")) {
      options.window = true;
    } else if (argument == QStringLiteral("--into") || argument.startsWith(QStringLiteral("--into="))) {
      QString value;
      if (argument == QStringLiteral("--into")) {
        if (i + 1 >= arguments.size()) {
          options.usageError = QCoreApplication::translate("pintoola-import", "--into needs a folder");
          return options;
        }
        value = arguments[++i];
      } else {
        value = argument.mid(7);
      }
      if (value.isEmpty() || !options.folder.isEmpty()) {
        options.usageError = value.isEmpty() ? QCoreApplication::translate("pintoola-import", "--into needs a folder") : QCoreApplication::translate("pintoola-import", "--into given twice");
        return options;
      }
      options.folder = value;
    } else {
      options.usageError = QCoreApplication::translate("pintoola-import", "unknown option %1").arg(argument);
      return options;
    }
  }
  if (options.files.isEmpty() && !options.window) options.usageError = QCoreApplication::translate("pintoola-import", "no picture named");
  return options;
}

int ImportFiles(const QStringList& files, const QString& folder, const PrepareFunction& prepare, QTextStream& out,
                QTextStream& err) {
  bool allImported = true;
  for (const QString& file : files) {
    QString error;
    const std::unique_ptr<PictureFile> picture = OpenPicture(file, error);
    if (!picture) {
      err << QCoreApplication::translate("pintoola-import", "%1: %2").arg(file, error) << Qt::endl;
      allImported = false;
      continue;
    }
    const int pages = picture->PageCount();
    for (int index = 0; index < pages; ++index) {
      const QString which = pages > 1 ? QCoreApplication::translate("pintoola-import", "%1, page %2").arg(file).arg(index + 1) : file;
      pageprep::GreyImage grey;
      if (!picture->Page(index, grey, error)) {
        err << QCoreApplication::translate("pintoola-import", "%1: %2").arg(which, error) << Qt::endl;
        allImported = false;
        continue;
      }
      try {
        pageprep::PrepReport report;
        const pageprep::InkMask mask = prepare(grey, report);
        grey = {};
        const QString written = WritePage(mask, folder, PageBaseName(file, index, pages));
        out << QCoreApplication::translate("pintoola-import", "%1: %2 × %3 pixels, %4 areas, %5 gaps closed")
                   .arg(written)
                   .arg(mask.width)
                   .arg(mask.height)
                   .arg(report.areas)
                   .arg(report.gapsClosed)
            << Qt::endl;
      } catch (const std::bad_alloc&) {
        err << QCoreApplication::translate("pintoola-import", "%1: %2").arg(which, QCoreApplication::translate("pintoola-import", "is too large for the memory available")) << Qt::endl;
        allImported = false;
      } catch (const EPintoolaError& e) {
        err << QCoreApplication::translate("pintoola-import", "%1: %2").arg(which, QString::fromStdString(e.what())) << Qt::endl;
        allImported = false;
      }
    }
  }
  return allImported ? 0 : 1;
}

}  // namespace pintoola::importer
