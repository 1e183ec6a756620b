// KontrolaIzlaza, "Formalne kontrole datoteke za VELOR": the formal control of any submission
// file. The run goes on a thread of its own while the window shows its progress, so the program
// stays usable over a file of a million lines; closing the window during a run asks whether to
// stop it. The window also computes the file's control number, prints its page A and B pages,
// and opens the review, the report and the transcript of the findings.
#pragma once

#include <QPointer>
#include <string>

#include "check/ui/check_run_window.h"
#include "data/date.h"
#include "frame/ui/progress_window.h"

namespace obrazac::ui {

class KontrolaIzlaza final : public CheckRunWindow {
  Q_OBJECT

 public:
  enum Control {
    kDatoteka = 2,
    kOdaberi = 3,
    kKontrola = 5,
    kPregledGresaka = 6,
    kPrijepis = 7,
    kPregledDatoteke = 8,
    kZatvori = 9,
    kShaBroj = 10,
    kIspisA = 11,
    kIzvjesce = 12,
    kIspisB = 13,
    kTijek = 14,
    kNapomena = 15,  // the six lines of the note: 15 to 20
  };

  KontrolaIzlaza(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  // The file field (GLO:UlazFile, UTF-8).
  QString file() const;
  void setFile(const QString& path);
  // The progress window of the transcript while it runs.
  ProgressWindow* transcriptProgress() const { return transcriptProgress_; }

  // The day the checks take as today (the system's date unless a test fixes it).
  void setClock(std::shared_ptr<const Clock> clock) { clock_ = std::move(clock); }

  void callProcedure(int number, int request, Done then) override;

 protected:
  bool openTables() override;
  int takeAccepted(int control) override;
  int takeWindowEvent(const Event& e) override;
  std::optional<FieldRef> stateField(std::string_view name) override;

 private:
  enum Procedure { kBrowseIzlazGreske = 1, kBrowseIzlaz = 2 };

  std::filesystem::path chosenFile();
  void startControl();
  void controlEnded(const QStringList& messages);
  void startTranscript();
  void showControlNumber();
  void printPageA();
  void printPageB();
  void printFindings();
  void chooseFile();

  QPointer<ProgressWindow> transcriptProgress_;
  std::shared_ptr<const Clock> clock_ = std::make_shared<SystemClock>();
  bool prepared_ = false;  // the opening's values have been set
  std::string file_;       // Windows-1250, as GLO:UlazFile holds it
};

}  // namespace obrazac::ui
