// UpdateTBOSNOBR: the form of one basis of calculation: its code and descriptions. The table's
// unique keys refuse a duplicate.
#pragma once

#include "codelists/ui/code_list_form.h"

namespace obrazac::ui {

class UpdateTBOSNOBR final : public CodeListForm {
  Q_OBJECT

 public:
  UpdateTBOSNOBR(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);
};

}  // namespace obrazac::ui
