// UpdateTBVRSUPL: the form of one kind of calculation or correction. A code has two
// characters; a new code and a new description must not exist yet (the description compared
// without regard to letter case). A changed code that collides with another is refused by the
// table's unique key like any other duplicate.
#pragma once

#include "codelists/ui/code_list_form.h"

namespace obrazac::ui {

class UpdateTBVRSUPL final : public CodeListForm {
  Q_OBJECT

 public:
  UpdateTBVRSUPL(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  int takeAccepted(int control) override;

 private:
  bool exists(const char* key);
};

}  // namespace obrazac::ui
