// UpdateTBGRESKE: the form of one finding of the input check: its text and the copy of the input
// line it belongs to. No other table refers to these rows.
#pragma once

#include "frame/ui/update_form.h"

namespace obrazac::ui {

class UpdateTBGRESKE final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kOpis = 2,  // the fields in order: 2 to 21
    kURedu = 22,
    kZatvori = 23,
    kUpute = 24,
  };

  UpdateTBGRESKE(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override { firstField_ = kOpis; }
};

}  // namespace obrazac::ui
