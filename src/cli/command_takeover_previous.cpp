// obrazac-cli takeover-previous: the previous year's obligors and employees taken over from the
// folder of last year's data.
#include "cli/command.h"
#include "cli/terminal_reporter.h"
#include "transfer/previous_year.h"

namespace obrazac::cli {

int runTakeoverPrevious(const Invocation& inv) {
  requireArgCount(inv, 1, 1);
  TerminalReporter reporter(inv.err, inv.in);
  return takeOverPreviousYear(inv.workDir, inv.args[0], reporter) == TransferOutcome::Done ? 0 : 1;
}

}  // namespace obrazac::cli
