#include "app/PicLibFrm.h"

#include <QtGlobal>

#include "styled/cyBitBtn.h"

namespace pintoola {

TForm2* Form2 = nullptr;

namespace {
constexpr LibrarySettings kPages = {QT_TRANSLATE_NOOP("pintoola::TLibraryForm", "Coloring pages Library"), "images",
                                    170, vtFitToScreen, true, tpNone};
}

TForm2::TForm2(QWidget* owner) : TLibraryForm(owner, kPages) {
  connect(btn1, &TcyBitBtn::clicked, this, [this] { btn1Click(); });
}

void TForm2::btn1Click() { setResult(mrOk); }

}  // namespace pintoola
