// BrowseFileovi, "Pregled obveznika i file-ova čije podatke spajamo u zbirni format": the list of
// processed obligors (TBTMPDAT.DAT) whose files the next collective assembly joins. Rows added or
// removed here change that assembly.
#pragma once

#include "submission/ui/list_window.h"

namespace obrazac::ui {

class BrowseFileovi final : public ListWindow {
  Q_OBJECT

 public:
  BrowseFileovi(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void addOrders() override;
  ProcedureWindow* newForm() override;
};

}  // namespace obrazac::ui
