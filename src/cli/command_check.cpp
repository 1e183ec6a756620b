// obrazac-cli check: the formal control of a submission file, as "&Kontrola datoteke" of the
// formal-control window runs it, followed by the transcript TBIZLAZ2.TXT in the working folder.
// The findings are printed in the order of line and field code: as the transcript's lines, or
// as CSV or JSON lines for other programs. Exit 0 without errors ("F"), 1 with errors, 2 when
// the file could not be checked.
#include <ostream>
#include <string>

#include "check/findings_transcript.h"
#include "check/formal_control.h"
#include "cli/cli_reporter.h"
#include "data/codepage.h"
#include "data/fixed_width.h"

namespace obrazac::cli {
namespace {

enum class Format { Text, Csv, Json };

// The run's progress texts are for a window; here only its messages count, on standard error.
class MessagesOnly final : public RunReporter {
 public:
  explicit MessagesOnly(std::ostream& err) : err_(err) {}
  void status(std::string_view) override {}
  void message(std::string_view text) override { err_ << text << "\n"; }
  Answer ask(std::string_view, bool) override { return Answer::No; }

 private:
  std::ostream& err_;
};

class Silent final : public RunReporter {
 public:
  void status(std::string_view) override {}
  void message(std::string_view) override {}
  Answer ask(std::string_view, bool) override { return Answer::No; }
};

std::string csvField(const std::string& utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string jsonString(const std::string& utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void print(std::ostream& out, Format format, const check::Finding& f) {
  switch (format) {
    case Format::Text:
      for (const auto& line : check::transcriptLines(f))
        out << utf8FromCp1250(clipRight(line)) << "\n";
      return;
    case Format::Csv:
      out << f.line << "," << csvField(f.field) << "," << static_cast<char>(f.severity) << ","
          << csvField(utf8FromCp1250(f.context)) << "," << csvField(utf8FromCp1250(f.message))
          << "\n";
      return;
    case Format::Json:
      out << "{\"redak\":" << f.line << ",\"kolona\":" << jsonString(f.field) << ",\"tip\":\""
          << static_cast<char>(f.severity)
          << "\",\"kontekst\":" << jsonString(utf8FromCp1250(f.context))
          << ",\"poruka\":" << jsonString(utf8FromCp1250(f.message)) << "}\n";
      return;
  }
}

}  // namespace

int runCheck(const Invocation& inv) {
  if (inv.args.empty()) throw UsageError("nedostaje datoteka");
  const std::string& file = inv.args[0];
  const auto o = parseOptions(inv.args.subspan(1), {"--format"});
  Format format = Format::Text;
  if (const auto it = o.find("--format"); it != o.end()) {
    if (it->second == "csv")
      format = Format::Csv;
    else if (it->second == "json")
      format = Format::Json;
    else if (it->second != "text")
      throw UsageError("--format: text, csv ili json");
  }

  Context ctx(inv.workDir);
  const SystemClock clock;
  MessagesOnly reporter(inv.err);
  const auto outcome = check::runFormalControl(ctx, file, clock, reporter);
  if (!outcome.checked) return 2;

  Silent quiet;
  if (!check::writeTranscript(ctx, quiet).written)
    inv.err << "Greška pri formiranju TBIZLAZ2.TXT\n";
  inv.out << "Izvršena je kontrola datoteke.\n";
  if (format == Format::Text)
    inv.out << "Pročitano redaka: " << outcome.lines << ", grešaka (F): " << outcome.errors
            << ", upozorenja (U): " << outcome.warnings << "\n";
  if (format == Format::Csv) inv.out << "redak,kolona,tip,kontekst,poruka\n";
  if (const int rc =
          check::forEachFinding(ctx, [&](const check::Finding& f) { print(inv.out, format, f); });
      rc != 0) {
    inv.err << "Greška " << storeErrorText(rc) << "\n";
    return 2;
  }
  return outcome.errors > 0 ? 1 : 0;
}

}  // namespace obrazac::cli
