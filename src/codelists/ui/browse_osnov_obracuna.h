// BrowseOsnovObracuna: the list of bases of calculation (TBOSNOBR.DAT) in the order of their codes,
// with an entry locator on the code; insert, change and delete run the form UpdateTBOSNOBR.
#pragma once

#include "codelists/ui/code_list_browse.h"

namespace obrazac::ui {

class BrowseOsnovObracuna final : public CodeListBrowse {
  Q_OBJECT

 public:
  BrowseOsnovObracuna(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void addOrders() override;
  ProcedureWindow* newForm() override;
  void print() override;
};

}  // namespace obrazac::ui
