// obrazac-cli import: the working folder's tables replaced by the table files of a folder, after
// the question (answered on the terminal, or yes with --yes).
#include "cli/command.h"
#include "cli/terminal_reporter.h"
#include "transfer/export_import.h"

namespace obrazac::cli {

int runImport(const Invocation& inv) {
  requireArgCount(inv, 1, 2);
  bool yes = false;
  std::string source;
  for (const auto& w : inv.args) {
    if (w == "--yes")
      yes = true;
    else if (source.empty())
      source = w;
    else
      throw UsageError("nepoznat argument '" + w + "'");
  }
  if (source.empty()) throw UsageError("nedostaje ulazni pretinac");
  TerminalReporter reporter(inv.err, inv.in, yes);
  return importData(inv.workDir, source, reporter) == TransferOutcome::Done ? 0 : 1;
}

}  // namespace obrazac::cli
