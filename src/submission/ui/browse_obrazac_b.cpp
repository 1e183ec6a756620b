#include "submission/ui/browse_obrazac_b.h"

#include "data/fixed_width.h"
#include "frame/ui/entry_picture.h"
#include "register/ui/update_arhiva_tbosigur.h"

namespace obrazac::ui {
namespace {

BrowseList::Column amountColumn(const char* title, const char* field) {
  return {QString::fromUtf8(title), field, 14, [field = std::string(field)](const Record& r) {
            static const EntryPicture amount("N-_15`2");
            return amount.show(r.decimal(r.index(field)));
          }};
}

}  // namespace

BrowseObrazacB::BrowseObrazacB(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                               std::string link)
    : ListWindow(desktop, std::move(thread), "BrowseObrazacB", "OSI", "&Otvori"),
      link_(std::move(link)) {
  setWindowTitle("IV. PODACI PO OSIGURANICIMA (obrazac R Sm - strana B)");
  setDialogSize(460, 240);
}

void BrowseObrazacB::addOrders() {
  BrowseList::SortOrder& byMbg = addOrder("REDOSLIJED: MBG osiguranika", "KEYOBRGODMJE");
  byMbg.rangeComponents = 1;
  byMbg.primeRange = [this](Record& r) { r.setText(r.index("KONVEZA"), link_); };
  BrowseList::SortOrder& byName = addOrder("Prezime i ime", "KEYPREZIME", "Prezime", 20);
  byName.filter = [this](const Record& r) {
    return clipRight(r.text(r.index("KONVEZA"))) == clipRight(link_);
  };
  list()->addColumn({"MBG", "JMBG", 13, {}});
  list()->addColumn({"Prezime i ime osiguranika", "PREZIME", 35,
                     [](const Record& r) { return fieldText(r, r.index("PREZIME")).left(35); }});
  list()->addColumn({"Opcina", "OPCINA", 6, {}});
  list()->addColumn({"OMF", "CLANDN", 4, {}});
  list()->addColumn({"OO", "OSNOVA1", 3, {}});
  list()->addColumn({"B", "OSNOVA3", 2, {}});
  list()->addColumn({"od", "OBRRAZD1", 3, {}});
  list()->addColumn({"do", "OBRRAZD2", 3, {}});
  list()->addColumn(amountColumn("Bruto", "IZNOS7"));
  list()->addColumn(amountColumn("Osnovica", "IZNOS8"));
  list()->addColumn(amountColumn("MO I. stup", "IZNOS9"));
  list()->addColumn(amountColumn("MO II. stup", "IZNOS10"));
  list()->addColumn(amountColumn("Neto", "IZNOS11"));
}

ProcedureWindow* BrowseObrazacB::newForm() {
  return new UpdateArhivaTBOSIGUR(desktop(), threadHandle());
}

}  // namespace obrazac::ui
