// UpdateTBOSNOBR: the form of one basis of calculation: its code and descriptions. The table's
// unique keys refuse a duplicate.
#pragma once

#include "frame/ui/update_form.h"

namespace obrazac::ui {

class UpdateTBOSNOBR final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kSifra = 2,
    kSkrOpis = 3,
    kOpis = 4,
    kSpremi = 5,
    kOdustani = 6,
    kUpute = 7,
  };

  UpdateTBOSNOBR(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
};

}  // namespace obrazac::ui
