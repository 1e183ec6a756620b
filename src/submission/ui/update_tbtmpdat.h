// UpdateTBTMPDAT: the form of one row of the list of processed obligors: obligor number, MB with
// its unit, MBG, name, form link and the produced file the collective assembly reads. A second
// row of the same form link is refused by the list's unique key.
#pragma once

#include "frame/ui/update_form.h"

namespace obrazac::ui {

class UpdateTBTMPDAT final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kFirma = 10,
    kMB01 = 11,
    kMB02 = 12,
    kImeFirme = 13,
    kIdentifikator = 14,
    kImeFile = 15,
    kUredu = 16,
    kOdustani = 17,
  };

  UpdateTBTMPDAT(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);
};

}  // namespace obrazac::ui
