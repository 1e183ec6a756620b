// PreuzmiZaposlene, the window "Preuzimanje podataka iz 2004": takes the previous year's
// obligors and employees over from the folder of last year's data into the working folder
// (the employees converted row by row), all or nothing, and reports how many employees it read
// and wrote.
#pragma once

#include <string>

#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class PreuzmiZaposlene final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kPrompt = 1,
    kOldFolder = 2,
    kNote = 3,
    kNoteText = 4,
    kNoteText2 = 5,
    kPreuzmi = 6,
    kOdustani = 7,
  };

  PreuzmiZaposlene(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
  int takeAccepted(int control) override;
  std::optional<FieldRef> stateField(std::string_view name) override;

 private:
  std::string oldFolder_;  // Windows-1250, 120 characters at most
};

}  // namespace obrazac::ui
