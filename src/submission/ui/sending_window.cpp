#include "submission/ui/sending_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <cstdio>

#include "data/codepage.h"
#include "data/date_text.h"
#include "data/fixed_width.h"
#include "form/form_request.h"
#include "frame/ui/background_run.h"
#include "frame/ui/file_drop.h"
#include "frame/ui/qt_text.h"
#include "prints/page_a_print.h"
#include "submission/collective_assembly.h"
#include "submission/month_sending.h"
#include "submission/ui/browse_fileovi.h"
#include "submission/ui/copy_dialog.h"
#include "submission/ui/form_prints.h"
#include "submission/ui/month_summary.h"
#include "submission/ui/new_cit_obrazac_a.h"
#include "submission/ui/sending_state.h"

namespace obrazac::ui {
namespace {

namespace fs = std::filesystem;
using F = form::HeaderField;
using W = SendingWindow;

constexpr const char* kSingle = "Pojedinačno slanje";
constexpr const char* kCollective = "Zbirno slanje";
constexpr const char* kNewFile = "Novi file";
constexpr const char* kAddToFile = "Dodaj u file";

constexpr std::pair<int, F> kEntries[] = {
    {W::kObveznik, F::Employer},
    {W::kVrstaUplate, F::PaymentType},
    {W::kGodina, F::Year},
    {W::kMjesec, F::Month},
    {W::kOdDana, F::FirstDay},
    {W::kDoDana, F::LastDay},
    {W::kPlaGodina, F::PaymentYear},
    {W::kPlaMjesec, F::PaymentMonth},
    {W::kDatumSlanja, F::SendingDate},
    {W::kBroj, F::FormNumber},
    {W::kNacin, F::Method},
    {W::kUlaznaDatoteka, F::InputFile},
};

F fieldOf(int control) {
  for (const auto& [c, f] : kEntries)
    if (c == control) return f;
  return F::None;
}

using K = ControlKind;

// The header, the method and the status line; the takeover window adds its input file.
constexpr ControlDescription kHeader[] = {
    {.kind = K::Group, .prompt = "PODACI ZA OBRADU"},
    {.kind = K::DropList,
     .id = W::kObveznik,
     .prompt = "Naziv obveznika",
     .tip = "Odaberite obveznika iz popisa",
     .chars = 50},
    {.id = W::kVrstaUplate,
     .prompt = "Vrsta uplate",
     .field = "paymentType",
     .picture = "s2",
     .tip = "Šifra vrste obračuna/ispravka"},
    {.kind = K::DropList,
     .id = W::kVrstaUplateLista,
     .tip = "Vrsta obračuna/ispravka",
     .chars = 40,
     .beside = true},
    {.id = W::kGodina, .prompt = "Obračunska godina", .field = "year", .picture = "s4"},
    {.id = W::kMjesec, .prompt = "mjesec", .field = "month", .picture = "s2"},
    {.id = W::kOdDana, .prompt = "Za razdoblje od", .field = "firstDay", .picture = "s2"},
    {.id = W::kDoDana, .prompt = "do", .field = "lastDay", .picture = "s2"},
    {.id = W::kPlaGodina,
     .prompt = "Isplata plaće: godina",
     .field = "paymentYear",
     .picture = "s4"},
    {.id = W::kPlaMjesec,
     .prompt = "mjesec",
     .field = "paymentMonth",
     .picture = "s2",
     .tip = "Mjesec isplate plaće"},
    {.id = W::kDatumSlanja, .prompt = "Datum slanja", .field = "sendingDate", .picture = "s10"},
};

constexpr ControlDescription kMethod[] = {
    {.id = W::kIspisKB,
     .prompt = "Ispis kontrolnog broja D/N",
     .field = "printFlag",
     .picture = "s1"},
    {.kind = K::Group, .prompt = "NAČIN SLANJA"},
    {.kind = K::OptionGroup,
     .id = W::kNacin,
     .prompt = "Način slanja",
     .field = "method",
     .choices = "Pojedinačno slanje|Zbirno slanje"},
    {.kind = K::OptionGroup,
     .id = W::kPosao,
     .prompt = "Izbor posla",
     .field = "job",
     .choices = "Novi file|Dodaj u file"},
    {.kind = K::Display, .id = W::kStatus, .field = "status", .tip = "Status obrade", .chars = 80},
};

constexpr ControlDescription kSendingButtons[] = {
    {.kind = K::Button, .id = W::kObrada, .prompt = "&Obrada obveznika"},
    {.kind = K::Button, .id = W::kProvjera, .prompt = "&Provjera obrade za obveznika"},
    {.kind = K::Button, .id = W::kPrijepis, .prompt = "Prijepis file-a"},
    {.kind = K::Button, .id = W::kZbirniHash, .prompt = "&Odredi zbirni HASH"},
    {.kind = K::Button,
     .id = W::kCijeliMjesec,
     .prompt = "Cijeli &mjesec",
     .tip = "Obrasci svih obveznika za mjesec u jednoj obradi"},
    {.kind = K::Button, .id = W::kObradjeni, .prompt = "Obrađeni obveznici"},
    {.kind = K::Button, .id = W::kIspisA, .prompt = "&Ispis A stranica"},
    {.kind = K::Button,
     .id = W::kUputa,
     .prompt = "&Uputa za obradu",
     .role = ButtonRole::Help,
     .pushRight = true},
    {.kind = K::Button, .id = W::kZatvori, .prompt = "&Zatvori", .role = ButtonRole::Cancel},
};

constexpr ControlDescription kTakeoverButtons[] = {
    {.kind = K::Button, .id = W::kPopisDatoteka, .prompt = "...", .tip = "Popis datoteka"},
    {.kind = K::Button, .id = W::kObrada, .prompt = "&Obrada obveznika"},
    {.kind = K::Button, .id = W::kProvjera, .prompt = "&Provjera za obveznika"},
    {.kind = K::Button, .id = W::kPrijepis, .prompt = "Prijepis file-a"},
    {.kind = K::Button, .id = W::kZbirniHash, .prompt = "&Odredi zbirni HASH"},
    {.kind = K::Button, .id = W::kObradjeni, .prompt = "Obrađeni obveznici"},
    {.kind = K::Button, .id = W::kIspisA, .prompt = "Ispis A stranice"},
    {.kind = K::Button,
     .id = W::kUputa,
     .prompt = "&Uputa za obradu",
     .role = ButtonRole::Help,
     .pushRight = true},
    {.kind = K::Button, .id = W::kZatvori, .prompt = "&Zatvori", .role = ButtonRole::Cancel},
};

std::vector<ControlDescription> controlsOf(form::HeaderWindow kind) {
  const bool sending = kind == form::HeaderWindow::Sending;
  std::vector<ControlDescription> all(std::begin(kHeader), std::end(kHeader));
  all.push_back({.id = W::kBroj,
                 .prompt = sending ? "Broj obrasca" : "Zadnji broj",
                 .field = "formNumber",
                 .picture = "s3",
                 .tip = "Redni broj obrasca unutar identifikatora"});
  if (!sending)
    all.push_back({.id = W::kUlaznaDatoteka,
                   .prompt = "Ulazna datoteka",
                   .field = "inputFile",
                   .picture = "s120",
                   .tip = "Datoteka s podacima o isplatama"});
  all.insert(all.end(), std::begin(kMethod), std::end(kMethod));
  if (sending)
    all.insert(all.end(), std::begin(kSendingButtons), std::end(kSendingButtons));
  else
    all.insert(all.end(), std::begin(kTakeoverButtons), std::end(kTakeoverButtons));
  return all;
}

}  // namespace

SendingWindow::SendingWindow(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                             QString procedure, form::HeaderWindow kind)
    : ProcedureWindow(desktop, std::move(thread), std::move(procedure)), kind_(kind) {
  const SystemClock clock;
  header_ = form::defaultSendingHeader(clock);
  header_.formNumber.clear();
  sendingDate_ = dateText(header_.sendingDate);
  method_ = cp1250(kSingle);
  job_ = cp1250(kNewFile);
  obligors_ = new FileDrop(*this, "POS", "KEYREDBROJ", "NAZIV", kObveznik);
  obligors_->onChoose = [this](const Record& pos) { chooseEmployer(pos); };
  paymentTypes_ = new FileDrop(*this, "VUP", "KEYSIFRA", "SKROPIS", kVrstaUplateLista);
  paymentTypes_->onChoose = [this](const Record& vup) {
    header_.paymentType = std::string(clipRight(vup.text(vup.index("SIFRA"))));
    binder().show(kVrstaUplate);
    checkEntry(kVrstaUplate);
  };
  run_ = new BackgroundRun(desktop.workDir, desktop.prompter, this);
  connect(run_, &BackgroundRun::status, this, [this](const QString& text) { setStatus(text); });
  connect(run_, &BackgroundRun::message, this,
          [this](const QString& text) { this->desktop().prompter.message(text); });
  describe(controlsOf(kind),
           {{kObveznik, obligors_->combo()}, {kVrstaUplateLista, paymentTypes_->combo()}});
  setDialogSize(380, 300);
}

bool SendingWindow::openTables() {
  // The list of processed obligors and the pages A stay closed: a run opens them exclusively.
  return openTable("APL") && openTable("POS") && openTable("VUP");
}

QString SendingWindow::statusText() const {
  return fromCp1250(status_);
}

bool SendingWindow::busy() const {
  return run_->running();
}

QRadioButton* SendingWindow::choice(int group, const QString& text) const {
  for (auto* b : control(group)->findChildren<QRadioButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

std::optional<FieldRef> SendingWindow::stateField(std::string_view name) {
  const std::pair<std::string_view, std::string*> texts[] = {
      {"paymentType", &header_.paymentType},
      {"year", &header_.year},
      {"month", &header_.month},
      {"firstDay", &header_.firstDay},
      {"lastDay", &header_.lastDay},
      {"paymentYear", &header_.paymentYear},
      {"paymentMonth", &header_.paymentMonth},
      {"sendingDate", &sendingDate_},
      {"formNumber", &header_.formNumber},
      {"printFlag", &printFlag_},
      {"method", &method_},
      {"job", &job_},
      {"status", &status_},
      {"inputFile", &inputFile_},
  };
  for (const auto& [n, text] : texts)
    if (n == name) return FieldRef(*text, std::string(name));
  return std::nullopt;
}

int SendingWindow::takeWindowEvent(const Event& e) {
  if (e.kind == EventKind::OpenWindow) {
    obligors_->reset();
    paymentTypes_->reset();
    methodChosen();
    if (const auto refused = form::checkAuthorisedPerson(thread().context()))
      desktop().prompter.message(QString::fromStdString(refused->text));
  }
  return ProcedureWindow::takeWindowEvent(e);
}

int SendingWindow::takeCloseEvent() {
  run_->wait();  // a run stands or falls whole; the window closes after it
  return ProcedureWindow::takeCloseEvent();
}

int SendingWindow::takeAccepted(int control) {
  if (run_->running() && control >= kObrada && control != kZatvori) return level::kNotify;
  switch (control) {
    case kObrada:
      process();
      return level::kNotify;
    case kProvjera:
      checkForm();
      return level::kNotify;
    case kPrijepis:
      copyLastFile();
      return level::kNotify;
    case kZbirniHash:
      assemble();
      return level::kNotify;
    case kCijeliMjesec:
      sendMonth();
      return level::kNotify;
    case kObradjeni:
      callOnThread(new BrowseFileovi(desktop(), threadHandle()), request::kNone, {});
      return level::kNotify;
    case kIspisA:
      printPagesA();
      return level::kNotify;
    case kNacin:
      methodChosen();
      return level::kNotify;
    case kPosao:
      header_.job = job_ == cp1250(kAddToFile) ? form::CollectiveJob::AddToFile
                                               : form::CollectiveJob::NewFile;
      return level::kNotify;
    case kIspisKB:
      sendingState().printFlag = printFlag_.empty() ? 'D' : printFlag_[0];
      return level::kNotify;
    default:
      break;
  }
  if (control == kVrstaUplate) showPaymentTypeName();
  if (fieldOf(control) != F::None) checkEntry(control);
  return ProcedureWindow::takeAccepted(control);
}

// A code typed in shows its short description in the list beside it, or none.
void SendingWindow::showPaymentTypeName() {
  Table& codes = thread().table("VUP");
  Record& vup = codes.record();
  vup.clear();
  vup.setText(vup.index("SIFRA"), header_.paymentType);
  const bool found = !header_.paymentType.empty() && codes.get("KEYSIFRA") == 0;
  paymentTypes_->setText(found ? fromCp1250(clipRight(vup.text(vup.index("SKROPIS")))) : QString());
}

void SendingWindow::checkEntry(int control) {
  if (control == kDatumSlanja) {
    takeSendingDate();
    return;
  }
  const auto check = form::acceptEntry(header_, fieldOf(control), kind_);
  for (const auto& m : check.messages) desktop().prompter.message(QString::fromStdString(m.text));
  binder().show();
  if (!check.ok()) select(control);
}

void SendingWindow::chooseEmployer(const Record& pos) {
  header_.employer = static_cast<int>(pos.integer(pos.index("REDBROJ")));
  if (const Status read = form::chooseEmployer(thread().context(), header_); !read.ok())
    desktop().prompter.message(QString::fromStdString(read.text()));
  binder().show(kBroj);
}

// Single sending leaves no job to choose; a collective sending under way keeps its job.
void SendingWindow::methodChosen() {
  const bool collective = method_ == cp1250(kCollective);
  header_.method = collective ? form::SendingMethod::Collective : form::SendingMethod::Single;
  control(kPosao)->setEnabled(collective);
}

void SendingWindow::showJob(form::CollectiveJob job) {
  header_.job = job;
  job_ = cp1250(job == form::CollectiveJob::AddToFile ? kAddToFile : kNewFile);
  binder().show(kPosao);
  if (header_.method == form::SendingMethod::Collective && job == form::CollectiveJob::AddToFile) {
    choice(kNacin, QString::fromUtf8(kSingle))->setEnabled(false);
    choice(kPosao, QString::fromUtf8(kNewFile))->setEnabled(false);
  }
}

std::optional<form::SendingHeader> SendingWindow::chosenHeader() {
  methodChosen();
  header_.job =
      job_ == cp1250(kAddToFile) ? form::CollectiveJob::AddToFile : form::CollectiveJob::NewFile;
  sendingState().printFlag = printFlag_.empty() ? 'D' : printFlag_[0];
  if (!takeSendingDate()) return std::nullopt;
  return header_;
}

// "Datum slanja" as typed goes into the header, or is refused with its message and keeps the
// focus: the window never sends another date than the one it shows.
bool SendingWindow::takeSendingDate() {
  const auto refused = form::takeSendingDate(header_, utf8FromCp1250(clipRight(sendingDate_)));
  if (!refused) return true;
  desktop().prompter.message(fromUtf8(refused->text));
  select(kDatumSlanja);
  return false;
}

void SendingWindow::setStatus(const QString& text) {
  status_ = cp1250FromUtf8(text.toStdString());
  binder().show(kStatus);
}

void SendingWindow::focusEntry(form::HeaderField field) {
  for (const auto& [c, f] : kEntries)
    if (f == field) return ProcedureWindow::select(c);
}

void SendingWindow::runInBackground(std::function<void(Context&, RunReporter&)> work,
                                    std::function<void()> done) {
  sendingState().result = StepResult::Running;
  setCursor(Qt::BusyCursor);
  QPointer<SendingWindow> self(this);
  run_->start(std::move(work), [self, done = std::move(done)] {
    if (!self) return;
    self->unsetCursor();
    // A work that threw gave back no outcome; its message has been shown.
    if (self->run_->failed()) {
      sendingState().result = StepResult::Failed;
      return;
    }
    done();
  });
}

void SendingWindow::finishRun(const submission::SendingOutcome& outcome, form::CollectiveJob job) {
  if (outcome.failedCheck) focusEntry(outcome.failedCheck->field);
  SendingState& state = sendingState();
  state.result = outcome.status.ok() ? StepResult::Succeeded : StepResult::Failed;
  if (state.result != StepResult::Succeeded) return;
  state.outputFile = outcome.outputFile;
  showJob(job);
  openCopyDialog(static_cast<int>(CopyDialog::Variant::OneObligor), outcome.outputFile);
}

void SendingWindow::openCopyDialog(int variant, const fs::path& file) {
  callOnThread(
      new CopyDialog(desktop(), threadHandle(), static_cast<CopyDialog::Variant>(variant), file),
      request::kNone, {});
}

// The form the header names now: its page A window, or the message that it was never built.
void SendingWindow::checkForm() {
  Context& ctx = thread().context();
  Table& pos = ctx.table("POS");
  Record& p = pos.record();
  p.clear();
  p.setInteger(p.index("REDBROJ"), header_.employer);
  const std::string jmbg = pos.get("KEYREDBROJ") == 0 ? p.text(p.index("JMBG")) : std::string();
  const auto header = chosenHeader();
  if (!header) return;
  const form::FormRequest request = form::formRequestOf(*header, jmbg);
  char employer[8];
  std::snprintf(employer, sizeof employer, "%03d", header_.employer % 1000);
  SendingState& state = sendingState();
  state.link = request.identity.link;
  state.identifier = request.identity.id4;
  state.employer = header_.employer;
  if (!NewCitObrazacA::formExists(ctx.workDir(), state.link)) {
    desktop().prompter.message("Nema obrasca broj " + fromCp1250(request.identity.id4) +
                               " za firmu " + employer);
    return;
  }
  callOnThread(new NewCitObrazacA(desktop(), threadHandle()), request::kChange, {});
}

void SendingWindow::copyLastFile() {
  const fs::path& file = sendingState().outputFile;
  std::error_code ec;
  if (file.empty() || !fs::is_regular_file(file, ec)) {
    desktop().prompter.message("File: " + QString::fromStdString(file.string()) + " nije pronađen");
    return;
  }
  openCopyDialog(static_cast<int>(CopyDialog::Variant::Transcript), file);
}

void SendingWindow::assemble() {
  const auto header = chosenHeader();
  if (!header) return;
  const Date sent = header->sendingDate;
  auto outcome = std::make_shared<submission::CollectiveOutcome>();
  runInBackground(
      [sent, outcome](Context& ctx, RunReporter& reporter) {
        *outcome = submission::runCollectiveAssembly(ctx, sent, reporter);
      },
      [this, outcome] {
        SendingState& state = sendingState();
        state.result = outcome->status.ok() ? StepResult::Succeeded : StepResult::Failed;
        if (state.result != StepResult::Succeeded) return;
        state.outputFile = outcome->file;
        openCopyDialog(static_cast<int>(CopyDialog::Variant::Collective), outcome->file);
      });
}

// Every obligor's form for the header's month, together (collective sending) or one file each
// (single sending); the summary opens in a window of its own.
void SendingWindow::sendMonth() {
  const auto chosen = chosenHeader();
  if (!chosen) return;
  const form::SendingHeader& h = *chosen;
  submission::MonthRequest request;
  request.year = h.yearValue();
  request.month = h.monthValue();
  request.paymentYear = h.paymentYearValue();
  request.paymentMonth = h.paymentMonthValue();
  request.sent = h.sendingDate;
  if (!isBlank(h.paymentType)) request.paymentType = h.paymentType;
  request.separate = h.method != form::SendingMethod::Collective;
  auto outcome = std::make_shared<submission::MonthOutcome>();
  runInBackground(
      [request, outcome](Context& ctx, RunReporter& reporter) {
        *outcome = submission::runMonthSending(ctx, request, reporter);
      },
      [this, outcome] {
        SendingState& state = sendingState();
        state.result = outcome->allDone() ? StepResult::Succeeded : StepResult::Failed;
        if (outcome->collective && outcome->collective->status.ok())
          state.outputFile = outcome->collective->file;
        callOnThread(
            new MonthSummary(desktop(), threadHandle(), submission::monthSummary(*outcome)),
            request::kNone, {});
      });
}

// Page A of every form in the list of processed obligors, under the progress window.
void SendingWindow::printPagesA() {
  sendingState().printFlag = printFlag_.empty() ? 'D' : printFlag_[0];
  printListedPagesA(*this, prints::printFlagOf(sendingState().printFlag));
}

}  // namespace obrazac::ui
