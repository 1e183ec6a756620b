// obrazac-cli takeover: the processing run of the takeover window, from an employer's payroll
// file of payment lines to the submission file with its control number. The header entries are
// those of send; after the reading the summary and the findings list are printed.
#include <fstream>
#include <ostream>

#include "cli/cli_reporter.h"
#include "cli/header_options.h"
#include "cli/input_findings_list.h"
#include "submission/control_number.h"
#include "takeover/takeover_run.h"

namespace obrazac::cli {
namespace {

namespace fs = std::filesystem;

void printSummary(const submission::TakeoverSummary& s, std::ostream& out) {
  printInputCounts(out, s.read, s.taken, s.withMessage);
  if (!s.note.empty()) out << s.note << "\n";
}

}  // namespace

int runTakeover(const Invocation& inv) {
  const std::string& file = requireArg(inv, 0, "ulazna datoteka");
  const fs::path input = fs::absolute(file);
  std::error_code ec;
  if (!fs::is_regular_file(input, ec) || !std::ifstream(input, std::ios::binary))
    throw UsageError("ulazna datoteka '" + file + "' se ne može čitati");

  Context ctx(inv.workDir);
  submission::TakeoverHeader header;
  auto entries = headerFromOptions(ctx, inv.args.subspan(1), form::HeaderWindow::Takeover);
  if (entries.employerError != 0) {
    inv.err << "Greška " << entries.employerError << "\n";
    return 1;
  }
  for (const auto& m : entries.messages) inv.err << m.text << "\n";
  if (!entries.messages.empty()) return 1;
  header.form = entries.header;
  header.inputFile = input.string();

  CliReporter reporter(inv.err, CliReporter::Status::Shown);
  const SystemClock clock;
  const auto outcome = submission::runTakeover(ctx, header, clock, reporter);
  if (outcome.summary.shown) {
    printSummary(outcome.summary, inv.out);
    ctx.closeAll();
    Context list(inv.workDir);
    bool first = true;
    if (const int rc = forEachListedFinding(list, [&](const ListedFinding& f) {
          printListedFinding(inv.out, f, first);
          first = false;
        }))
      inv.err << "Greška " << storeErrorText(rc) << " (TBGRESKE.DAT)\n";
  }
  const auto& sent = outcome.sending;
  if (sent.result != submission::RunResult::Succeeded) return 1;
  inv.out << "Datoteka: " << sent.outputFile.string() << "\n"
          << "Kontrolni broj: " << submission::groupedControlNumber(sent.controlNumber) << "\n";
  return 0;
}

}  // namespace obrazac::cli
