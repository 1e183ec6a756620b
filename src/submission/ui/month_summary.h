// MonthSummary, "Slanje cijelog mjeseca": the summary of a month's sending (each obligor with
// its form, rows and totals, or the reason it was refused, then the collective file), with its
// print.
#pragma once

#include <string>
#include <vector>

#include "frame/ui/procedure_window.h"

class QPlainTextEdit;

namespace obrazac::ui {

class MonthSummary final : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control { kText = 1, kIspis = 2, kZatvori = 3 };

  // `lines` UTF-8.
  MonthSummary(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
               std::vector<std::string> lines);
  QString text() const;

 protected:
  int takeAccepted(int control) override;

 private:
  std::vector<std::string> lines_;
  QPlainTextEdit* text_;
};

}  // namespace obrazac::ui
