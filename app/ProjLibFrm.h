#pragma once
// The projects library: the saved projects of the Projects folder, each with its file name above.
#include "app/LibraryDialog.h"

namespace pintoola {

class TForm3 : public TLibraryForm {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* owner);
};

extern TForm3* Form3;

}  // namespace pintoola
