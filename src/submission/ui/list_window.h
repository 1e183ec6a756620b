// A list window of the sending: one table's records in the orders of its tabs with the select,
// insert, change and delete buttons, whose requests go to the list's update form on the list's
// thread, and a close button. Each list says its table, orders, columns and form.
#pragma once

#include "frame/ui/browse_list.h"
#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class ListWindow : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kList = 1,
    kOdaberi = 2,
    kDodaj = 3,
    kOtvori = 4,
    kObrisi = 5,
    kZatvori = 6,
  };

  BrowseList* list() const { return list_; }
  void callProcedure(int number, int request, Done then) override;

 protected:
  // `changePrompt`: "&Otvori" or "P&romjeni". `below`: controls under the list; they are built
  // here, before the derived window exists, so they show fields of the list's table.
  ListWindow(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, QString procedure,
             const char* prefix, const char* changePrompt,
             std::span<const ControlDescription> below = {});

  virtual void addOrders() = 0;
  // The form for a request, on the list's thread.
  virtual ProcedureWindow* newForm() = 0;
  // A tab in the order of `key` with an entry locator when `prompt` is given.
  BrowseList::SortOrder& addOrder(const char* tab, const char* key, const char* prompt = nullptr,
                                  int width = 10);

  void declare() override;
  bool openTables() override;
  void setUpLists() override;

 private:
  const char* prefix_;
  BrowseList* list_;
  std::vector<BrowseList::SortOrder> orders_;
};

}  // namespace obrazac::ui
