// obrazac-cli check-input: the input check of a payment file, as "&Kontrola podataka" of the
// window "Kontrola ulaznih podataka" runs it. The selection is checked as the window checks it
// while it is typed; the run then fills TBOSIGU3, TBOSIGU2 and TBGRESKE in the working folder.
// Prints the three counts of the summary, its note and the findings. Exit 0 when no selected line
// has an error and no line of the file is spoilt, 1 when some line was rejected, 2 when the run
// could not run.
#include <filesystem>
#include <ostream>

#include "check/input_check_run.h"
#include "check/input_selection_checks.h"
#include "cli/cli_reporter.h"
#include "cli/finding_output.h"
#include "cli/input_findings_list.h"
#include "data/status.h"

namespace obrazac::cli {
namespace {

int number(const std::map<std::string, std::string>& o, const char* name) {
  const auto it = o.find(name);
  if (it == o.end()) throw UsageError(std::string("nedostaje ") + name);
  try {
    std::size_t used = 0;
    const int value = std::stoi(it->second, &used);
    if (used == it->second.size()) return value;
  } catch (const std::logic_error&) {
  }
  throw UsageError(std::string(name) + ": '" + it->second + "' nije broj");
}

// A finding in the shape of the formal control's: the line the run found it in, no type (the list
// keeps none), and the person as the context, as that of a type 5 record is there.
FindingRow sharedRow(const ListedFinding& f, const std::vector<std::int64_t>& lines) {
  std::string context = f.jmbg;
  if (!f.name.empty()) context += " " + f.name;
  std::optional<std::int64_t> line;
  if (f.number >= 1 && static_cast<std::size_t>(f.number) <= lines.size() &&
      lines[f.number - 1] > 0)
    line = lines[f.number - 1];
  return {line, "", std::nullopt, context, f.text};
}

}  // namespace

int runCheckInput(const Invocation& inv) {
  const std::string& file = requireArg(inv, 0, "ulazna datoteka");
  const auto o = parseOptions(inv.args.subspan(1), {"--employer", "--type", "--year", "--month",
                                                    "--from", "--to", "--format"});
  limitWidths(o, {{"--type", 2}, {"--year", 4}, {"--month", 2}});
  auto required = [&](const char* name) -> const std::string& {
    const auto it = o.find(name);
    if (it == o.end()) throw UsageError(std::string("nedostaje ") + name);
    return it->second;
  };
  const OutputFormat format = outputFormat(o);

  check::InputSelection s;
  s.employer = number(o, "--employer");
  s.paymentType = required("--type");
  // The window's entries hold numbers and check them as numbers ("0202" is the year 202).
  s.year = std::to_string(number(o, "--year"));
  s.month = std::to_string(number(o, "--month"));
  s.firstDay = number(o, "--from");
  s.lastDay = number(o, "--to");
  s.file = std::filesystem::absolute(file);

  // The window does not let these values stand.
  for (const CheckResult& refused :
       {check::checkSelectionYear(s.year), check::checkSelectionMonth(s.month, s.paymentType),
        check::checkSelectionDay(std::to_string(s.firstDay), true, s.month, s.year),
        check::checkSelectionDay(std::to_string(s.lastDay), false, s.month, s.year)})
    if (refused) {
      inv.err << refused->message << "\n";
      return 2;
    }

  Context ctx(inv.workDir);
  const SystemClock clock;
  CliReporter reporter(inv.err);
  const auto outcome = check::runInputCheck(ctx, clock, s, reporter);
  if (!outcome.status.ok()) return 2;

  const auto& summary = outcome.summary;
  if (format != OutputFormat::Json) {
    std::ostream& counts = format == OutputFormat::Text ? inv.out : inv.err;
    printInputCounts(counts, summary.linesRead, summary.linesAccepted, summary.linesWithErrors);
    if (!outcome.note.empty()) counts << outcome.note << "\n";
  } else if (!outcome.note.empty()) {
    inv.err << outcome.note << "\n";
  }
  FindingsWriter writer(inv.out, format,
                        {{"linesRead", summary.linesRead},
                         {"linesAccepted", summary.linesAccepted},
                         {"linesWithErrors", summary.linesWithErrors}});
  bool first = true;
  const int rc = forEachListedFinding(ctx, [&](const ListedFinding& f) {
    if (format == OutputFormat::Text)
      printListedFinding(inv.out, f, first);
    else
      writer.add(sharedRow(f, outcome.findingLines));
    first = false;
  });
  if (rc != 0) {
    inv.err << Status::store(rc, "TBGRESKE.DAT").text() << "\n";
    return 2;
  }
  writer.finish();
  return summary.linesWithErrors > 0 || outcome.faultyLines > 0 ? 1 : 0;
}

}  // namespace obrazac::cli
