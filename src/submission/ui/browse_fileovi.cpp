#include "submission/ui/browse_fileovi.h"

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "submission/ui/update_tbtmpdat.h"

namespace obrazac::ui {

BrowseFileovi::BrowseFileovi(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ListWindow(desktop, std::move(thread), "BrowseFileovi", "TBT", "P&romjeni") {
  setWindowTitle(
      QString::fromUtf8("Pregled obveznika i file-ova čije podatke spajamo u zbirni format"));
  setDialogSize(400, 200);
}

void BrowseFileovi::addOrders() {
  addOrder("REDOSLIJED: Identifikator", "KEYIDENTIKATOR");
  list()->addColumn({"Firma", "FIRMA", 6, {}});
  list()->addColumn({"Ime obveznika", "IMEFIRME", 40, {}});
  // The form link shows its identifier: the kind of calculation after it is not shown.
  list()->addColumn({"Identifikator", "IDENTIFIKATOR", 9, [](const Record& r) {
                       const std::string link = r.text(r.index("IDENTIFIKATOR"));
                       return QString::fromStdString(utf8FromCp1250(link.substr(0, 7)));
                     }});
  list()->addColumn({"Ime file", "IMEFILE", 40, {}});
}

ProcedureWindow* BrowseFileovi::newForm() {
  return new UpdateTBTMPDAT(desktop(), threadHandle());
}

}  // namespace obrazac::ui
