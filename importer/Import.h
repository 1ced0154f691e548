#pragma once
// Pictures into colouring pages: the names the pages get, how they land in the pages folder, and the
// command line. The clean-up itself comes in as a function, so the window, the command line and the
// tests share one path from picture to page.
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

#include "pageprep/PagePrep.h"

namespace pintoola::importer {

using PrepareFunction = std::function<pageprep::InkMask(const pageprep::GreyImage&, pageprep::PrepReport&)>;

// The name a page of the picture gets, without folder and extension: the picture's own name, and
// for a document of several pages the page's number (from 1) after a space.
QString PageBaseName(const QString& picturePath, int pageIndex, int pageCount);

// Writes the mask as a page (24-bit BMP, black 0x000000 ink on white 0xFFFFFF) named
// folder/<base>.bmp, or the first free "<base> 2.bmp", "<base> 3.bmp", ... when that is taken; no
// page is ever replaced. Returns the path written. Throws EPintoolaError.
QString WritePage(const pageprep::InkMask& mask, const QString& folder, const QString& baseName);

// The page with every area a fill stops in tinted its own pale colour and the ink black, so that two
// areas run together show at a glance.
QImage TintedAreas(const pageprep::InkMask& mask);

// The pages folder of the program beside this executable: `images` in the executable's real folder.
QString DefaultPagesFolder();

// What the command line asks for.
struct Options {
  QString folder;  // empty: the default pages folder
  bool window = false;
  bool help = false;
  QStringList files;
  QString usageError;  // not empty: the arguments made no sense
};
Options ParseArguments(const QStringList& arguments);
QString UsageText();

// Imports every file into the folder: one line per page written on `out`, one line per file (or PDF
// page) that failed on `err`. Returns 0 when every file was imported, 1 otherwise.
int ImportFiles(const QStringList& files, const QString& folder, const PrepareFunction& prepare, QTextStream& out,
                QTextStream& err);

}  // namespace pintoola::importer
