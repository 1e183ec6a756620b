// The form of one row of a simple code list: its code, short description and description, then
// "Spremi", "Odustani" and "Upute", with the focus first on the code. Each list's form adds its
// description of the controls and its own rules. Deleting a code other rows use asks first,
// saying how many rows use it.
#pragma once

#include "frame/ui/update_form.h"

namespace obrazac::ui {

class CodeListForm : public UpdateForm {
 public:
  enum Control {
    kSifra = 2,
    kSkrOpis = 3,
    kOpis = 4,
    kSpremi = 5,
    kOdustani = 6,
    kUpute = 7,
  };

 protected:
  using UpdateForm::UpdateForm;
  void declare() override { firstField_ = kSifra; }
  QString deleteQuestion() override;
};

}  // namespace obrazac::ui
