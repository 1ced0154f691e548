#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "core/Errors.h"
#include "platform/PageImage.h"

namespace pintoola {

void CopyPageToClipboard(const PageBitmap& page) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw EPintoolaError("Cannot open clipboard: no clipboard is available");
  // The clipboard gets its own copy: later changes to the page do not reach it.
  clipboard->setImage(ToQImage(page).copy());
}

}  // namespace pintoola
