// BrowseVrsteUplata: the list of kinds of calculation or correction (TBVRSUPL.DAT) in the order
// of their codes, with an entry locator on the code; insert, change and delete run the form
// UpdateTBVRSUPL on the list's thread.
#pragma once

#include "codelists/ui/code_list_browse.h"

namespace obrazac::ui {

class BrowseVrsteUplata final : public CodeListBrowse {
  Q_OBJECT

 public:
  BrowseVrsteUplata(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void addOrders() override;
  ProcedureWindow* newForm() override;
  void print() override;
};

}  // namespace obrazac::ui
