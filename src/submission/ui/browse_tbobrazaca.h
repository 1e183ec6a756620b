// BrowseTBOBRAZACA, "Pregled slanja podataka u VELOR": every stored form (page A) with its
// counts and control totals, by obligor name, year and month or by form link. The page A window
// opens on the highlighted form: the list puts its link into the window state first.
#pragma once

#include "submission/ui/list_window.h"

namespace obrazac::ui {

class BrowseTBOBRAZACA final : public ListWindow {
  Q_OBJECT

 public:
  enum Control { kNazivPoslodavca = 20 };

  BrowseTBOBRAZACA(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  void callProcedure(int number, int request, Done then) override;

 protected:
  void addOrders() override;
  ProcedureWindow* newForm() override;
  int takeNewSelection(int control) override;
};

}  // namespace obrazac::ui
