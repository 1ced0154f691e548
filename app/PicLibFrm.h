#pragma once
// The pages library: the colouring pages of the images folder as pressable tiles without names.
#include "app/LibraryDialog.h"

namespace pintoola {

class TForm2 : public TLibraryForm {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* owner);

  void btn1Click();
};

extern TForm2* Form2;

}  // namespace pintoola
