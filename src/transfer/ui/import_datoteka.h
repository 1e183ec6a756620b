// ImportDatoteka, the window "Import podataka": replaces the working folder's tables by the
// table files of the folder the user names (by default the working folder's "export"). A folder
// without the obligors' table is refused before anything is asked; then PitanjeDaNe asks, the
// windows that hold tables are closed, and the tables are replaced all or nothing. Below, the
// backups the table-replacing runs made (newest first) can be put back, after a question.
#pragma once

#include <string>

#include "frame/ui/procedure_window.h"

class QComboBox;

namespace obrazac::ui {

class ImportDatoteka final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kPrompt = 1,
    kSource = 2,
    kWarning = 3,
    kWarningText = 4,
    kPreuzmi = 5,
    kOdustani = 6,
    kKopije = 7,
    kVratiKopiju = 8,
  };

  ImportDatoteka(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
  int takeAccepted(int control) override;
  std::optional<FieldRef> stateField(std::string_view name) override;

 private:
  void replaceData();
  void fillBackups();
  void restoreChosenBackup();

  std::string source_;  // Windows-1250, 255 characters at most
  QComboBox* backups_;
};

}  // namespace obrazac::ui
