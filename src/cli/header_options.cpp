#include "cli/header_options.h"

#include <stdexcept>

#include "cli/cli_reporter.h"
#include "data/codepage.h"

namespace obrazac::cli {

HeaderEntries headerFromOptions(Context& ctx, std::span<const std::string> args,
                                form::HeaderWindow window) {
  using F = form::HeaderField;
  const auto o = parseOptions(args, {"--employer", "--type", "--year", "--month", "--from", "--to",
                                     "--paid", "--date", "--form", "--collective"});
  limitWidths(o, {{"--type", 2},
                  {"--year", 4},
                  {"--month", 2},
                  {"--from", 2},
                  {"--to", 2},
                  {"--paid", 7},
                  {"--form", 3}});
  auto required = [&](const char* name) -> const std::string& {
    const auto it = o.find(name);
    if (it == o.end()) throw UsageError(std::string("nedostaje ") + name);
    return it->second;
  };
  auto given = [&](const char* name) { return o.find(name) != o.end(); };

  const SystemClock clock;
  HeaderEntries e;
  e.header = form::defaultSendingHeader(clock);
  form::SendingHeader& h = e.header;
  try {
    h.employer = std::stoi(required("--employer"));
  } catch (const std::logic_error&) {
    throw UsageError("--employer: '" + o.at("--employer") + "' nije broj obveznika");
  }
  std::string paidYear, paidMonth;
  if (given("--paid")) {
    const std::string& paid = o.at("--paid");
    const auto dash = paid.find('-');
    if (dash == std::string::npos) throw UsageError("--paid: '" + paid + "' nije GGGG-MM");
    paidYear = paid.substr(0, dash);
    paidMonth = paid.substr(dash + 1);
  }
  h.paymentType = cp1250FromUtf8(required("--type"));
  const std::string& from = required("--from");
  const std::string& to = required("--to");
  if (given("--date"))
    if (const auto refused = form::takeSendingDate(h, o.at("--date")))
      throw UsageError("--date: " + refused->text);
  if (given("--collective")) {
    const std::string& job = o.at("--collective");
    if (job != "new" && job != "add") throw UsageError("--collective: new ili add");
    h.method = form::SendingMethod::Collective;
    h.job = job == "new" ? form::CollectiveJob::NewFile : form::CollectiveJob::AddToFile;
  }

  // The window offers only obligors that exist; choosing one proposes the next form number.
  e.employer = form::chooseEmployer(ctx, h);
  if (!e.employer.ok()) return e;
  if (given("--form")) h.formNumber = o.at("--form");

  // Typed in screen order; accepting the calculation year or month proposes the payment's.
  auto type = [&](F entry, std::string& value, const std::string* typed) {
    if (typed) value = *typed;
    const auto check = form::acceptEntry(h, entry, window);
    e.messages.insert(e.messages.end(), check.messages.begin(), check.messages.end());
  };
  auto option = [&](const char* name) { return given(name) ? &o.at(name) : nullptr; };
  type(F::Year, h.year, option("--year"));
  type(F::Month, h.month, option("--month"));
  type(F::FirstDay, h.firstDay, &from);
  type(F::LastDay, h.lastDay, &to);
  type(F::PaymentYear, h.paymentYear, given("--paid") ? &paidYear : nullptr);
  type(F::PaymentMonth, h.paymentMonth, given("--paid") ? &paidMonth : nullptr);
  return e;
}

}  // namespace obrazac::cli
