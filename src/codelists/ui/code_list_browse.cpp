#include "codelists/ui/code_list_browse.h"

#include "codelists/ui/code_list_print.h"

#include <QPointer>

#include <array>

namespace obrazac::ui {
namespace {

using K = ControlKind;
using L = CodeListBrowse;

constexpr std::array<ControlDescription, 8> kControls = {{
    {.kind = K::List, .id = L::kList},
    {.kind = K::Button, .id = L::kOdaberi, .prompt = "&Odaberi", .tip = "Odaberi označenu šifru"},
    {.kind = K::Button, .id = L::kDodaj, .prompt = "&Dodaj"},
    {.kind = K::Button, .id = L::kOtvori, .prompt = "O&tvori", .tip = "Ispravak podataka"},
    {.kind = K::Button, .id = L::kObrisi, .prompt = "O&briši", .tip = "Obriši označeni redak"},
    {.kind = K::Button, .id = L::kIspisi, .tip = "Ispiši šifarnik na pisač"},
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
}};

}  // namespace

CodeListBrowse::CodeListBrowse(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                               QString procedure, const char* prefix, ButtonTexts buttons)
    : ProcedureWindow(desktop, std::move(thread), std::move(procedure)), prefix_(prefix) {
  list_ = new BrowseList(*this, prefix, kList);
  auto controls = kControls;
  controls[2].tip = buttons.insertTip;
  controls[5].prompt = buttons.printPrompt;
  describe(controls, {{kList, list_->widget()}});
}

void CodeListBrowse::declare() {
  firstField_ = kList;
}

bool CodeListBrowse::openTables() {
  return openTable(prefix_);
}

void CodeListBrowse::setUpLists() {
  addOrders();
  list_->setButtons(kDodaj, kOtvori, kObrisi, kOdaberi, kUpute);
  list_->init();
}

void CodeListBrowse::addOrder(const char* tab, const char* key, const char* prompt, const char* tip,
                              int width) {
  BrowseList::SortOrder order;
  order.tab = QString::fromUtf8(tab);
  order.key = key;
  order.locator = BrowseList::Locator::Entry;
  order.locatorPrompt = QString::fromUtf8(prompt);
  order.locatorTip = QString::fromUtf8(tip);
  order.locatorWidth = width;
  list_->addSortOrder(order);
}

int CodeListBrowse::takeAccepted(int control) {
  if (control != kIspisi) return ProcedureWindow::takeAccepted(control);
  print();
  return level::kNotify;
}

void CodeListBrowse::report(const QString& title, std::shared_ptr<prints::RecordReport> report) {
  QPointer<CodeListBrowse> self(this);
  printReport(*this, title, std::move(report), [self] {
    self->list_->resetSort(true);
    self->list_->updateWindow();
  });
}

void CodeListBrowse::callProcedure(int number, int request, Done then) {
  if (number != 1) return ProcedureWindow::callProcedure(number, request, std::move(then));
  callOnThread(newForm(), request, std::move(then));
}

}  // namespace obrazac::ui
