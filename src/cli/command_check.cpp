// obrazac-cli check: the formal control of a submission file, as "&Kontrola datoteke" of the
// formal-control window runs it, followed by the transcript TBIZLAZ2.TXT in the working folder.
// The findings are printed in the order of line and field code: as the transcript's lines, or
// as CSV or JSON for other programs. Exit 0 without errors ("F"), 1 with errors, 2 when the
// file could not be checked.
#include <ostream>
#include <string>

#include "check/findings_transcript.h"
#include "check/formal_control.h"
#include "cli/cli_reporter.h"
#include "cli/finding_output.h"
#include "data/codepage.h"
#include "data/fixed_width.h"

namespace obrazac::cli {
namespace {

FindingRow rowOf(const check::Finding& f) {
  return {f.line, utf8FromCp1250(f.field), static_cast<char>(f.severity),
          utf8FromCp1250(clipRight(f.context)), utf8FromCp1250(clipRight(f.message))};
}

}  // namespace

int runCheck(const Invocation& inv) {
  const std::string& file = requireArg(inv, 0, "datoteka");
  const OutputFormat format = outputFormat(parseOptions(inv.args.subspan(1), {"--format"}));

  Context ctx(inv.workDir);
  const SystemClock clock;
  CliReporter reporter(inv.err);
  const auto outcome = check::runFormalControl(ctx, file, clock, reporter);
  if (!outcome.checked) return 2;
  if (!check::writeTranscript(ctx, reporter).written)
    inv.err << "Greška pri formiranju TBIZLAZ2.TXT\n";
  inv.err << "Izvršena je kontrola datoteke.\n";

  if (format != OutputFormat::Json)
    (format == OutputFormat::Text ? inv.out : inv.err)
        << "Pročitano redaka: " << outcome.lines << ", grešaka (F): " << outcome.errors
        << ", upozorenja (U): " << outcome.warnings << "\n";
  FindingsWriter writer(
      inv.out, format,
      {{"lines", outcome.lines}, {"errors", outcome.errors}, {"warnings", outcome.warnings}});
  const int rc = check::forEachFinding(ctx, [&](const check::Finding& f) {
    if (format != OutputFormat::Text) {
      writer.add(rowOf(f));
      return;
    }
    for (const auto& line : check::transcriptLines(f))
      inv.out << utf8FromCp1250(clipRight(line)) << "\n";
  });
  if (rc != 0) {
    inv.err << "Greška " << storeErrorText(rc) << "\n";
    return 2;
  }
  writer.finish();
  return outcome.errors > 0 ? 1 : 0;
}

}  // namespace obrazac::cli
