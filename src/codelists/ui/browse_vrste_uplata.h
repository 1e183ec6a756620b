// BrowseVrsteUplata: the list of kinds of calculation or correction (TBVRSUPL.DAT) in the order
// of their codes, with an entry locator on the code; insert, change and delete run the form
// UpdateTBVRSUPL on the list's thread. The other code-list windows follow this pair.
#pragma once

#include "frame/ui/browse_list.h"
#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class BrowseVrsteUplata final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kList = 1,
    kOdaberi = 2,
    kDodaj = 3,
    kOtvori = 4,
    kObrisi = 5,
    kIspisi = 6,
    kZatvori = 7,
    kUpute = 8,
  };

  BrowseVrsteUplata(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  BrowseList* list() const { return list_; }
  void callProcedure(int number, int request, Done then) override;

 protected:
  void declare() override;
  bool openTables() override;
  void setUpLists() override;

 private:
  BrowseList* list_;
};

}  // namespace obrazac::ui
