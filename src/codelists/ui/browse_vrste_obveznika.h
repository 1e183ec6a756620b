// BrowseVrsteObveznika: the list of kinds of obligor (TBVRSOBV.DAT) in the order of their codes,
// with an entry locator on the code; insert, change and delete run the form UpdateTBVRSOBV.
#pragma once

#include "codelists/ui/code_list_browse.h"

namespace obrazac::ui {

class BrowseVrsteObveznika final : public CodeListBrowse {
  Q_OBJECT

 public:
  BrowseVrsteObveznika(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void addOrders() override;
  ProcedureWindow* newForm() override;
  void print() override;
};

}  // namespace obrazac::ui
