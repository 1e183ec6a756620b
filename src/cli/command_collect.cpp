// obrazac-cli collect: the collective file VELOR.RM0 of every obligor in the list of processed
// obligors, with its control number ("&Odredi zbirni HASH").
#include <ostream>

#include "cli/cli_reporter.h"
#include "submission/collective_assembly.h"
#include "submission/control_number.h"

namespace obrazac::cli {

int runCollect(const Invocation& inv) {
  const auto o = parseOptions(inv.args, {"--date"});
  const SystemClock clock;
  const Date sent = o.count("--date") ? parseDate(o.at("--date"), "--date") : clock.today();
  Context ctx(inv.workDir);
  CliReporter reporter(inv.err, CliReporter::Status::Shown);
  const auto outcome = submission::runCollectiveAssembly(ctx, sent, reporter);
  if (outcome.result != submission::RunResult::Succeeded) return 1;
  inv.out << "Zbirna datoteka: " << outcome.file.string() << " (obrazaca: " << outcome.forms
          << ")\n"
          << "Kontrolni broj: " << submission::groupedControlNumber(outcome.controlNumber) << "\n";
  return 0;
}

}  // namespace obrazac::cli
