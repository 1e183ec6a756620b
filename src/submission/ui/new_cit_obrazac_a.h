// NewCitObrazacA, "Obrazac R-S (stranica A)": the page A record of the form whose link the
// window state holds, in its three sections (basic data, the obligor, the control totals), with
// the prints of page A with and without the control number and of the B pages in page B order
// and by name. Every print first reads the form again by its link.
#pragma once

#include <filesystem>
#include <string>

#include "frame/ui/update_form.h"

namespace obrazac::ui {

class NewCitObrazacA final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kIdentifikator = 10,
    kObrGod = 11,
    kObrMje = 12,
    kVrsUpla = 13,
    kBrojOsig = 14,
    kBrojStrana = 15,
    kMB01 = 16,
    kMB02 = 17,
    kJMBG = 18,
    kNaziv = 19,
    kAdresa = 20,
    kVrstObv = 21,
    kIznos7 = 22,
    kIznos8 = 23,
    kIznos9 = 24,
    kIznos10 = 25,
    kIznos11 = 26,
    kKonZnak = 27,
    kUredu = 30,
    kZatvori = 31,
    kPregled = 32,
    kStranicaA = 33,
    kABezHash = 34,
    kStranicaB = 35,
    kStranicaB2 = 36,
  };

  NewCitObrazacA(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  // Whether page A of the form link exists (Windows-1250 link), read in a context of its own.
  static bool formExists(const std::filesystem::path& workDir, const std::string& link);

 protected:
  bool primeUpdate() override;
  int takeAccepted(int control) override;
  std::optional<FieldRef> stateField(std::string_view name) override;
  void redisplay() override;

 private:
  // Reads the form of the window state again; false, with the message, when it is gone.
  bool readForm();

  std::string id4_;  // characters 4-7 of A:IDENTIFIKATOR
};

}  // namespace obrazac::ui
