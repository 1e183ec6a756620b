// PitanjeDaNe, the window "Upozorenje" that asks before the working data are replaced: "DA"
// leaves the response completed, "Odustani" (and Escape, and closing the window) cancelled;
// the caller reads the response when the window has closed.
#pragma once

#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class PitanjeDaNe final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control { kQuestion = 1, kDa = 2, kOdustani = 3 };

  PitanjeDaNe(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
  int takeAccepted(int control) override;
};

}  // namespace obrazac::ui
