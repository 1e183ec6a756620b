// BrowseOznakaStaza: the list of codes of insurance periods with increased duration (TBOZNSTA.DAT)
// in the order of their codes, with an entry locator on the code; insert, change and delete run the
// form UpdateTBOZNSTA.
#pragma once

#include "codelists/ui/code_list_browse.h"

namespace obrazac::ui {

class BrowseOznakaStaza final : public CodeListBrowse {
  Q_OBJECT

 public:
  BrowseOznakaStaza(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void addOrders() override;
  ProcedureWindow* newForm() override;
  void print() override;
};

}  // namespace obrazac::ui
