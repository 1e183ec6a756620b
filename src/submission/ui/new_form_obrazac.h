// NewFormObrazac, "Formiranje obrazaca R-Sm": the sending window whose processing run builds
// the form of the chosen obligor from its employees' monthly data and produces its submission
// file with the control number.
#pragma once

#include "submission/ui/sending_window.h"

namespace obrazac::ui {

class NewFormObrazac final : public SendingWindow {
  Q_OBJECT

 public:
  NewFormObrazac(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void process() override;
};

}  // namespace obrazac::ui
