#include "codelists/ui/browse_vrste_uplata.h"

#include "codelists/ui/code_list_print.h"
#include "codelists/ui/update_tbvrsupl.h"
#include "prints/register_prints.h"

namespace obrazac::ui {

BrowseVrsteUplata::BrowseVrsteUplata(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : CodeListBrowse(desktop, std::move(thread), "BrowseVrsteUplata", "VUP",
                     {"Upis nove vrste uplate", "&Ispiši"}) {
  setWindowTitle(QString::fromUtf8("Vrste obračuna/ispravka"));
  setDialogSize(280, 190);
}

void BrowseVrsteUplata::addOrders() {
  addOrder("REDOSLIJED: Šifra vrste obračuna/ispravka", "KEYSIFRA", "Šifra", "Traži se šifra", 2);
  list()->addColumn({"Sifra", "SIFRA", 6, {}});
  list()->addColumn({QString::fromUtf8("Skraćeni opis"), "SKROPIS", 60, {}});
}

ProcedureWindow* BrowseVrsteUplata::newForm() {
  return new UpdateTBVRSUPL(desktop(), threadHandle());
}

void BrowseVrsteUplata::print() {
  report(QString::fromUtf8("Šifarnik - vrste obračuna/ispravka"),
         prints::vrsteUplataReport(SystemClock()));
}

}  // namespace obrazac::ui
