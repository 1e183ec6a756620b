#include "submission/ui/new_form_obrazac.h"

#include "submission/sending_run.h"

namespace obrazac::ui {

NewFormObrazac::NewFormObrazac(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : SendingWindow(desktop, std::move(thread), "NewFormObrazac", form::HeaderWindow::Sending) {
  setWindowTitle("Formiranje obrazaca R-Sm");
}

void NewFormObrazac::process() {
  const auto chosen = chosenHeader();
  if (!chosen) return;
  auto header = std::make_shared<form::SendingHeader>(*chosen);
  auto outcome = std::make_shared<submission::SendingOutcome>();
  runInBackground(
      [header, outcome](Context& ctx, RunReporter& reporter) {
        *outcome = submission::runSending(ctx, *header, reporter);
      },
      [this, header, outcome] { finishRun(*outcome, header->job); });
}

}  // namespace obrazac::ui
