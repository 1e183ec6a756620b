// WinIzvjesce, "Izvješće o obavljenoj obradi": the summary of an input check or of the takeover's
// reading of a payroll file (the same counts), shown with the values of the run that opened it:
// the three counts, the selection the lines were compared with, and a note line.
#pragma once

#include <string>

#include "check/input_check_run.h"
#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class WinIzvjesce final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kObradeno = 2,
    kIspravni = 3,
    kSGreskama = 4,
    kMB = 5,
    kMBG = 6,
    kOd = 7,
    kDo = 8,
    kVrstaUplate = 9,
    kGodina = 10,
    kMjesec = 11,
    kNapomena = 12,
    kZatvori = 13,
  };

  // `note` (UTF-8): blank, or what the takeover run asks the user to look at.
  WinIzvjesce(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
              const check::InputCheckSummary& summary, const std::string& note = {});

 protected:
  std::optional<FieldRef> stateField(std::string_view name) override;

 private:
  check::InputCheckSummary s_;
  std::string note_;  // Windows-1250
};

}  // namespace obrazac::ui
