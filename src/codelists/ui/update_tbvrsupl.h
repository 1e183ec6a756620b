// UpdateTBVRSUPL: the form of one kind of calculation or correction. A code has two
// characters; a new code and a new description must not exist yet (the description compared
// without regard to letter case). A changed code that collides with another is refused by the
// table's unique key like any other duplicate.
#pragma once

#include "frame/ui/update_form.h"

namespace obrazac::ui {

class UpdateTBVRSUPL final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kSifra = 2,
    kSkrOpis = 3,
    kOpis = 4,
    kSpremi = 5,
    kOdustani = 6,
    kUpute = 7,
  };

  UpdateTBVRSUPL(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
  int takeAccepted(int control) override;

 private:
  bool exists(const char* key);
};

}  // namespace obrazac::ui
