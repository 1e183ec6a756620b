// BrowseArhiva, "Arhiva poslanih datoteka": every submission file the runs of this working
// folder produced, in the orders of its tabs (number, file name, period, control number), with
// the details of the highlighted one, the copy of it to a folder the user chooses (a removable
// disk), the check of a file from disk against the archive, and the print of the list.
#pragma once

#include <string>

#include "frame/ui/browse_list.h"
#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class BrowseArhiva final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kList = 1,
    kPregled = 2,
    kKopiraj = 3,
    kIspis = 4,
    kDatoteka = 5,
    kOdaberi = 6,
    kProvjeri = 7,
    kZatvori = 8,
  };

  BrowseArhiva(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);
  BrowseList* list() const { return list_; }

 protected:
  void declare() override;
  bool openTables() override;
  void setUpLists() override;
  int takeAccepted(int control) override;
  std::optional<FieldRef> stateField(std::string_view name) override;

 private:
  std::int64_t highlighted();
  void showDetails();
  void copyOut();
  void verifyFile();
  void printList();

  BrowseList* list_;
  std::string file_;  // "Datoteka za provjeru" (Windows-1250)
};

}  // namespace obrazac::ui
