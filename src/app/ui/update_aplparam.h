// UpdateAPLPARAM: the form of the installation's parameter record (record 1 of APLPARAM.DAT):
// the authorised person who prepares and sends the reports, the seat with its municipality
// code, and the working, input and output folders. It always changes record 1, whatever it was
// called with, stays silent on closing and saves only on "Spremi". A folder entered that does
// not exist is warned of.
#pragma once

#include "frame/ui/update_form.h"

namespace obrazac::ui {

class FileDrop;

class UpdateAPLPARAM final : public UpdateForm {
  Q_OBJECT

 public:
  // Control numbers of the form.
  enum Control {
    kMB01 = 10,
    kMB02 = 11,
    kJMBG = 12,
    kNaziv = 13,
    kAdresa = 14,
    kKonOso = 15,
    kTelefon = 16,
    kEmail = 17,
    kSjediste = 18,
    kSifSjed = 20,
    kRadDir = 23,
    kUlazDir = 25,
    kIzlazDir = 27,
    kSpremi = 28,
    kPrekini = 29,
    kUpute = 30,
  };

  UpdateAPLPARAM(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  FileDrop* seat() const { return seat_; }

 protected:
  bool init() override;
  void declare() override;
  bool openTables() override;
  int takeAccepted(int control) override;
  int takeWindowEvent(const Event& e) override;
  void redisplay() override;

 private:
  void warnOfMissingFolder(int control);

  FileDrop* seat_ = nullptr;
};

}  // namespace obrazac::ui
