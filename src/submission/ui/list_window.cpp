#include "submission/ui/list_window.h"

#include <vector>

namespace obrazac::ui {

ListWindow::ListWindow(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, QString procedure,
                       const char* prefix, const char* changePrompt,
                       std::span<const ControlDescription> below)
    : ProcedureWindow(desktop, std::move(thread), std::move(procedure)), prefix_(prefix) {
  using K = ControlKind;
  list_ = new BrowseList(*this, prefix, kList);
  std::vector<ControlDescription> controls = {{.kind = K::List, .id = kList}};
  controls.insert(controls.end(), below.begin(), below.end());
  const ControlDescription buttons[] = {
      {.kind = K::Button, .id = kOdaberi, .prompt = "O&daberi", .tip = "Odaberi označeni redak"},
      {.kind = K::Button, .id = kDodaj, .prompt = "&Dodaj"},
      {.kind = K::Button, .id = kOtvori, .prompt = changePrompt},
      {.kind = K::Button, .id = kObrisi, .prompt = "&Obriši", .tip = "Obriši označeni redak"},
      {.kind = K::Button,
       .id = kZatvori,
       .prompt = "&Zatvori",
       .role = ButtonRole::Cancel,
       .pushRight = true},
  };
  controls.insert(controls.end(), std::begin(buttons), std::end(buttons));
  describe(controls, {{kList, list_->widget()}});
}

void ListWindow::declare() {
  firstField_ = kList;
}

bool ListWindow::openTables() {
  return openTable(prefix_);
}

BrowseList::SortOrder& ListWindow::addOrder(const char* tab, const char* key, const char* prompt,
                                            int width) {
  BrowseList::SortOrder& order = orders_.emplace_back();
  order.tab = QString::fromUtf8(tab);
  order.key = key;
  if (prompt) {
    order.locator = BrowseList::Locator::Entry;
    order.locatorPrompt = QString::fromUtf8(prompt);
    order.locatorWidth = width;
  }
  return order;
}

void ListWindow::setUpLists() {
  addOrders();
  for (auto& order : orders_) list_->addSortOrder(std::move(order));
  orders_.clear();
  list_->setButtons(kDodaj, kOtvori, kObrisi, kOdaberi);
  list_->init();
}

void ListWindow::callProcedure(int number, int request, Done then) {
  if (number != 1) return ProcedureWindow::callProcedure(number, request, std::move(then));
  callOnThread(newForm(), request, std::move(then));
}

}  // namespace obrazac::ui
