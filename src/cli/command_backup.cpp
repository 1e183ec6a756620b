// obrazac-cli backup: the backups the table-replacing runs made before they changed anything.
// list shows them newest first; restore puts one back after the question (--yes for scripts),
// backing up the tables it replaces first.
#include <ostream>

#include "cli/cli_reporter.h"
#include "cli/table_output.h"
#include "cli/terminal_reporter.h"
#include "transfer/table_backup.h"

namespace obrazac::cli {
namespace {

int list(const Invocation& inv) {
  const OutputFormat format = outputFormat(parseOptions(inv.args.subspan(1), {"--format"}));
  static constexpr OutputColumn kColumns[] = {
      {"id", "ID"},          {"run", "Obrada"}, {"made", "Izrađena"}, {"station", "Računalo"},
      {"tables", "Tablice"},
  };
  std::vector<OutputRow> rows;
  for (const TableBackup& b : listBackups(inv.workDir)) {
    std::string tables;
    for (const auto& t : b.tables) tables += (tables.empty() ? "" : ",") + t;
    rows.push_back({b.id, b.run, b.madeAt, b.station, tables});
  }
  writeRows(inv.out, format, kColumns, rows);
  return 0;
}

int restore(const Invocation& inv) {
  bool yes = false;
  std::string id;
  for (const auto& w : inv.args.subspan(1)) {
    if (w == "--yes")
      yes = true;
    else if (id.empty())
      id = w;
    else
      throw UsageError("nepoznat argument '" + w + "'");
  }
  if (id.empty()) throw UsageError("nedostaje ID sigurnosne kopije");
  TerminalReporter reporter(inv.err, inv.in, yes);
  return restoreBackup(inv.workDir, id, reporter) == TransferOutcome::Done ? 0 : 1;
}

}  // namespace

int runBackup(const Invocation& inv) {
  const std::string& action = requireArg(inv, 0, "radnja (list, restore)");
  if (action == "list") return list(inv);
  if (action == "restore") return restore(inv);
  throw UsageError("nepoznata radnja '" + action + "' (list, restore)");
}

}  // namespace obrazac::cli
