// obrazac-cli check-input: the input check of a payment file, as "&Kontrola podataka" of the
// window "Kontrola ulaznih podataka" runs it. The selection is checked as the window checks it
// while it is typed; the run then fills TBOSIGU3, TBOSIGU2 and TBGRESKE in the working folder.
// Prints the three counts of the summary and the findings. Exit 0 when no selected line has an
// error, 1 when some line was rejected, 2 when the run could not run.
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "check/input_check_run.h"
#include "check/input_selection_checks.h"
#include "cli/cli_reporter.h"
#include "data/fixed_width.h"

namespace obrazac::cli {
namespace {

constexpr const char* kRead = "Ukupno obrađeno redaka";
constexpr const char* kAccepted = "Retci koji zadovoljavaju kontrolama";
constexpr const char* kWithErrors = "Podaci sa upozorenjima";

// Messages on standard error; the per-line progress texts of the window are left out.
class QuietReporter final : public RunReporter {
 public:
  explicit QuietReporter(std::ostream& err) : err_(err) {}
  void status(std::string_view) override {}
  void message(std::string_view text) override { err_ << text << "\n"; }
  Answer ask(std::string_view text, bool) override {
    err_ << text << " - Ne\n";
    return Answer::No;
  }

 private:
  std::ostream& err_;
};

struct FindingRow {
  long long number;
  std::string jmbg;  // UTF-8
  std::string text;  // UTF-8
};

std::string csvField(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", c);
      out += esc;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

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

// The findings of the run in their order.
std::vector<FindingRow> findingsOf(Context& ctx) {
  std::vector<FindingRow> rows;
  Table& gre = ctx.table("GRE");
  if (!gre.isOpen() && gre.open(AccessMode::ReadOnly) != 0) return rows;
  gre.clear();
  if (gre.set("KEYREDBROJ") != 0) return rows;
  while (gre.next() == 0) {
    const Record& r = gre.record();
    rows.push_back({r.integer(r.index("RB")), r.display("JMBG"), r.display("OPIS")});
  }
  return rows;
}

void printText(std::ostream& out, const check::InputCheckSummary& s,
               const std::vector<FindingRow>& findings) {
  out << kRead << ": " << s.linesRead << "\n"
      << kAccepted << ": " << s.linesAccepted << "\n"
      << kWithErrors << ": " << s.linesWithErrors << "\n";
  if (findings.empty()) return;
  out << "\n   Rb MBG           Opis\n";
  for (const auto& f : findings) {
    char rb[16];
    std::snprintf(rb, sizeof rb, "%5lld", f.number);
    out << rb << " " << f.jmbg << std::string(f.jmbg.size() < 13 ? 13 - f.jmbg.size() : 0, ' ')
        << " " << f.text << "\n";
  }
}

void printCsv(std::ostream& out, const check::InputCheckSummary& s,
              const std::vector<FindingRow>& findings) {
  out << csvField(kRead) << "," << csvField(kAccepted) << "," << csvField(kWithErrors) << "\n"
      << s.linesRead << "," << s.linesAccepted << "," << s.linesWithErrors << "\n\n"
      << "\"Rb\",\"MBG\",\"Opis\"\n";
  for (const auto& f : findings)
    out << f.number << "," << csvField(f.jmbg) << "," << csvField(f.text) << "\n";
}

void printJson(std::ostream& out, const check::InputCheckSummary& s,
               const std::vector<FindingRow>& findings) {
  out << "{" << jsonString(kRead) << ": " << s.linesRead << ", " << jsonString(kAccepted) << ": "
      << s.linesAccepted << ", " << jsonString(kWithErrors) << ": " << s.linesWithErrors
      << ", \"nalazi\": [";
  for (std::size_t i = 0; i < findings.size(); ++i)
    out << (i ? ", " : "") << "{\"rb\": " << findings[i].number
        << ", \"mbg\": " << jsonString(findings[i].jmbg)
        << ", \"opis\": " << jsonString(findings[i].text) << "}";
  out << "]}\n";
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
  const std::string format = o.count("--format") ? o.at("--format") : "text";
  if (format != "text" && format != "csv" && format != "json")
    throw UsageError("--format: text, csv ili json");

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
  QuietReporter reporter(inv.err);
  const auto outcome = check::runInputCheck(ctx, clock, s, reporter);
  if (!outcome.completed) return 2;

  const auto findings = findingsOf(ctx);
  if (format == "csv")
    printCsv(inv.out, outcome.summary, findings);
  else if (format == "json")
    printJson(inv.out, outcome.summary, findings);
  else
    printText(inv.out, outcome.summary, findings);
  return outcome.summary.linesWithErrors > 0 ? 1 : 0;
}

}  // namespace obrazac::cli
