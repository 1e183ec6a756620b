// AboutProgram: the program's name, version and purpose, opened from the help menu. Each choice
// of the menu item opens another one; OK or the close box closes it.
#pragma once

#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class AboutProgram final : public ProcedureWindow {
  Q_OBJECT

 public:
  AboutProgram(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
  int takeAccepted(int control) override;
};

}  // namespace obrazac::ui
