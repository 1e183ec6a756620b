// UpdateArhivaTBOSIGUR: the form of one page B row of a prepared form (TBOSIGUR.DAT): the
// insured person, the basis and the part of the month, and the five amounts of items 7 to 11.
// Beside the codes it shows the municipality's name and the descriptions of the basis and of the
// increased-duration mark. A new row stays in the form after it is added (later saves change
// it), a row to delete is shown and goes when the user confirms with "Spremi", and closing the
// form asks nothing.
#pragma once

#include <string>

#include "frame/ui/update_form.h"

namespace obrazac::ui {

class UpdateArhivaTBOSIGUR final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kJmbg = 2,
    kPrezime = 3,
    kOpcina = 4,
    kOpcinaNaziv = 5,
    kClanDN = 6,
    kIdentifikator = 7,
    kOsnova1 = 8,
    kOsnova1Opis = 9,
    kOsnova3 = 10,
    kOsnova3Opis = 11,
    kGodina = 12,
    kMjesec = 13,
    kOd = 14,
    kDo = 15,
    kIznos7 = 16,
    kIznos8 = 17,
    kIznos9 = 18,
    kIznos10 = 19,
    kIznos11 = 20,
    kSpremi = 21,
    kOdustani = 22,
    kUpute = 23,
  };

  UpdateArhivaTBOSIGUR(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

 protected:
  void declare() override;
  bool openTables() override;
  int takeAccepted(int control) override;
  void redisplay() override;
  std::optional<FieldRef> stateField(std::string_view name) override;

 private:
  // The descriptions beside the codes, looked up from the row in the buffer.
  void lookUp();

  std::string opcinaNaziv_;
  std::string osnova1Opis_;
  std::string osnova3Opis_;
  std::string identifikator_;
};

}  // namespace obrazac::ui
