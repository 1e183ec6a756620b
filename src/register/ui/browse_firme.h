// BrowseFirme: the list of obligors (employers) in the order of their running numbers. "Dodaj",
// "Otvori" and "Obriši" run the obligor window BrowseZaposlenici with the matching request on
// the list's thread (deleting asks the standard confirmation and takes the obligor's employees
// with it); "Ispiši" prints the list of obligors and refreshes the list.
#pragma once

#include "frame/ui/browse_list.h"
#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class BrowseFirme final : public ProcedureWindow {
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

  BrowseFirme(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  BrowseList* list() const { return list_; }
  void callProcedure(int number, int request, Done then) override;

 protected:
  void declare() override;
  bool openTables() override;
  void setUpLists() override;
  int takeAccepted(int control) override;

 private:
  void print();

  BrowseList* list_;
};

}  // namespace obrazac::ui
