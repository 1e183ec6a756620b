#include "codelists/ui/browse_stope.h"

#include "codelists/ui/code_list_print.h"
#include "codelists/ui/update_tbstope.h"
#include "frame/ui/entry_picture.h"
#include "prints/register_prints.h"

namespace obrazac::ui {
namespace {

BrowseList::Column rateColumn(const char* title, const char* field) {
  return {QString::fromUtf8(title), field, 12, [field = std::string(field)](const Record& r) {
            static const EntryPicture rate("N6`2");
            return rate.show(r.decimal(r.index(field)));
          }};
}

}  // namespace

BrowseStope::BrowseStope(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : CodeListBrowse(desktop, std::move(thread), "BrowseStope", "STO1",
                     {"Upis nove stope doprinosa", "&Ispiši"}) {
  setWindowTitle(QString::fromUtf8("Stope doprinosa za mirovinsko osiguranje"));
  setDialogSize(380, 200);
}

void BrowseStope::addOrders() {
  addOrder("REDOSLJED: Osnov obračuna", "KEYOSNOV", "Šifra", "Traži se šifra osnove obračuna", 2);
  list()->addColumn({"VO", "VRSTOBRACUNA", 4, {}});
  list()->addColumn({"VOB", "VRSTAOBVEZNIKA", 4, {}});
  list()->addColumn({"OO", "OSNOVOBRA", 4, {}});
  list()->addColumn({"B", "STAZ", 3, {}});
  list()->addColumn({QString::fromUtf8("Član"), "CLANDN", 5, {}});
  list()->addColumn(rateColumn("I. stup (iz)", "PRVISTUP1"));
  list()->addColumn(rateColumn("I. stup (na)", "PRVISTUP2"));
  list()->addColumn(rateColumn("II. stup (iz)", "DRUGISTUP1"));
  list()->addColumn(rateColumn("II. stup (na)", "DRUGISTUP2"));
}

ProcedureWindow* BrowseStope::newForm() {
  return new UpdateTBSTOPE(desktop(), threadHandle());
}

void BrowseStope::print() {
  report(QString::fromUtf8("Obračunski koeficijenti"), prints::obracunskiKoeficijentiReport());
}

}  // namespace obrazac::ui
