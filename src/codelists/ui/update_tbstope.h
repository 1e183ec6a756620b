// UpdateTBSTOPE: the form of one contribution rate: the combination it applies to, chosen from
// drop lists of the four code lists, and the four rates in percent. The table's unique key
// refuses a second row of the same combination; closing the form asks nothing.
#pragma once

#include "frame/ui/update_form.h"

class QComboBox;

namespace obrazac::ui {

class UpdateTBSTOPE final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kVrstObracuna = 2,
    kClanDN = 3,
    kVrstaObveznika = 4,
    kOsnovObra = 5,
    kStaz = 6,
    kPrviIz = 7,
    kPrviNa = 8,
    kDrugiIz = 9,
    kDrugiNa = 10,
    kSpremi = 11,
    kOdustani = 12,
    kUpute = 13,
  };

  UpdateTBSTOPE(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
  bool openTables() override;

 private:
  QComboBox* vrstObracuna_;
  QComboBox* vrstaObveznika_;
  QComboBox* osnovObra_;
  QComboBox* staz_;
};

}  // namespace obrazac::ui
