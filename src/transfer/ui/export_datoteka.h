// ExportDatoteka, the window "Export datoteka": copies every table file of the working folder
// into the folder the user names (made when missing), for a backup or another computer. The
// folder starts as the working folder; "..." chooses it with the folder dialog.
#pragma once

#include <string>

#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class ExportDatoteka final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kPrompt = 1,
    kTarget = 2,
    kChoose = 3,
    kNote = 4,
    kNoteText = 5,
    kExport = 6,
    kOdustani = 7,
  };

  ExportDatoteka(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
  int takeAccepted(int control) override;
  std::optional<FieldRef> stateField(std::string_view name) override;

 private:
  std::string target_;  // Windows-1250, 128 characters at most
};

}  // namespace obrazac::ui
