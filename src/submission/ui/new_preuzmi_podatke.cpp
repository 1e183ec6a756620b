#include "submission/ui/new_preuzmi_podatke.h"

#include <QPointer>

#include "app/application_parameters.h"
#include "data/codepage.h"
#include "data/fixed_width.h"
#include "frame/ui/input_file_dialog.h"
#include "submission/ui/win_izvjesce.h"
#include "takeover/takeover_run.h"

namespace obrazac::ui {

NewPreuzmiPodatke::NewPreuzmiPodatke(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : SendingWindow(desktop, std::move(thread), "NewPreuzmiPodatke", form::HeaderWindow::Takeover) {
  setWindowTitle(QString::fromUtf8("Formiranje obrazaca R-Sm na temelju preuzetih podataka"));
}

QString NewPreuzmiPodatke::inputFile() const {
  return QString::fromStdString(utf8FromCp1250(clipRight(inputFile_)));
}

void NewPreuzmiPodatke::setInputFile(const QString& path) {
  inputFile_ = cp1250FromUtf8(path.toStdString());
  binder().show(kUlaznaDatoteka);
}

// The input file starts as the input folder of the parameters.
int NewPreuzmiPodatke::takeWindowEvent(const Event& e) {
  const int result = SendingWindow::takeWindowEvent(e);
  if (e.kind == EventKind::OpenWindow && readParameters(thread().context()) == 0) {
    const Record& apl = thread().table("APL").record();
    const auto folder =
        parameterFolder(apl.text(apl.index("ULAZDIR")), thread().context().workDir());
    setInputFile(QString::fromStdString(folder.string()));
  }
  return result;
}

int NewPreuzmiPodatke::takeAccepted(int control) {
  if (control != kPopisDatoteka) return SendingWindow::takeAccepted(control);
  QPointer<NewPreuzmiPodatke> self(this);
  chooseInputFile(this, inputFile(), [self](const QString& path) {
    if (self) self->setInputFile(path);
  });
  return level::kNotify;
}

void NewPreuzmiPodatke::process() {
  const auto chosen = chosenHeader();
  if (!chosen) return;
  auto header = std::make_shared<submission::TakeoverHeader>();
  header->form = *chosen;
  header->inputFile = inputFile().toStdString();
  auto outcome = std::make_shared<submission::TakeoverOutcome>();
  runInBackground(
      [header, outcome](Context& ctx, RunReporter& reporter) {
        const SystemClock clock;
        *outcome = submission::runTakeover(ctx, *header, clock, reporter);
      },
      [this, header, outcome] {
        auto finish = [this, header, outcome] {
          if (outcome->focus != form::HeaderField::None) focusEntry(outcome->focus);
          finishRun(outcome->sending, header->form.job);
        };
        const submission::TakeoverSummary& read = outcome->summary;
        if (!read.shown) return finish();
        const form::SendingHeader& h = header->form;
        const check::InputCheckSummary shown{read.read,        read.taken,        read.withMessage,
                                             read.employerMB,  read.employerJmbg, h.firstDayValue(),
                                             h.lastDayValue(), h.paymentType,     h.yearValue(),
                                             h.monthValue()};
        callOnThread(new WinIzvjesce(desktop(), threadHandle(), shown, read.note), request::kNone,
                     [finish](int) { finish(); });
      });
}

}  // namespace obrazac::ui
