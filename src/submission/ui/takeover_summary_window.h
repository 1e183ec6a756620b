// "Izvješće o obavljenoj obradi" after the takeover's reading of a payroll file: how many lines
// were read, taken and had a message, for which obligor, period, kind of calculation and month,
// and the note to look at the list of findings. Everything is shown, nothing edited.
#pragma once

#include <string>

#include "form/sending_header.h"
#include "frame/ui/procedure_window.h"
#include "takeover/takeover_run.h"

namespace obrazac::ui {

class TakeoverSummaryWindow final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kUkupno = 1,
    kPreuzeto = 2,
    kUpozorenja = 3,
    kMB = 4,
    kMBG = 5,
    kOd = 6,
    kDo = 7,
    kVrstaUplate = 8,
    kGodina = 9,
    kMjesec = 10,
    kNapomena = 11,
    kZatvori = 12,
  };

  TakeoverSummaryWindow(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                        const submission::TakeoverSummary& summary,
                        const form::SendingHeader& header);

  // The shown text of a display (UTF-8).
  QString shown(int control) const;

 protected:
  std::optional<FieldRef> stateField(std::string_view name) override;

 private:
  std::string values_[11];  // Windows-1250, in the order of the controls
};

}  // namespace obrazac::ui
