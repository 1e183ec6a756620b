// BrowseStope: the list of contribution rates (TBSTOPE.DAT) in the order of their key (kind of
// calculation, kind of obligor, basis, increased duration, fund membership), the rates shown
// with two decimals; insert, change and delete run the form UpdateTBSTOPE.
#pragma once

#include "codelists/ui/code_list_browse.h"

namespace obrazac::ui {

class BrowseStope final : public CodeListBrowse {
  Q_OBJECT

 public:
  BrowseStope(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void addOrders() override;
  ProcedureWindow* newForm() override;
  void print() override;
};

}  // namespace obrazac::ui
