// obrazac-cli send-month: the forms of every obligor for one month in one run, into one
// collective file (or one file per obligor with --separate), with a summary of each obligor's
// form or the reason it was refused. Exits 1 when any obligor was refused or the collective
// file was not made; the others are made all the same.
#include <ostream>
#include <vector>

#include "cli/cli_reporter.h"
#include "cli/register_command.h"
#include "data/codepage.h"
#include "submission/month_sending.h"

namespace obrazac::cli {

int runSendMonth(const Invocation& inv) {
  std::vector<std::string> words;
  bool separate = false;
  for (const auto& w : inv.args)
    if (w == "--separate")
      separate = true;
    else
      words.push_back(w);
  RegisterWords o;
  o.extra = parseOptions(words, {"--year", "--month", "--paid", "--date", "--type"});
  limitWidths(o.extra, {{"--type", 2}, {"--paid", 7}});
  submission::MonthRequest request;
  request.separate = separate;
  request.year = numberOption(o, "--year", 4);
  request.month = numberOption(o, "--month", 2);
  if (!o.has("--paid")) throw UsageError("nedostaje --paid");
  const std::string& paid = o.extra.at("--paid");
  const bool shaped =
      paid.size() == 7 && paid[4] == '-' &&
      (paid.substr(0, 4) + paid.substr(5)).find_first_not_of("0123456789") == std::string::npos;
  if (!shaped) throw UsageError("--paid: '" + paid + "' nije GGGG-MM");
  request.paymentYear = std::stoi(paid.substr(0, 4));
  request.paymentMonth = std::stoi(paid.substr(5));
  if (!o.has("--date")) throw UsageError("nedostaje --date");
  request.sent = parseDate(o.extra.at("--date"), "--date");
  if (o.has("--type")) request.paymentType = cp1250FromUtf8(o.extra.at("--type"));

  Context ctx(inv.workDir);
  CliReporter reporter(inv.err);
  const auto outcome = submission::runMonthSending(ctx, request, reporter);
  for (const auto& line : submission::monthSummary(outcome)) inv.out << line << "\n";
  return outcome.allDone() ? 0 : 1;
}

}  // namespace obrazac::cli
