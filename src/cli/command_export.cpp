// obrazac-cli export: every table file of the working folder copied into a folder.
#include "cli/command.h"
#include "cli/terminal_reporter.h"
#include "transfer/export_import.h"

namespace obrazac::cli {

int runExport(const Invocation& inv) {
  requireArgCount(inv, 1, 1);
  TerminalReporter reporter(inv.err, inv.in);
  return exportData(inv.workDir, inv.args[0], reporter) == TransferOutcome::Done ? 0 : 1;
}

}  // namespace obrazac::cli
