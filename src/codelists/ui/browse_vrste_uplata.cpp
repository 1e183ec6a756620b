#include "codelists/ui/browse_vrste_uplata.h"

#include "codelists/ui/update_tbvrsupl.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using L = BrowseVrsteUplata;

constexpr ControlDescription kControls[] = {
    {.kind = K::List, .id = L::kList},
    {.kind = K::Button, .id = L::kOdaberi, .prompt = "&Odaberi", .tip = "Odaberi označenu šifru"},
    {.kind = K::Button, .id = L::kDodaj, .prompt = "&Dodaj", .tip = "Upis nove vrste uplate"},
    {.kind = K::Button, .id = L::kOtvori, .prompt = "O&tvori", .tip = "Ispravak podataka"},
    {.kind = K::Button, .id = L::kObrisi, .prompt = "O&briši", .tip = "Obriši označeni redak"},
    {.kind = K::Button, .id = L::kIspisi, .prompt = "&Ispiši", .tip = "Ispiši šifarnik na pisač"},
    {.kind = K::Button,
     .id = L::kZatvori,
     .prompt = "&Zatvori",
     .tip = "Zatvori prozor",
     .role = ButtonRole::Cancel,
     .pushRight = true},
    {.kind = K::Button,
     .id = L::kUpute,
     .prompt = "&Upute",
     .tip = "Pozivanje uputa za rad",
     .role = ButtonRole::Help},
};

}  // namespace

BrowseVrsteUplata::BrowseVrsteUplata(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "BrowseVrsteUplata") {
  setWindowTitle(QString::fromUtf8("Vrste obračuna/ispravka"));
  setDialogSize(280, 190);
  list_ = new BrowseList(*this, "VUP", kList);
  describe(kControls, {{kList, list_->widget()}});
  control(kIspisi)->setEnabled(false);  // the print of the list is not there yet
}

void BrowseVrsteUplata::declare() {
  firstField_ = kList;
}

bool BrowseVrsteUplata::openTables() {
  return openTable("VUP");
}

void BrowseVrsteUplata::setUpLists() {
  BrowseList::SortOrder byCode;
  byCode.tab = QString::fromUtf8("REDOSLIJED: Šifra vrste obračuna/ispravka");
  byCode.key = "KEYSIFRA";
  byCode.locator = BrowseList::Locator::Entry;
  byCode.locatorPrompt = QString::fromUtf8("Šifra");
  byCode.locatorTip = QString::fromUtf8("Traži se šifra");
  byCode.locatorWidth = 2;
  list_->addSortOrder(byCode);
  list_->addColumn({"Sifra", "SIFRA", 6, {}});
  list_->addColumn({QString::fromUtf8("Skraćeni opis"), "SKROPIS", 60, {}});
  list_->setButtons(kDodaj, kOtvori, kObrisi, kOdaberi, kUpute);
  list_->init();
}

void BrowseVrsteUplata::callProcedure(int number, int request, Done then) {
  if (number != 1) return ProcedureWindow::callProcedure(number, request, std::move(then));
  callOnThread(new UpdateTBVRSUPL(desktop(), threadHandle()), request, std::move(then));
}

}  // namespace obrazac::ui
