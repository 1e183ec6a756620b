// UpdateTBOPCINE: the form of one municipality or city: its running number (shown, assigned on
// insert), its code, name and city mark. The code is checked when it is left: four characters,
// all digits, and a valid check digit unless all four are zeros.
#pragma once

#include "frame/ui/update_form.h"

namespace obrazac::ui {

class UpdateTBOPCINE final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kRedBroj = 2,
    kSifra = 3,
    kNaziv = 4,
    kGrad = 5,
    kSpremi = 6,
    kOdustani = 7,
    kUpute = 8,
  };

  UpdateTBOPCINE(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
  int takeAccepted(int control) override;
};

}  // namespace obrazac::ui
