#include "check/ui/pregled_gresaka.h"

#include <QTabBar>

#include "check/ui/update_tbgreske.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using W = PregledGresaka;

constexpr ControlDescription kControls[] = {
    {.kind = K::List, .id = W::kList},
    {.kind = K::Button, .id = W::kOdaberi, .prompt = "O&daberi"},
    {.kind = K::Button, .id = W::kDodaj, .prompt = "&Dodaj"},
    {.kind = K::Button, .id = W::kOtvori, .prompt = "Otvori"},
    {.kind = K::Button, .id = W::kObrisi, .prompt = "&Obriši"},
    {.kind = K::Button,
     .id = W::kZatvori,
     .prompt = "&Zatvori",
     .role = ButtonRole::Cancel,
     .pushRight = true},
    {.kind = K::Button, .id = W::kUpute, .prompt = "Upu&te", .role = ButtonRole::Help},
};

}  // namespace

PregledGresaka::PregledGresaka(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "PregledGresaka") {
  setWindowTitle(QString::fromUtf8("Pregled uočenih grešaka"));
  setDialogSize(358, 260);
  list_ = new BrowseList(*this, "GRE", kList);
  describe(kControls, {{kList, list_->widget()}});
}

bool PregledGresaka::openTables() {
  return openTable("GRE");
}

void PregledGresaka::setUpLists() {
  BrowseList::SortOrder order;
  order.key = "KEYREDBROJ";
  order.locator = BrowseList::Locator::Entry;
  order.locatorPrompt = "Rb";
  order.locatorWidth = 4;
  list_->addSortOrder(order);
  list_->addColumn({"Rb", "RB", 4, {}});
  list_->addColumn({"MBG", "JMBG", 13, {}});
  list_->addColumn({"Opis", "OPIS", 80, {}});
  list_->setButtons(kDodaj, kOtvori, kObrisi, kOdaberi, kUpute);
  list_->init();
  list_->tabs()->hide();  // one order, no tab to choose
  firstField_ = kList;
}

void PregledGresaka::callProcedure(int number, int request, Done then) {
  if (number != 1) return ProcedureWindow::callProcedure(number, request, std::move(then));
  callOnThread(new UpdateTBGRESKE(desktop(), threadHandle()), request, std::move(then));
}

}  // namespace obrazac::ui
