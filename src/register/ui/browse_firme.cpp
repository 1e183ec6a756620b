#include "register/ui/browse_firme.h"

#include <QPointer>

#include "codelists/ui/code_list_print.h"
#include "prints/register_prints.h"
#include "register/ui/browse_zaposlenici.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using L = BrowseFirme;

constexpr ControlDescription kControls[] = {
    {.kind = K::List, .id = L::kList},
    {.kind = K::Button,
     .id = L::kOdaberi,
     .prompt = "O&daberi",
     .tip = "Odaberi označenog poslodavca"},
    {.kind = K::Button, .id = L::kDodaj, .prompt = "&Dodaj", .tip = "Upis novog poslodavca"},
    {.kind = K::Button,
     .id = L::kOtvori,
     .prompt = "&Otvori",
     .tip = "Promjena podataka za poslodavca"},
    {.kind = K::Button, .id = L::kObrisi, .prompt = "O&briši", .tip = "Obriši označeni redak"},
    {.kind = K::Button, .id = L::kIspisi, .prompt = "&Ispiši", .tip = "Ispiši poslodavce na pisač"},
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

BrowseFirme::BrowseFirme(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "BrowseFirme") {
  setWindowTitle(QString::fromUtf8("Popis obveznika - poslodavaca"));
  setDialogSize(420, 220);
  list_ = new BrowseList(*this, "POS", kList);
  describe(kControls, {{kList, list_->widget()}});
}

void BrowseFirme::declare() {
  firstField_ = kList;
}

bool BrowseFirme::openTables() {
  return openTable("POS");
}

// The tab names the name, yet the list goes by running number: the number is how obligors are
// told apart everywhere else.
void BrowseFirme::setUpLists() {
  BrowseList::SortOrder order;
  order.tab = QString::fromUtf8("REDOSLIJED: Naziv poslodavca");
  order.key = "KEYREDBROJ";
  order.locator = BrowseList::Locator::Step;
  list_->addSortOrder(order);
  list_->addColumn({"Rbr", "REDBROJ", 4, {}});
  list_->addColumn({"MB (1. dio)", "MB01", 9, {}});
  list_->addColumn({"MB ( 2. dio)", "MB02", 9, {}});
  list_->addColumn({"MBG obveznika", "JMBG", 14, {}});
  list_->addColumn({"Naziv obveznika", "NAZIV", 30, {}});
  list_->addColumn({"Adresa obveznika", "ADRESA", 30, {}});
  list_->addColumn({"Vrsta", "VRSTOBVEZNIKA", 5, {}});
  list_->addColumn({"Identifikator", "IDENTIFIKATOR", 8, {}});
  list_->setButtons(kDodaj, kOtvori, kObrisi, kOdaberi, kUpute);
  list_->init();
}

int BrowseFirme::takeAccepted(int control) {
  if (control != kIspisi) return ProcedureWindow::takeAccepted(control);
  print();
  return level::kNotify;
}

void BrowseFirme::print() {
  QPointer<BrowseFirme> self(this);
  printReport(*this, QString::fromUtf8("Popis poslodavaca"),
              prints::poslodavciReport(SystemClock()), [self] {
                self->list_->resetSort(true);
                self->list_->updateWindow();
              });
}

void BrowseFirme::callProcedure(int number, int request, Done then) {
  if (number != 1) return ProcedureWindow::callProcedure(number, request, std::move(then));
  callOnThread(new BrowseZaposlenici(desktop(), threadHandle()), request, std::move(then));
}

}  // namespace obrazac::ui
