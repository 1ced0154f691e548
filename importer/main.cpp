// pintoola-import: on the command line, or with --window the parent's "Add colouring pages" window.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <cstdio>

#include "engine/PageBitmap.h"
#include "importer/Import.h"
#include "importer/ImportWindow.h"
#include "pageprep/PagePrep.h"
#include "platform/PictureDecoder.h"
#include "platform/QtBitmapDecoder.h"
#include "platform/Translations.h"

using namespace pintoola;
using namespace pintoola::importer;

namespace {

// On the command line the report is one line per page or failure: image plugins' and Poppler's own
// warnings would only bury it.
void Quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const Options options = ParseArguments(arguments);
  if (options.help) {
    std::printf("%s\n", qPrintable(UsageText()));
    return 0;
  }
  if (!options.usageError.isEmpty()) {
    std::fprintf(stderr, "pintoola-import: %s\n%s\n", qPrintable(options.usageError), qPrintable(UsageText()));
    return 2;
  }
  if (!options.window) {
    // Fonts for SVG text need a GUI application, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Quiet);
  }
  // Qt's own options are not obeyed: only the program's name goes to the application object.
  int appArgc = 1;
  QApplication app(appArgc, argv);
  InstallTranslations(QLocale::system());
  QtCompressedBitmapDecoder decoder;
  PageBitmap::SetCompressedDecoder(&decoder);
  const QString folder = options.folder.isEmpty() ? DefaultPagesFolder() : options.folder;
  const PrepareFunction prepare = [](const pageprep::GreyImage& picture, pageprep::PrepReport& report) {
    return pageprep::PreparePage(picture, report);
  };

  int code = 0;
  if (options.window) {
    QStringList files = options.files;
    if (files.isEmpty()) {
      files = QFileDialog::getOpenFileNames(
          nullptr, QCoreApplication::translate("pintoola-import", "Add colouring pages"), QDir::homePath(),
          QCoreApplication::translate("pintoola-import", "Pictures (%1)").arg(PictureNameFilters().join(' ')));
    }
    ImportWindow window(files, folder, prepare);
    window.show();
    app.exec();
    code = window.Failed() == 0 ? 0 : 1;
  } else {
    QTextStream out(stdout), err(stderr);
    code = ImportFiles(options.files, folder, prepare, out, err);
  }
  PageBitmap::SetCompressedDecoder(nullptr);
  return code;
}
