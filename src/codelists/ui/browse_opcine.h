// BrowseOpcine: the list of municipalities and cities (TBOPCINE.DAT) in three orders, each a tab
// with its locator: running number, code, name. "Ispiši" prints in the order of the current tab.
// When the table is empty the list offers to load the official list shipped with the program.
#pragma once

#include "codelists/ui/code_list_browse.h"

namespace obrazac::ui {

class BrowseOpcine final : public CodeListBrowse {
  Q_OBJECT

 public:
  BrowseOpcine(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void addOrders() override;
  ProcedureWindow* newForm() override;
  void print() override;
  int takeWindowEvent(const Event& e) override;

 private:
  bool tableEmpty();
  void offerOfficialList();
};

}  // namespace obrazac::ui
