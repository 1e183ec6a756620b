// obrazac-cli send: the processing run of one obligor, from its monthly data to the submission
// file with its control number, as "&Obrada obveznika" of the sending window does it. Every
// entry is checked as if it had been typed into the window, then the run's own checks follow.
#include <ostream>

#include "cli/cli_reporter.h"
#include "cli/header_options.h"
#include "submission/control_number.h"
#include "submission/sending_run.h"

namespace obrazac::cli {

int runSend(const Invocation& inv) {
  Context ctx(inv.workDir);
  auto entries = headerFromOptions(ctx, inv.args, form::HeaderWindow::Sending);
  if (entries.employerError != 0) {
    inv.err << "Greška " << entries.employerError << "\n";
    return 1;
  }
  // The window puts the focus back on an entry it refuses; here the refusal ends the command.
  for (const auto& m : entries.messages) inv.err << m.text << "\n";
  if (!entries.messages.empty()) return 1;

  CliReporter reporter(inv.err, CliReporter::Status::Shown);
  const auto outcome = submission::runSending(ctx, entries.header, reporter);
  if (outcome.result != submission::RunResult::Succeeded) return 1;
  inv.out << "Datoteka: " << outcome.outputFile.string() << "\n"
          << "Kontrolni broj: " << submission::groupedControlNumber(outcome.controlNumber) << "\n";
  return 0;
}

}  // namespace obrazac::cli
