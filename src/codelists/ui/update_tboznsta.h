// UpdateTBOZNSTA: the form of one code of insurance periods with increased duration: the code and
// its descriptions. The table's unique keys refuse a duplicate.
#pragma once

#include "codelists/ui/code_list_form.h"

namespace obrazac::ui {

class UpdateTBOZNSTA final : public CodeListForm {
  Q_OBJECT

 public:
  UpdateTBOZNSTA(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);
};

}  // namespace obrazac::ui
