// obrazac-cli send: the processing run of one obligor, from its monthly data to the submission
// file with its control number, as "&Obrada obveznika" of the sending window does it. Every
// entry is checked as if it had been typed into the window, then the run's own checks follow.
#include <ostream>

#include "cli/cli_reporter.h"
#include "data/codepage.h"
#include "form/sending_header.h"
#include "submission/control_number.h"
#include "submission/sending_run.h"

namespace obrazac::cli {

int runSend(const Invocation& inv) {
  const auto o = parseOptions(inv.args, {"--employer", "--type", "--year", "--month", "--from",
                                         "--to", "--paid", "--date", "--form", "--collective"});
  auto required = [&](const char* name) -> const std::string& {
    const auto it = o.find(name);
    if (it == o.end()) throw UsageError(std::string("nedostaje ") + name);
    return it->second;
  };
  auto given = [&](const char* name) { return o.find(name) != o.end(); };

  Context ctx(inv.workDir);
  const SystemClock clock;
  form::SendingHeader h = form::defaultSendingHeader(clock);
  try {
    h.employer = std::stoi(required("--employer"));
  } catch (const std::logic_error&) {
    throw UsageError("--employer: '" + o.at("--employer") + "' nije broj obveznika");
  }
  // The window offers only obligors that exist.
  if (const int rc = form::chooseEmployer(ctx, h)) {
    inv.err << "Greška " << rc << "\n";
    return 1;
  }
  h.paymentType = cp1250FromUtf8(required("--type"));
  // Accepting the calculation year or month proposes it as the payment year or month.
  if (given("--year")) h.year = h.paymentYear = o.at("--year");
  if (given("--month")) h.month = h.paymentMonth = o.at("--month");
  h.firstDay = required("--from");
  h.lastDay = required("--to");
  if (given("--paid")) {
    const std::string& paid = o.at("--paid");
    const auto dash = paid.find('-');
    if (dash == std::string::npos) throw UsageError("--paid: '" + paid + "' nije GGGG-MM");
    h.paymentYear = paid.substr(0, dash);
    h.paymentMonth = paid.substr(dash + 1);
  }
  if (given("--date")) h.sendingDate = parseDate(o.at("--date"), "--date");
  if (given("--form")) h.formNumber = o.at("--form");
  if (given("--collective")) {
    const std::string& job = o.at("--collective");
    if (job != "new" && job != "add") throw UsageError("--collective: new ili add");
    h.method = form::SendingMethod::Collective;
    h.job = job == "new" ? form::CollectiveJob::NewFile : form::CollectiveJob::AddToFile;
  }

  // The window puts the focus back on an entry it refuses; here the refusal ends the command.
  const auto entries = form::checkAllEntries(h);
  for (const auto& m : entries) inv.err << m.text << "\n";
  if (!entries.empty()) return 1;

  CliReporter reporter(inv.out, inv.err);
  const auto outcome = submission::runSending(ctx, h, reporter);
  if (outcome.result != submission::RunResult::Succeeded) return 1;
  inv.out << "Datoteka: " << outcome.outputFile.string() << "\n"
          << "Kontrolni broj: " << submission::groupedControlNumber(outcome.controlNumber) << "\n";
  return 0;
}

}  // namespace obrazac::cli
