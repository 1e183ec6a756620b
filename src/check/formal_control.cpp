#include "check/formal_control.h"

#include <array>
#include <system_error>

#include "app/application_parameters.h"
#include "check/code_lookups.h"
#include "check/record_checks.h"
#include "data/picture.h"
#include "submission/record_format.h"

namespace obrazac::check {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kPieceWidth = 50;
constexpr std::int64_t kProgressEvery = 10;

// Appends each finding as a row of TBIZLAZ1.DAT and keeps the counts; the first append that
// fails is kept and later findings are not written.
class TableSink final : public FindingSink {
 public:
  explicit TableSink(Table& findings) : table_(findings) {
    const Record& r = table_.record();
    line_ = r.index("REDBROJ");
    field_ = r.index("KOLONA");
    type_ = r.index("TIP");
    context_ = r.index("PREZIME");
    message_ = r.index("GRESKA");
  }

  void startLine(std::int64_t line) {
    lineNumber_ = line;
    lineFindings_ = 0;
  }
  bool lineHasFindings() const { return lineFindings_ > 0; }

  void add(std::string_view field, Severity severity, std::string_view context,
           std::string_view message) override {
    ++lineFindings_;
    ++(severity == Severity::Error ? errors : warnings);
    if (failed) return;
    Record& r = table_.record();
    r.clear();
    r.setInteger(line_, lineNumber_);
    r.setText(field_, field);
    const char type = static_cast<char>(severity);
    r.setText(type_, std::string_view(&type, 1));
    r.setText(context_, context);
    r.setText(message_, message);
    if (table_.append() != 0) failed = true;
  }

  std::int64_t errors = 0, warnings = 0;
  bool failed = false;

 private:
  Table& table_;
  int line_, field_, type_, context_, message_;
  std::int64_t lineNumber_ = 0;
  int lineFindings_ = 0;
};

class Run {
 public:
  Run(Context& ctx, const fs::path& file, const Clock& clock, RunReporter& reporter)
      : ctx_(ctx), file_(file), clock_(clock), reporter_(reporter) {}

  FormalControlOutcome execute();

 private:
  FormalControlOutcome& fail(const std::string& message) {
    reporter_.message(message);
    out_.failure = message;
    out_.checked = false;
    return out_;
  }
  bool takeFile();
  bool readLines(Table& copy, Table& lines, Table& findings);

  Context& ctx_;
  const fs::path& file_;
  const Clock& clock_;
  RunReporter& reporter_;
  FormalControlOutcome out_;
};

// Opens a work table exclusively and empties it, so a run never mixes its rows with another's.
// Returns the message of the step that failed, empty on success.
std::string takeWorkTable(Table& t) {
  const std::string name = t.decl().file;
  t.close();
  if (t.open(AccessMode::DenyAll) != 0)
    return "Greška pri otvaranju " + name + " " + std::string(t.errorText());
  if (t.empty() != 0) return "Greška pri pražnjenju " + name + " " + std::string(t.errorText());
  return {};
}

void reopenShared(Table& t) {
  t.close();
  t.open();
}

FormalControlOutcome Run::execute() {
  // The authorised person must have been entered.
  if (readParameters(ctx_) == 0 && authorisedPersonMissing(ctx_.table("APL").record()))
    return fail(std::string(kAuthorisedPersonMessage));

  // The findings of the last run are dropped before anything else.
  Table& findings = ctx_.table("ULZ1");
  if (const std::string error = takeWorkTable(findings); !error.empty()) return fail(error);

  // The file is read from its copy in the working folder.
  if (!takeFile()) {
    reopenShared(findings);
    return out_;
  }

  // The lines of the last run go, and the copy is opened.
  Table& lines = ctx_.table("ULZ");
  if (const std::string error = takeWorkTable(lines); !error.empty()) {
    reopenShared(findings);
    return fail(error);
  }
  reporter_.status("Malo strpljenja. Radim...");
  Table& copy = ctx_.table("TVL");
  if (copy.open(AccessMode::ReadOnly) != 0) {
    reopenShared(lines);
    reopenShared(findings);
    return fail("Greška. Open TBVELOR1.TXT " + std::string(copy.errorText()));
  }

  // Every line, then the keys of both tables built once.
  out_.checked = readLines(copy, lines, findings);
  if (!out_.checked) {
    // A half-written result would pass for the whole file's: both tables stay empty.
    lines.rollback();
    findings.rollback();
  } else {
    if (lines.build() != 0) {
      fail("Greška " + std::string(lines.errorText()));
      findings.rollback();  // findings of lines that are not there
    } else if (findings.build() != 0) {
      fail("Greška " + std::string(findings.errorText()));
    }
  }

  // The result stays for the review, the report and the transcript.
  copy.close();
  copy.open(AccessMode::ReadOnly);
  reopenShared(lines);
  reopenShared(findings);
  if (out_.checked) reporter_.status("Izvršena je kontrola datoteke.");
  return out_;
}

// Copies the chosen file over TBVELOR1.TXT. Only a regular file is taken: a folder, a device or
// a pipe would never end or never copy.
bool Run::takeFile() {
  Table& copy = ctx_.table("TVL");
  copy.close();
  const std::string refused = "Greška kod preuzimanja podataka " + file_.string();
  std::error_code ec;
  if (!fs::is_regular_file(file_, ec)) {
    fail(refused);
    return false;
  }
  if (fs::exists(copy.file(), ec) && fs::equivalent(file_, copy.file(), ec)) return true;
  if (!fs::copy_file(file_, copy.file(), fs::copy_options::overwrite_existing, ec) || ec) {
    fail(refused);
    return false;
  }
  return true;
}

bool Run::readLines(Table& copy, Table& lines, Table& findings) {
  static const NumberPicture n5("n5");
  CodeLookups lookups(ctx_, clock_);
  RecordChecker checker(lookups, clock_);
  TableSink sink(findings);

  const Record& in = copy.record();
  const int redak = in.index("REDAK"), tip = in.index("TIP");
  Record& out = lines.record();
  const int number = out.index("REDBROJ"), type = out.index("TIPSLOGA"),
            marked = out.index("GRESKA");
  const std::array<int, 5> pieces = {out.index("REDAK1"), out.index("REDAK2"), out.index("REDAK3"),
                                     out.index("REEDAK4"), out.index("REDAK5")};
  std::string line, progress;
  line.reserve(static_cast<std::size_t>(submission::kRecordWidth));

  copy.setPhysical();
  while (copy.next() == 0) {
    const std::int64_t n = ++out_.lines;
    if (n % kProgressEvery == 0) {
      progress = "Obrađeno ";
      n5.appendTo(progress, Decimal(n));
      progress += " redaka";
      reporter_.status(progress);
    }
    // The reader pads a short line with blanks, so its type is blank and it gets no checks.
    line.assign(in.text(redak)).append(in.text(tip));
    sink.startLine(n);
    checker.check(line, sink);

    // Every field of the row is set, so the buffer needs no clearing first.
    out.setInteger(number, n);
    out.setText(type, in.text(tip));
    out.setText(marked, sink.lineHasFindings() ? "D" : " ");
    for (std::size_t p = 0; p < pieces.size(); ++p)
      out.setText(pieces[p], std::string_view(line).substr(p * kPieceWidth, kPieceWidth));
    if (lines.append() != 0) {
      fail("Greška " + std::string(lines.errorText()));
      return false;
    }
    if (sink.failed) {
      fail("Greška " + std::string(findings.errorText()));
      return false;
    }
  }
  out_.errors = sink.errors;
  out_.warnings = sink.warnings;
  if (copy.error() != err::kRecordNotAvailable) {
    fail("Greška. Read TBVELOR1.TXT " + std::string(copy.errorText()));
    return false;
  }
  return true;
}

}  // namespace

FormalControlOutcome runFormalControl(Context& ctx, const fs::path& file, const Clock& clock,
                                      RunReporter& reporter) {
  return Run(ctx, file, clock, reporter).execute();
}

}  // namespace obrazac::check
