#include "codelists/ui/browse_oznaka_staza.h"

#include "codelists/ui/code_list_print.h"
#include "codelists/ui/update_tboznsta.h"
#include "prints/register_prints.h"

namespace obrazac::ui {

BrowseOznakaStaza::BrowseOznakaStaza(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : CodeListBrowse(desktop, std::move(thread), "BrowseOznakaStaza", "STA",
                     {"Upis nove oznake staža", "&Ispiši"}) {
  setWindowTitle(QString::fromUtf8("Staž s uvećanim trajanjem"));
  setDialogSize(280, 190);
}

void BrowseOznakaStaza::addOrders() {
  addOrder("REDOSLIJED: Šifra vrste staža", "KEYSIFRA", "Šifra", "Traži se šifra", 1);
  list()->addColumn({QString::fromUtf8("Šifra"), "SIFRA", 6, {}});
  list()->addColumn({QString::fromUtf8("Skraćeni opis"), "SKROPIS", 60, {}});
}

ProcedureWindow* BrowseOznakaStaza::newForm() {
  return new UpdateTBOZNSTA(desktop(), threadHandle());
}

void BrowseOznakaStaza::print() {
  report(QString::fromUtf8("Šifarnik - staž s uvećanim trajanjem"),
         prints::stazaReport(SystemClock()));
}

}  // namespace obrazac::ui
