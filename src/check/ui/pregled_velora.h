// PregledVelora, "Slog za VELOR": the form of one line of the record review (TBIZLAZ.DAT): its
// record type and the five pieces of 50 characters, each under the column ruler.
#pragma once

#include "frame/ui/update_form.h"

namespace obrazac::ui {

class PregledVelora final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kTipSloga = 2,
    kRedak = 3,    // the five pieces: 3 to 7
    kRavnalo = 8,  // their rulers: 8 to 12
    kURedu = 13,
    kPrekini = 14,
  };

  PregledVelora(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override { firstField_ = kTipSloga; }
};

}  // namespace obrazac::ui
