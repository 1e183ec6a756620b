#include "check/ui/kontrola_izlaza.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "app/application_parameters.h"
#include "check/findings_transcript.h"
#include "check/formal_control.h"
#include "check/ui/browse_izlaz.h"
#include "check/ui/browse_izlaz_greske.h"
#include "data/codepage.h"
#include "data/date.h"
#include "data/fixed_width.h"
#include "frame/record_walker.h"
#include "frame/ui/background_run.h"
#include "frame/ui/input_file_dialog.h"
#include "frame/ui/process_report.h"
#include "frame/ui/progress_window.h"
#include "frame/ui/qt_text.h"
#include "prints/findings_report.h"
#include "prints/page_a_print.h"
#include "prints/page_b_print.h"
#include "prints/submission_file_prints.h"
#include "submission/control_number.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using W = KontrolaIzlaza;

constexpr const char* kNote[] = {
    "Pomoću ove opcije omogućena Vam je formalna kontrola podataka",
    "koji se  dostavljaju  VELOR-u odnosno FINI  na magnetnom mediju.",
    "Kontrola  podrazumijeva   provjeru   formata podataka i upozorenja",
    "vezana  uz financijski obračun.  Pregled grešaka i upozorenja daje",
    "kratak opis moguće greške.",
    "Eventualne greške i upozorenja ne sprečavaju Vas u predaji podataka.",
};

constexpr ControlDescription kControls[] = {
    {.id = W::kDatoteka,
     .prompt = "Traži se izlazna datoteka",
     .field = "UlazFile",
     .picture = "s120",
     .chars = 60},
    {.kind = K::Display,
     .id = W::kTijek,
     .field = "Tijek",
     .picture = "s80",
     .tip = "Tijek obrade"},
    {.kind = K::Group, .prompt = "NAPOMENA"},
    {.kind = K::Display, .id = W::kNapomena + 0, .tip = kNote[0], .chars = 70},
    {.kind = K::Display, .id = W::kNapomena + 1, .tip = kNote[1], .chars = 70},
    {.kind = K::Display, .id = W::kNapomena + 2, .tip = kNote[2], .chars = 70},
    {.kind = K::Display, .id = W::kNapomena + 3, .tip = kNote[3], .chars = 70},
    {.kind = K::Display, .id = W::kNapomena + 4, .tip = kNote[4], .chars = 70},
    {.kind = K::Display, .id = W::kNapomena + 5, .tip = kNote[5], .chars = 70},
    {.kind = K::Button, .id = W::kOdaberi, .prompt = "...", .tip = "Popis datoteka"},
    {.kind = K::Button, .id = W::kKontrola, .prompt = "&Kontrola datoteke"},
    {.kind = K::Button, .id = W::kPregledGresaka, .prompt = "Pregled grešaka"},
    {.kind = K::Button, .id = W::kPrijepis, .prompt = "Prijepis u txt file"},
    {.kind = K::Button, .id = W::kPregledDatoteke, .prompt = "Pregled datoteke"},
    {.kind = K::Button, .id = W::kShaBroj, .prompt = "Odredi SHA broj"},
    {.kind = K::Button, .id = W::kIspisA, .prompt = "Ispis A stranice"},
    {.kind = K::Button, .id = W::kIzvjesce, .prompt = "Izvješće o greškama"},
    {.kind = K::Button, .id = W::kIspisB, .prompt = "Ispis B stranica"},
    {.kind = K::Button,
     .id = W::kZatvori,
     .prompt = "&Zatvori",
     .role = ButtonRole::Cancel,
     .pushRight = true},
};

// The buttons that read the file or the work tables wait while a run writes them.
constexpr int kBusyButtons[] = {W::kOdaberi,  W::kKontrola,        W::kPregledGresaka,
                                W::kPrijepis, W::kPregledDatoteke, W::kShaBroj,
                                W::kIspisA,   W::kIzvjesce,        W::kIspisB};

// The message shown on opening has its own spelling, kept as the users know it.
constexpr const char* kAuthorisedPersonOnOpening =
    "Ispravite podatke o ovlaštenoj osobi.| Ispavak izvršite kroz Servisi/Aplikacijski parametri";

constexpr const char* kStopQuestion = "Kontrola datoteke još traje. Želite li je prekinuti?";

// What a print preparation says, as message boxes.
class BoxReporter final : public RunReporter {
 public:
  explicit BoxReporter(Prompter& prompter) : prompter_(prompter) {}
  void status(std::string_view) override {}
  void message(std::string_view text) override { prompter_.message(fromUtf8(text)); }
  Answer ask(std::string_view, bool) override { return Answer::No; }

 private:
  Prompter& prompter_;
};

}  // namespace

KontrolaIzlaza::KontrolaIzlaza(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : CheckRunWindow(desktop, std::move(thread), "KontrolaIzlaza", kTijek, kBusyButtons,
                     kStopQuestion) {
  setWindowTitle(QString::fromUtf8("Formalne kontrole datoteke za VELOR"));
  setDialogSize(302, 197);
  describe(kControls);
  for (int i = 0; i < 6; ++i)
    if (auto* line = qobject_cast<QLabel*>(control(kNapomena + i))) {
      line->setText(QString::fromUtf8(kNote[i]));
      line->setFrameShape(QFrame::NoFrame);
    }
  if (QWidget* progress = control(kTijek))
    progress->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

std::optional<FieldRef> KontrolaIzlaza::stateField(std::string_view name) {
  if (name == "UlazFile") return FieldRef(file_, "GLO:UlazFile");
  if (name == "Tijek") return FieldRef(progress_, "Tijek");
  return std::nullopt;
}

QString KontrolaIzlaza::file() const {
  return fromUtf8(utf8FromCp1250(clipRight(file_)));
}

void KontrolaIzlaza::setFile(const QString& path) {
  file_ = cp1250FromUtf8(path.toStdString());
  binder().show(kDatoteka);
}

bool KontrolaIzlaza::openTables() {
  for (const char* prefix : {"APL", "A", "OSI2"})
    if (!openTable(prefix)) return false;
  return true;
}

// On opening: the authorised person must have been entered; the file field starts at the output
// folder.
int KontrolaIzlaza::takeWindowEvent(const Event& e) {
  if (e.kind == EventKind::OpenWindow && !prepared_) {
    prepared_ = true;
    Context& ctx = thread().context();
    if (readParameters(ctx) == 0) {
      const Record& apl = ctx.table("APL").record();
      if (authorisedPersonMissing(apl))
        desktop().prompter.message(QString::fromUtf8(kAuthorisedPersonOnOpening));
      file_ = apl.text(apl.index("IZLAZDIR"));
      binder().show(kDatoteka);
    }
  }
  return ProcedureWindow::takeWindowEvent(e);
}

int KontrolaIzlaza::takeAccepted(int control) {
  switch (control) {
    case kOdaberi:
      chooseFile();
      break;
    case kKontrola:
      startControl();
      break;
    case kPregledGresaka:
      callProcedure(kBrowseIzlazGreske, request::kNone, [](int) {});
      break;
    case kPregledDatoteke:
      callProcedure(kBrowseIzlaz, request::kNone, [](int) {});
      break;
    case kPrijepis:
      startTranscript();
      break;
    case kShaBroj:
      showControlNumber();
      break;
    case kIspisA:
      printPageA();
      break;
    case kIspisB:
      printPageB();
      break;
    case kIzvjesce:
      printFindings();
      break;
    default:
      return ProcedureWindow::takeAccepted(control);
  }
  return level::kNotify;
}

void KontrolaIzlaza::callProcedure(int number, int request, Done then) {
  if (number == kBrowseIzlazGreske)
    return callOnThread(new BrowseIzlazGreske(desktop(), threadHandle()), request, std::move(then));
  if (number == kBrowseIzlaz)
    return callOnThread(new BrowseIzlaz(desktop(), threadHandle()), request, std::move(then));
  ProcedureWindow::callProcedure(number, request, std::move(then));
}

std::filesystem::path KontrolaIzlaza::chosenFile() {
  return parameterFolder(clipRight(file_), desktop().workDir);
}

// "&Kontrola datoteke": the run goes on its own thread and context, which takes the work tables
// exclusively and leaves them open shared at its end; this window's thread lets them go first.
void KontrolaIzlaza::startControl() {
  if (running()) return;
  for (const char* prefix : {"ULZ", "ULZ1"}) thread().table(prefix).close();
  const std::filesystem::path file = chosenFile();
  setRunning(true);
  run_->disconnect(this, nullptr);
  connect(run_, &BackgroundRun::status, this, &KontrolaIzlaza::showProgress);
  connect(run_, &BackgroundRun::finished, this, &KontrolaIzlaza::controlEnded);
  run_->start([file, clock = clock_](Context& ctx, RunReporter& reporter) {
    check::runFormalControl(ctx, file, *clock, reporter);
  });
}

void KontrolaIzlaza::controlEnded(const QStringList& messages) {
  setRunning(false);
  if (closingAfterStop()) return postClose();
  for (const QString& m : messages) desktop().prompter.message(m);
  if (!messages.isEmpty() && messages.front().startsWith("Greška kod preuzimanja podataka"))
    select(kDatoteka);
}

// "Prijepis u txt file": a process under the progress window, on its own thread.
void KontrolaIzlaza::startTranscript() {
  if (running()) return;
  auto* progress = new ProgressWindow(this);
  progress->setAttribute(Qt::WA_DeleteOnClose);
  progress->setText("Processing Records");
  progress->percentText()->setText("0% Completed");
  progress->cancelButton()->setEnabled(false);
  progress->show();
  transcriptProgress_ = progress;
  setRunning(true);
  run_->disconnect(this, nullptr);
  connect(run_, &BackgroundRun::progress, progress, [progress](qint64 done, qint64 total) {
    if (total > 0) progress->setPercent(static_cast<int>(done * 100 / total));
  });
  connect(run_, &BackgroundRun::finished, this, [this](const QStringList& messages) {
    setRunning(false);
    // The progress window refuses a close (that is its Cancel); it goes when the run has ended.
    if (transcriptProgress_) {
      transcriptProgress_->hide();
      transcriptProgress_->deleteLater();
    }
    for (const QString& m : messages) {
      if (m.startsWith("Formiran je izlazni file")) showProgress(m);
      desktop().prompter.message(m);
    }
    if (closingAfterStop()) postClose();
  });
  run_->start([](Context& ctx, RunReporter& reporter) { check::writeTranscript(ctx, reporter); });
}

// "Odredi SHA broj": the control number of the chosen file in four groups of ten.
void KontrolaIzlaza::showControlNumber() {
  setCursor(Qt::WaitCursor);
  const auto number = submission::controlNumberOfFile(chosenFile());
  unsetCursor();
  if (!number.ok()) {
    desktop().prompter.message(fromUtf8(number.error));
    return;
  }
  showProgress(fromUtf8(submission::groupedControlNumber(number.digits)));
}

namespace {

// The pages of the form whose link the preparation gave, walked in the key of their table.
ReportJob formJob(Table& table, const char* key, const std::string& link, QString procedure) {
  ReportJob job;
  job.procedure = std::move(procedure);
  const int konveza = table.record().index("KONVEZA");
  job.walk = std::make_unique<RecordWalker>(
      table, key, [konveza, link](Record& r) { r.setText(konveza, link); },
      [konveza, link](const Record& r) {
        return r.text(konveza) == link ? RecordWalker::Range::Take : RecordWalker::Range::End;
      });
  return job;
}

}  // namespace

void KontrolaIzlaza::printPageA() {
  Context& ctx = thread().context();
  BoxReporter reporter(desktop().prompter);
  const auto link = prints::preparePageAFromFile(ctx, chosenFile(), reporter);
  if (!link) return;
  ReportJob job = formJob(thread().table("A"), "KEYIDENTIKATOR", *link, "Astrana01");
  job.pages = [&ctx, link = *link] {
    return prints::pageAPrint(ctx, link, prints::PrintFlag::ControlNumber);
  };
  runReport(desktop(), this, std::move(job));
}

void KontrolaIzlaza::printPageB() {
  Context& ctx = thread().context();
  BoxReporter reporter(desktop().prompter);
  const auto header = prints::preparePageBFromFile(ctx, chosenFile(), reporter);
  if (!header) return;
  ReportJob job = formJob(thread().table("OSI2"), "KEYOBRGODMJE", header->link, "StranaB01");
  job.pages = [&ctx, header = *header] {
    return prints::pageBPrint(ctx, header, prints::PageBOrder::Key);
  };
  runReport(desktop(), this, std::move(job));
}

// "Izvješće o greškama": every finding in the order of line number and field code.
void KontrolaIzlaza::printFindings() {
  Context& ctx = thread().context();
  ReportJob job;
  job.procedure = "IzvjesceOgreskama";
  Table& findings = thread().table("ULZ1");
  if (!findings.isOpen() && findings.open(AccessMode::ReadOnly) != 0) {
    desktop().prompter.message(
        QString::fromStdString("Greška " + std::string(findings.errorText())));
    return;
  }
  job.walk = std::make_unique<RecordWalker>(findings, "KEYVRSTA");
  job.pages = [&ctx] { return prints::findingsReport(ctx); };
  runReport(desktop(), this, std::move(job));
}

void KontrolaIzlaza::chooseFile() {
  QPointer<KontrolaIzlaza> self(this);
  chooseInputFile(this, file(), [self](const QString& path) {
    if (self) self->setFile(path);
  });
}

}  // namespace obrazac::ui
