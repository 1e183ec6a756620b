// UpdateTBVRSOBV: the form of one kind of obligor: its code, descriptions and whether an obligor of
// the kind must have a registration number (MB) and a personal number (MBG). The table's unique
// keys refuse a duplicate.
#pragma once

#include "frame/ui/update_form.h"

namespace obrazac::ui {

class UpdateTBVRSOBV final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kSifra = 2,
    kSkrOpis = 3,
    kOpis = 4,
    kMB01 = 5,
    kMBG = 6,
    kSpremi = 7,
    kOdustani = 8,
    kUpute = 9,
  };

  UpdateTBVRSOBV(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
};

}  // namespace obrazac::ui
