#include "codelists/ui/browse_osnov_obracuna.h"

#include "codelists/ui/code_list_print.h"
#include "codelists/ui/update_tbosnobr.h"
#include "prints/register_prints.h"

namespace obrazac::ui {

BrowseOsnovObracuna::BrowseOsnovObracuna(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : CodeListBrowse(desktop, std::move(thread), "BrowseOsnovObracuna", "TBO",
                     {"Upis nove osnove obračuna", "&Ispis"}) {
  setWindowTitle(QString::fromUtf8("Pregled osnova obračuna"));
  setDialogSize(280, 190);
}

void BrowseOsnovObracuna::addOrders() {
  addOrder("REDOSLIJED: Šifra", "KEYSIFRA", "Šifra osonove obračuna", "Šifra osnove obračuna", 2);
  list()->addColumn({QString::fromUtf8("Sifra"), "SIFRA", 6, {}});
  list()->addColumn({QString::fromUtf8("Skraćeni opis"), "SKROPIS", 60, {}});
}

ProcedureWindow* BrowseOsnovObracuna::newForm() {
  return new UpdateTBOSNOBR(desktop(), threadHandle());
}

void BrowseOsnovObracuna::print() {
  report(QString::fromUtf8("Šifarnik - osnov osiguranja"),
         prints::osnovOsiguranjaReport(SystemClock()));
}

}  // namespace obrazac::ui
