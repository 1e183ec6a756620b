#include "codelists/ui/browse_vrste_obveznika.h"

#include "codelists/ui/code_list_print.h"
#include "codelists/ui/update_tbvrsobv.h"
#include "prints/register_prints.h"

namespace obrazac::ui {

BrowseVrsteObveznika::BrowseVrsteObveznika(Desktop& desktop,
                                           std::shared_ptr<ProcedureThread> thread)
    : CodeListBrowse(desktop, std::move(thread), "BrowseVrsteObveznika", "VOB",
                     {"Upis nove vrste obveznika", "&Ispiši"}) {
  setWindowTitle(QString::fromUtf8("Vrsta obveznika"));
  setDialogSize(280, 190);
}

void BrowseVrsteObveznika::addOrders() {
  addOrder("REDOSLIJED: Šifra ", "KEYSIFRA", "Šifra", "Traži se šifra", 2);
  list()->addColumn({QString::fromUtf8("Šifra"), "SIFRA", 6, {}});
  list()->addColumn({QString::fromUtf8("Skraćeni opis"), "SKROPIS", 60, {}});
}

ProcedureWindow* BrowseVrsteObveznika::newForm() {
  return new UpdateTBVRSOBV(desktop(), threadHandle());
}

void BrowseVrsteObveznika::print() {
  report(QString::fromUtf8("Šifarnik - vrste obveznika"),
         prints::vrsteObveznikaReport(SystemClock()));
}

}  // namespace obrazac::ui
