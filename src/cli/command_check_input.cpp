// obrazac-cli check-input: the input check of a payment file, as "&Kontrola podataka" of the
// window "Kontrola ulaznih podataka" runs it. The selection is checked as the window checks it
// while it is typed; the run then fills TBOSIGU3, TBOSIGU2 and TBGRESKE in the working folder.
// Prints the three counts of the summary and the findings. Exit 0 when no selected line has an
// error, 1 when some line was rejected, 2 when the run could not run.
#include <filesystem>
#include <ostream>

#include "check/input_check_run.h"
#include "check/input_selection_checks.h"
#include "cli/cli_reporter.h"
#include "cli/finding_output.h"
#include "cli/input_findings_list.h"

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

// A finding in the shape of the formal control's: the list keeps neither the line number nor a
// type, and the person is the context, as that of a type 5 record is there.
FindingRow sharedRow(const ListedFinding& f) {
  std::string context = f.jmbg;
  if (!f.name.empty()) context += " " + f.name;
  return {std::nullopt, "", std::nullopt, context, f.text};
}

}  // namespace

int runCheckInput(const Invocation& inv) {
  const std::string& file = requireArg(inv, 0, "ulazna datoteka");
  const auto o = parseOptions(inv.args.subspan(1), {"--employer", "--type", "--year", "--month",
                                                    "--from", "--to", "--format"});
  auto required = [&](const char* name) -> const std::string& {
    const auto it = o.find(name);
    if (it == o.end()) throw UsageError(std::string("nedostaje ") + name);
    return it->second;
  };
  const OutputFormat format = outputFormat(o);

  check::InputSelection s;
  s.employer = number(o, "--employer");
  s.paymentType = required("--type");
  s.year = required("--year");
  s.month = required("--month");
  s.firstDay = number(o, "--from");
  s.lastDay = number(o, "--to");
  s.file = std::filesystem::absolute(file);

  // The window does not let these values stand.
  for (const CheckResult& refused :
       {check::checkSelectionYear(s.year), check::checkSelectionMonth(s.month, s.paymentType),
        check::checkSelectionDay(o.at("--from"), true, s.month, s.year),
        check::checkSelectionDay(o.at("--to"), false, s.month, s.year)})
    if (refused) {
      inv.err << refused->message << "\n";
      return 2;
    }

  Context ctx(inv.workDir);
  const SystemClock clock;
  CliReporter reporter(inv.err);
  const auto outcome = check::runInputCheck(ctx, clock, s, reporter);
  if (!outcome.completed) return 2;

  const auto& summary = outcome.summary;
  if (format != OutputFormat::Json)
    printInputCounts(format == OutputFormat::Text ? inv.out : inv.err, summary.linesRead,
                     summary.linesAccepted, summary.linesWithErrors);
  FindingsWriter writer(inv.out, format,
                        {{"linesRead", summary.linesRead},
                         {"linesAccepted", summary.linesAccepted},
                         {"linesWithErrors", summary.linesWithErrors}});
  bool first = true;
  const int rc = forEachListedFinding(ctx, [&](const ListedFinding& f) {
    if (format == OutputFormat::Text)
      printListedFinding(inv.out, f, first);
    else
      writer.add(sharedRow(f));
    first = false;
  });
  if (rc != 0) {
    inv.err << "Greška " << storeErrorText(rc) << " (TBGRESKE.DAT)\n";
    return 2;
  }
  writer.finish();
  return summary.linesWithErrors > 0 ? 1 : 0;
}

}  // namespace obrazac::cli
