#include "check/input_check_run.h"

#include "app/application_parameters.h"
#include "check/input_line_checks.h"
#include "check/line_selection.h"
#include "check/payment_file.h"
#include "check/payment_line.h"
#include "data/codepage.h"
#include "data/file_replace.h"
#include "data/fixed_width.h"
#include "data/numeric_text.h"
#include "data/picture.h"
#include "data/status.h"
#include "register/obligor_lookup.h"
#include "submission/output_files.h"
#include "submission/work_files.h"

namespace obrazac::check {
namespace fs = std::filesystem;

namespace {

constexpr int kFirstYear = 2005;

class Run {
 public:
  Run(Context& ctx, const Clock& clock, const InputSelection& selection, RunReporter& reporter,
      FindingNumbers& numbers)
      : ctx_(ctx),
        clock_(clock),
        selection_(selection),
        reporter_(reporter),
        numbers_(numbers),
        gre_(ctx.table("GRE")),
        osi1_(ctx.table("OSI1")),
        osi3_(ctx.table("OSI3")),
        osi4_(ctx.table("OSI4")) {}

  InputCheckOutcome execute() {
    if (prepare()) {
      readFile();
    } else {
      // A stopped run leaves the tables it emptied open to the lists again.
      for (Table* t : {&gre_, &osi3_, &osi4_})
        if (t->isOpen()) submission::reopenShared(*t);
    }
    return std::move(out_);
  }

 private:
  bool prepare();
  void readFile();
  void finish();
  bool stop(std::string message, std::string field = {}) {
    reporter_.message(message);
    out_.status = Status::refused(std::move(message));
    out_.failedField = std::move(field);
    return false;
  }
  void empty(Table& t, const char* name, bool withErrorText);
  void keepFinding(const PaymentLine& line, std::string_view message);
  void writeFailed(Table& t);

  Context& ctx_;
  const Clock& clock_;
  const InputSelection& selection_;
  RunReporter& reporter_;
  FindingNumbers& numbers_;
  Table& gre_;
  Table& osi1_;
  Table& osi3_;
  Table& osi4_;
  InputCheckOutcome out_;
  LineSelection lines_;
  std::string obligorType_;
  bool writeFailureShown_ = false;
  std::int64_t lineNumber_ = 0;  // the file line being checked
};

// Closes, opens exclusively and empties a work table; a failure is shown and the run goes on.
void Run::empty(Table& t, const char* name, bool withErrorText) {
  const auto prepared = submission::prepareWorkFile(t);
  if (prepared.ok()) return;
  std::string text = prepared.failedStep == submission::WorkFileStep::Open
                         ? "Greška pri otvaranju "
                         : "Greška pri pražnjenju ";
  text += name;
  if (withErrorText) text += " " + std::string(t.errorText());
  reporter_.message(text);
}

void Run::keepFinding(const PaymentLine& line, std::string_view message) {
  const auto number = numbers_.take();
  if (number && appendFinding(gre_, line, message, *number) == 0) {
    ++out_.findings;
    out_.findingLines.resize(static_cast<std::size_t>(*number), 0);
    out_.findingLines.back() = lineNumber_;
  } else {
    ++out_.findingsNotKept;
  }
}

// A work row that cannot be written is shown once; the run goes on.
void Run::writeFailed(Table& t) {
  if (writeFailureShown_) return;
  writeFailureShown_ = true;
  reporter_.message("Greška kod upisa: " + Status::store(t.error(), t.decl().file).text());
}

bool Run::prepare() {
  // 1. The authorised person must have been entered.
  readParameters(ctx_);
  if (authorisedPersonMissing(ctx_.table("APL").record()))
    return stop(
        "Ispravite podatke o ovlaštenoj osobi.| Ispravak izvršite kroz Servisi/Aplikacijski "
        "parametri");

  // 2. No finding of an earlier run survives.
  empty(gre_, "TBGRESKE", true);

  // 3. The period.
  const std::string year = cp1250FromUtf8(selection_.year);
  const std::string month = cp1250FromUtf8(selection_.month);
  if (!isNumeric(year))
    reporter_.message("Greška. Godina mora biti numerik");
  else if (!isNumeric(year, 4))
    reporter_.message("Greška. Godina mora biti 4-znamenkasta");
  lines_.year = readLineNumber(year);
  if (lines_.year < kFirstYear) return stop("Greška. Godina mora biti veća od 2004", "GLO:ObrGod");
  if (!isNumeric(month)) return stop("Mjesec mora biti numerik", "GLO:ObrMje");
  lines_.month = readLineNumber(month);
  if (lines_.month < 0 || lines_.month > 12) return stop("Pogrešna oznaka mjeseca", "GLO:ObrMje");
  lines_.firstDay = selection_.firstDay;
  lines_.lastDay = selection_.lastDay;
  lines_.paymentType = twoDigitPaymentType(cp1250FromUtf8(selection_.paymentType));

  // 5. The chosen file over TBUPLATE.DAT; only a plain file can be taken (a folder or a device
  // would give nothing or never end).
  osi1_.close();
  fs::path source = selection_.file;
  if (!source.empty() && source.is_relative()) source = ctx_.workDir() / source;
  const std::string shown = selection_.file.string();
  if (std::string refused = submission::inputFileRefusal(source, shown); !refused.empty())
    return stop(std::move(refused), "GLO:UlazFile");
  if (const std::string failed = replaceFileByCopy(source, osi1_.file()); !failed.empty())
    return stop(submission::inputFileFailure(shown, failed), "GLO:UlazFile");

  // 6. The copy opens.
  if (osi1_.open() != 0) return stop("Greška. Open TBUPLATE " + std::string(osi1_.errorText()));
  // A file whose lines end in CR alone would be read as one line.
  if (const Status ends = PaymentFileReader(osi1_).checkLineEnds(); !ends.ok())
    return stop(ends.text(), "GLO:UlazFile");

  // 7. The employer and the identifiers its lines carry.
  if (const Status read = readObligor(ctx_, selection_.employer); !read.ok())
    return stop(read.text());
  const Record& employer = ctx_.table("POS").record();
  lines_.employer = employerIdentityOf(employer);
  obligorType_ = employer.text(employer.index("VRSTOBVEZNIKA"));

  // 8.-9.
  reporter_.status("Malo strpljenja. Radim...");
  empty(osi3_, "TBOSIGU2.DAT", false);
  empty(osi4_, "TBOSIGU3.DAT", false);

  InputCheckSummary& s = out_.summary;
  s.employerMB = lines_.employer.mb;
  s.employerMBG = lines_.employer.mbg;
  s.firstDay = lines_.firstDay;
  s.lastDay = lines_.lastDay;
  s.paymentType = lines_.paymentType;
  s.year = lines_.year;
  s.month = lines_.month;

  // 10. The file from its start.
  osi1_.close();
  if (osi1_.open() != 0) return stop("Greška. Open TBUPLATE.DAT " + std::string(osi1_.errorText()));
  return true;
}

void Run::readFile() {
  LineChecker checker(ctx_, clock_, LinePath::InputCheck,
                      {obligorType_, lines_.paymentType, lines_.year, lines_.month});
  PersonAmountMemory person;
  PaymentLine line;
  LineCheckResult result;
  InputCheckSummary& s = out_.summary;

  PaymentFileReader reader(osi1_);
  bool anySelected = false;
  while (reader.next(line)) {
    lineNumber_ = reader.lineNumber();
    // A line too long to hold, hidden behind the end mark or holding a control byte is
    // reported; a selected one is never accepted.
    const bool faulty = !reader.fault().empty();
    if (faulty) {
      keepFinding(line, reader.fault());
      ++out_.faultyLines;
    }
    if (reader.hidden()) {
      if (lineSelected(lines_, line)) ++s.linesWithErrors;
      continue;
    }
    ++s.linesRead;
    if (s.linesRead % 64 == 0 && reporter_.stopRequested()) {
      stop(std::string(kInputCheckStopped));
      break;
    }

    // Every line is kept as read, with the chosen period.
    Record& all = osi4_.record();
    all.clear();
    fillPersonRow(all, line, lines_.year, lines_.month, line.vrstaupla);
    if (osi4_.append() != 0) writeFailed(osi4_);

    // The person's amounts run over every line, the skipped ones too.
    person.take(line.jmbg, line.amounts);
    if (!lineSelected(lines_, line)) continue;
    anySelected = true;

    reporter_.status("Formalna kontrola za = " + utf8FromCp1250(clipRight(line.prezime)));
    Record& accepted = osi3_.record();
    accepted.clear();
    fillPersonRow(accepted, line, lines_.year, lines_.month, lines_.paymentType);

    checker.check(line, person, result);
    for (const auto& f : result.findings) keepFinding(line, f.message);
    if (result.erroneous || faulty) {
      ++s.linesWithErrors;
    } else if (osi3_.append() == 0) {
      ++s.linesAccepted;
    } else {
      writeFailed(osi3_);
    }
  }
  if (s.linesRead > 0 && !anySelected) out_.note = kNoLineSelected;
  finish();
}

void Run::finish() {
  // The keys of the rows appended during the run.
  for (Table* t : {&gre_, &osi3_, &osi4_})
    if (t->isOpen() && t->build() != 0) reporter_.message("Greška " + std::string(t->errorText()));
  if (out_.findingsNotKept > 0)
    reporter_.message("Nije upisano nalaza u TBGRESKE: " + std::to_string(out_.findingsNotKept));

  reporter_.status("Ukupno obrađeno=" + formatNumber(Decimal(out_.summary.linesRead), "n5"));
  // Open to the lists of the window.
  for (Table* t : {&osi1_, &osi3_, &osi4_, &gre_}) submission::reopenShared(*t);
}

}  // namespace

InputCheckOutcome runInputCheck(Context& ctx, const Clock& clock, const InputSelection& selection,
                                RunReporter& reporter, FindingNumbers& numbers) {
  return Run(ctx, clock, selection, reporter, numbers).execute();
}

InputCheckOutcome runInputCheck(Context& ctx, const Clock& clock, const InputSelection& selection,
                                RunReporter& reporter) {
  FindingNumbers numbers;
  return runInputCheck(ctx, clock, selection, reporter, numbers);
}

}  // namespace obrazac::check
