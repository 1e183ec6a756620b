// BrowseObrazacB, "IV. PODACI PO OSIGURANICIMA (obrazac R Sm - strana B)": the page B rows of
// the form the page A window shows, in page B order or by name, each opened, added or deleted
// through the row form. Rows changed here reach the page B prints, not the page A totals.
#pragma once

#include <string>

#include "submission/ui/list_window.h"

namespace obrazac::ui {

class BrowseObrazacB final : public ListWindow {
  Q_OBJECT

 public:
  // The rows of the form whose link is `link` (Windows-1250).
  BrowseObrazacB(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, std::string link);

 protected:
  void addOrders() override;
  ProcedureWindow* newForm() override;

 private:
  std::string link_;
};

}  // namespace obrazac::ui
