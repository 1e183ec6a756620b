// kontrolaUlaza, "Kontrola ulaznih podataka": the check of a payment input file for one
// employer, kind of payment and period. The run goes on a thread of its own while the window
// shows its progress; at its end the summary window shows the three counts, and three buttons
// open the accepted lines, every line read and the findings.
#pragma once

#include <string>

#include "check/input_check_run.h"
#include "check/ui/check_run_window.h"
#include "data/date.h"

class QComboBox;

namespace obrazac::ui {

class KontrolaUlaza final : public CheckRunWindow {
  Q_OBJECT

 public:
  enum Control {
    kObveznik = 4,
    kFirma = 5,
    kVrstaUplateIzbor = 6,
    kVrstaUplate = 7,
    kVrstaUplateTekst = 8,
    kGodina = 14,
    kMjesec = 15,
    kOd = 16,
    kDo = 17,
    kIspGod = 19,
    kIspMje = 20,
    kDatoteka = 21,
    kOdaberi = 22,
    kKontrola = 24,
    kIspravni = 25,
    kUlazna = 26,
    kZatvori = 27,
    kGreske = 28,
    kTijek = 29,
  };

  KontrolaUlaza(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  QComboBox* employers() const { return employers_; }
  QComboBox* paymentTypes() const { return paymentTypes_; }
  // The selection as the run takes it.
  check::InputSelection selection();
  // The summary of the last run (what the summary window showed).
  const check::InputCheckSummary& lastSummary() const { return summary_; }

  // The day the checks take as today (the system's date unless a test fixes it).
  void setClock(std::shared_ptr<const Clock> clock) { clock_ = std::move(clock); }

  void callProcedure(int number, int request, Done then) override;

 protected:
  bool openTables() override;
  int takeAccepted(int control) override;
  int takeWindowEvent(const Event& e) override;
  std::optional<FieldRef> stateField(std::string_view name) override;

 private:
  enum Procedure { kWinIzvjesce = 1, kPregeldPreuzetih, kPregledUlaznogFile, kPregledGresaka };

  void fillEmployers();
  void employerChosen(int index);
  void paymentTypeChosen(int index);
  void startCheck();
  void checkEnded(const QStringList& messages);

  QComboBox* employers_;
  QComboBox* paymentTypes_;
  std::shared_ptr<const Clock> clock_ = std::make_shared<SystemClock>();
  bool prepared_ = false;                              // the opening's values have been set
  std::shared_ptr<check::InputCheckOutcome> pending_;  // what the running check fills
  check::InputCheckOutcome outcome_;
  check::InputCheckSummary summary_;

  // The window's values (GLO: variables), text in Windows-1250.
  int firma_ = 0;
  std::string vrsUpl_, vrsUplText_;
  int obrGod_ = 0, obrMje_ = 0, razdOd_ = 0, razdDo_ = 0, ispGod_ = 0, ispMje_ = 0;
  std::string ulazFile_;
};

}  // namespace obrazac::ui
