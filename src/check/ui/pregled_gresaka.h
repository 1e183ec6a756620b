// PregledGresaka, "Pregled uočenih grešaka": the findings of the last input check (TBGRESKE.DAT)
// in the order they were written, each beside the MBG of its line; several findings of one line
// stand one under the other. Insert, change and delete go through UpdateTBGRESKE.
#pragma once

#include "frame/ui/browse_list.h"
#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class PregledGresaka final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kList = 1,
    kOdaberi = 2,
    kDodaj = 3,
    kOtvori = 4,
    kObrisi = 5,
    kZatvori = 6,
    kUpute = 7,
  };

  PregledGresaka(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  BrowseList* list() const { return list_; }
  void callProcedure(int number, int request, Done then) override;

 protected:
  bool openTables() override;
  void setUpLists() override;

 private:
  BrowseList* list_;
};

}  // namespace obrazac::ui
