// AzurVEZNATAB: the form of one control-table row: the combination of kind of obligor, kind of
// calculation and basis, chosen from drop lists, and for each tested value of a monthly row its
// rule ("= 0 ", ">=0 " or ">0  "). The caller leaves the combination in the thread's VEZ buffer;
// a change or delete reads the row of that combination first. A second row of the same
// combination is refused by the table's unique key.
#pragma once

#include "frame/ui/update_form.h"

class QComboBox;

namespace obrazac::ui {

class AzurVEZNATAB final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kVob = 2,
    kVoi = 3,
    kOo = 4,
    kObrMje = 5,
    kGodina = 6,
    kPlaGod = 7,
    kPlaMje = 8,
    kDanOd = 9,
    kDanDo = 10,
    kIznos7 = 11,
    kIznos8 = 12,
    kIznos9 = 13,
    kIznos10 = 14,
    kIznos11 = 15,
    kNapomena = 16,
    kSpremi = 17,
    kOdustani = 18,
  };

  AzurVEZNATAB(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
  bool openTables() override;
  bool primeUpdate() override;

 private:
  QComboBox* vob_;
  QComboBox* voi_;
  QComboBox* oo_;
};

}  // namespace obrazac::ui
