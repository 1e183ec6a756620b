// What the two sending windows share: the header of the form to build (obligor, kind of
// calculation, period, payment month, date of sending, form number, print flag), the sending
// method and job with their enabling rules, the status line, and the buttons around the
// processing run: the check of the built form, the copy of the last produced file, the
// collective assembly, the list of processed obligors and the page A prints. Entries are checked
// as they are accepted; a run goes on a worker thread while the window shows its status texts.
// Where the form's rows come from is each window's own: the obligors' monthly data
// (NewFormObrazac) or a payroll file of payment lines (NewPreuzmiPodatke).
#pragma once

#include <filesystem>
#include <string>

#include "form/sending_header.h"
#include "frame/ui/procedure_window.h"
#include "submission/finish_submission.h"

class QRadioButton;

namespace obrazac::ui {

class BackgroundRun;
class FileDrop;

class SendingWindow : public ProcedureWindow {
  Q_OBJECT

 public:
  enum Control {
    kObveznik = 10,
    kVrstaUplate = 11,
    kVrstaUplateLista = 12,
    kGodina = 13,
    kMjesec = 14,
    kOdDana = 15,
    kDoDana = 16,
    kPlaGodina = 17,
    kPlaMjesec = 18,
    kDatumSlanja = 19,
    kBroj = 20,
    kIspisKB = 21,
    kUlaznaDatoteka = 22,
    kNacin = 23,
    kPosao = 24,
    kStatus = 25,
    kObrada = 30,
    kProvjera = 31,
    kPrijepis = 32,
    kZbirniHash = 33,
    kObradjeni = 34,
    kIspisA = 35,
    kUputa = 36,
    kZatvori = 37,
    kPopisDatoteka = 38,
    kCijeliMjesec = 39,
  };

  form::SendingHeader& header() { return header_; }
  // The status line as shown (UTF-8).
  QString statusText() const;
  // Whether a run or an assembly is going; the tests wait for its end.
  bool busy() const;
  // The option button of a choice ("Pojedinačno slanje", "Novi file", ...).
  QRadioButton* choice(int group, const QString& text) const;

 protected:
  SendingWindow(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, QString procedure,
                form::HeaderWindow kind);

  bool openTables() override;
  int takeWindowEvent(const Event& e) override;
  int takeAccepted(int control) override;
  int takeCloseEvent() override;
  std::optional<FieldRef> stateField(std::string_view name) override;

  // The processing run of "&Obrada obveznika" with the header as it stands.
  virtual void process() = 0;

  // The header with the method, job and date of sending as chosen; nothing when the date of
  // sending as typed names no date (the window has said so and put the focus on it).
  std::optional<form::SendingHeader> chosenHeader();
  // Starts `work` in a context of its own on the working folder; `done` follows on this thread.
  void runInBackground(std::function<void(Context&, RunReporter&)> work,
                       std::function<void()> done);
  // The end of a processing run: the produced file becomes the one "Prijepis file-a" copies, the
  // job follows the run, a refused check puts the focus on its entry, and success offers the
  // copy to removable media.
  void finishRun(const submission::SendingOutcome& outcome, form::CollectiveJob job);
  void setStatus(const QString& text);
  void focusEntry(form::HeaderField field);
  std::string inputFile_;  // "Ulazna datoteka" of the takeover window (Windows-1250)

 private:
  void chooseEmployer(const Record& pos);
  void checkEntry(int control);
  bool takeSendingDate();
  void showPaymentTypeName();
  void methodChosen();
  void showJob(form::CollectiveJob job);
  void checkForm();
  void copyLastFile();
  void assemble();
  void sendMonth();
  void printPagesA();
  void openCopyDialog(int variant, const std::filesystem::path& file);

  form::HeaderWindow kind_;
  form::SendingHeader header_;
  std::string paymentTypeName_;
  std::string sendingDate_;  // dd.mm.yyyy
  std::string printFlag_ = "D";
  std::string method_;
  std::string job_;
  std::string status_;
  FileDrop* obligors_ = nullptr;
  FileDrop* paymentTypes_ = nullptr;
  BackgroundRun* run_ = nullptr;
};

}  // namespace obrazac::ui
