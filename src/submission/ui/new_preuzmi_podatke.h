// NewPreuzmiPodatke, "Formiranje obrazaca R-Sm na temelju preuzetih podataka": the sending
// window whose processing run takes the form's rows from an obligor's payroll file ("Ulazna
// datoteka"), shows the summary of the reading and stops there when a line had an error.
#pragma once

#include "submission/ui/sending_window.h"

namespace obrazac::ui {

class NewPreuzmiPodatke final : public SendingWindow {
  Q_OBJECT

 public:
  NewPreuzmiPodatke(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  // The input file as the entry holds it (UTF-8).
  QString inputFile() const;
  void setInputFile(const QString& path);

 protected:
  int takeWindowEvent(const Event& e) override;
  int takeAccepted(int control) override;
  void process() override;
};

}  // namespace obrazac::ui
