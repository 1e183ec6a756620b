// A list of one code list: the table's rows in the orders of its tabs, with the buttons every
// code list has (select, insert, change, delete, print, close, help). Insert, change and delete
// run the list's form on the list's thread; "Ispiši" prints the list and refreshes it. Each code
// list says its table, orders, columns, form and print.
#pragma once

#include <memory>

#include "frame/ui/browse_list.h"
#include "frame/ui/procedure_window.h"
#include "prints/record_report.h"

namespace obrazac::ui {

class CodeListBrowse : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kList = 1,
    kOdaberi = 2,
    kDodaj = 3,
    kOtvori = 4,
    kObrisi = 5,
    kIspisi = 6,
    kZatvori = 7,
    kUpute = 8,
  };

  BrowseList* list() const { return list_; }
  void callProcedure(int number, int request, Done then) override;

 protected:
  struct ButtonTexts {
    const char* insertTip;    // the tip of "&Dodaj"
    const char* printPrompt;  // "&Ispiši"
  };
  CodeListBrowse(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, QString procedure,
                 const char* prefix, ButtonTexts buttons);

  // The list's sort orders and columns, in the order of its tabs.
  virtual void addOrders() = 0;
  // A tab in the order of `key` with an entry locator of `width` characters.
  void addOrder(const char* tab, const char* key, const char* prompt, const char* tip, int width);
  // The form that inserts, changes and deletes a row, on the list's thread.
  virtual ProcedureWindow* newForm() = 0;
  // The print of the list (in the order of the current tab where the order matters).
  virtual void print() = 0;
  // Runs a print of the list through the progress window and the preview; the list refreshes
  // when the report has ended.
  void report(const QString& title, std::shared_ptr<prints::RecordReport> report);

  void declare() override;
  bool openTables() override;
  void setUpLists() override;
  int takeAccepted(int control) override;

 private:
  const char* prefix_;
  BrowseList* list_;
};

}  // namespace obrazac::ui
