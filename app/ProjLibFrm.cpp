#include "app/ProjLibFrm.h"

#include <QtGlobal>

namespace pintoola {

TForm3* Form3 = nullptr;

namespace {
constexpr LibrarySettings kProjects = {QT_TRANSLATE_NOOP("pintoola::TLibraryForm", "Projects Library"), "Projects",
                                       200, vtNormal, false, tpUp};
}

// Its OK button has no handler of its own: the button's modal result closes the dialog.
TForm3::TForm3(QWidget* owner) : TLibraryForm(owner, kProjects) {}

}  // namespace pintoola
