#include "takeover/takeover_run.h"

#include <cstdio>
#include <system_error>

#include "check/input_findings.h"
#include "check/input_line_checks.h"
#include "check/line_selection.h"
#include "check/payment_line.h"
#include "data/codepage.h"
#include "data/fixed_width.h"
#include "form/form_request.h"
#include "form/page_a.h"
#include "form/page_b.h"
#include "submission/output_files.h"
#include "submission/run_guard.h"
#include "submission/work_files.h"

namespace obrazac::submission {
namespace fs = std::filesystem;
using form::HeaderField;

namespace {

std::string formatted(const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

class Takeover {
 public:
  Takeover(Context& ctx, TakeoverHeader& header, const Clock& clock, RunReporter& reporter)
      : ctx_(ctx), header_(header), h_(header.form), clock_(clock), reporter_(reporter) {}

  // The run, after which the findings list is open to the review windows and the copy of the
  // input file is let go.
  TakeoverOutcome execute() {
    run();
    ctx_.table("OSI1").close();
    if (findingsTaken_) reopenShared(ctx_.table("GRE"));
    return out_;
  }

 private:
  void run();
  void fail(const std::string& message, HeaderField focus = HeaderField::None) {
    if (!message.empty()) reporter_.message(message);
    out_.sending.result = RunResult::Failed;
    out_.focus = focus;
  }
  void emptyFindings();
  bool copyInput();
  bool readEmployer();
  bool readLines();
  void takeLine(const check::PaymentLine& line, check::LineChecker& checker);
  void addFinding(const check::PaymentLine& line, std::string_view message);

  Context& ctx_;
  TakeoverHeader& header_;
  form::SendingHeader& h_;
  const Clock& clock_;
  RunReporter& reporter_;
  TakeoverOutcome out_;
  form::FormRequest form_;
  check::LineSelection selection_;
  PersonAmountMemory person_;
  check::LineCheckResult checked_;
  check::FindingNumbers numbers_;
  bool lineFailed_ = false;  // a belonging line had an error or could not be stored
  bool findingsTaken_ = false;
  int findingsNotKept_ = 0;
};

void Takeover::run() {
  // The authorised person, then a findings list of this run only.
  if (const auto refused = form::checkAuthorisedPerson(ctx_)) return fail(refused->text);
  emptyFindings();

  // The header.
  const auto check = form::checkProcessing(ctx_, h_, form::HeaderWindow::Takeover);
  for (const auto& notice : check.notices) reporter_.message(notice.text);
  if (check.failure) {
    out_.sending.failedCheck = check.failure;
    return fail(check.failure->text, check.failure->field);
  }

  // The input file into the working folder, the employer and its identification.
  if (!copyInput() || !readEmployer()) return;
  // The lines write their payment type with two digits; so does the form of them.
  form::SendingHeader typed = h_;
  typed.paymentType = check::twoDigitPaymentType(h_.paymentType);
  const Record& pos = ctx_.table("POS").record();
  form_ = form::formRequestOf(typed, pos.text(pos.index("JMBG")));
  const FormFiles files = formFilesOf(ctx_.table("APL").record(), form_, ctx_.workDir());
  out_.sending.outputFile = files.output;
  out_.sending.collectiveFile = files.collective;
  selection_ = {check::employerIdentityOf(pos),
                form_.paymentType,
                form_.year,
                form_.month,
                form_.firstDay,
                form_.lastDay};
  out_.summary.employerMB = selection_.employer.mb;
  out_.summary.employerJmbg = selection_.employer.mbg;

  // The run changes page B, page A, the obligor's form number and the list, all or nothing; the
  // findings stay for review whatever happens.
  RunGuard guard(ctx_, reporter_);
  if (!guard.begin({"OSI", "A", "POS", "TBT"}, files.output.parent_path())) return fail("");

  // The old page B rows go; the lines of the form become the new ones.
  if (!readLines()) return;

  // The counts, also shown in the summary window.
  TakeoverSummary& sum = out_.summary;
  reporter_.status("Pročitano=" + formatted("%5d", sum.read) +
                   " Preuzeto=" + formatted("%5d", sum.taken));
  sum.shown = true;
  if (sum.withMessage > 0) sum.note = kTakeoverNote;

  // Only a form of sound lines is filed.
  if (sum.taken == 0 || lineFailed_) {
    reporter_.status("Obrada je prekinuta, provjerite popis grešaka i upozorenja.");
    return fail("", HeaderField::Year);
  }

  // Page A, then the records, the control number and the output file.
  if (!form::buildPageA(ctx_, form_, reporter_, form::ObligorMB::NumericNotZero).built())
    return fail("");
  finishSubmission(ctx_, h_, form_, files, RowOrigin::TakenOver, guard, reporter_, out_.sending);
}

// Findings of an earlier run would read as this file's; a list that cannot be emptied is
// reported and the run goes on, as with every work table.
void Takeover::emptyFindings() {
  Table& findings = ctx_.table("GRE");
  findingsTaken_ = true;
  const auto prepared = prepareWorkFile(findings);
  if (prepared.ok()) return;
  reporter_.message((prepared.failedStep == WorkFileStep::Open
                         ? "Greška pri otvaranju TBGRESKE "
                         : "Greška pri pražnjenju TBGRESKE ") +
                    std::string(findings.errorText()));
}

bool Takeover::copyInput() {
  Table& input = ctx_.table("OSI1");
  input.close();
  const fs::path from = resolveInWorkDir(header_.inputFile, ctx_.workDir());
  std::error_code ec;
  // Only a file can be taken over: a folder or a missing name is refused before the copy.
  const bool isFile = fs::is_regular_file(from, ec);
  if (!isFile || !copyFileSafely(from, input.file()).empty()) {
    fail("Greška kod preuzimanja podataka " + header_.inputFile, HeaderField::InputFile);
    return false;
  }
  if (input.open(AccessMode::DenyWrite) != 0) {
    fail("Greška. Open TBUPLATE " + std::string(input.errorText()));
    return false;
  }
  return true;
}

bool Takeover::readEmployer() {
  Table& pos = ctx_.table("POS");
  int rc = pos.open();
  if (rc == err::kFileAlreadyOpen) rc = 0;
  Record& r = pos.record();
  if (rc == 0) {
    r.clear();
    r.setInteger(r.index("REDBROJ"), h_.employer);
    rc = pos.get("KEYREDBROJ");
  }
  if (rc != 0) {
    fail("Greška " + std::to_string(rc), HeaderField::Employer);
    return false;
  }
  return true;
}

bool Takeover::readLines() {
  Table& osi = ctx_.table("OSI");
  osi.close();
  if (osi.open(AccessMode::DenyAll) != 0) {
    fail("Greška pri otvaranju TBOSIGUR.DAT");
    osi.open();
    return false;
  }
  // The old rows go and the new ones come in one transaction on the archive.
  auto reopenArchive = [&] {
    osi.close();
    osi.open();
  };
  if (const int rc = osi.begin()) {
    reopenArchive();
    fail("Greška " + std::to_string(rc));
    return false;
  }
  if (const int rc = form::removeFormRows(osi, form_, reporter_)) {
    osi.rollback();
    reopenArchive();
    fail("Greška " + std::to_string(rc));
    return false;
  }

  // The lines are checked against the employer's kind of obligor and the form's payment type
  // and period.
  check::LineChecker checker(ctx_, clock_, check::LinePath::Takeover,
                             {h_.obligorKind, form_.paymentType, form_.year, form_.month});
  Table& input = ctx_.table("OSI1");
  check::PaymentLine line;
  input.setPhysical();
  int rc;
  while ((rc = input.next()) == 0) {
    check::readPaymentLine(input.record(), line);
    takeLine(line, checker);
  }
  // A file that cannot be read to its end would give a form of part of it.
  if (rc != err::kRecordNotAvailable) {
    reporter_.message("Greška. Read TBUPLATE " + std::string(input.errorText()));
    lineFailed_ = true;
  }
  Table& findings = ctx_.table("GRE");
  if (findings.isOpen() && findings.build() != 0)
    reporter_.message("Greška " + std::string(findings.errorText()));
  if (findingsNotKept_ > 0)
    reporter_.message("Nije upisano nalaza u TBGRESKE: " + std::to_string(findingsNotKept_));
  if (const int c = osi.commit()) {
    osi.rollback();
    reopenArchive();
    fail("Greška " + std::to_string(c));
    return false;
  }
  reopenArchive();
  return true;
}

void Takeover::takeLine(const check::PaymentLine& line, check::LineChecker& checker) {
  TakeoverSummary& sum = out_.summary;
  ++sum.read;
  // The rows of one person follow each other; an amount of 0 may stand for the person's
  // positive amount in another row.
  person_.take(line.jmbg, line.amounts);

  if (!check::lineSelected(selection_, line)) {
    addFinding(line, "Redak nije preuzet.");
    ++sum.withMessage;
    return;
  }
  const std::string name = utf8FromCp1250(clipRight(line.prezime));
  if (sum.read < 100)
    reporter_.status(formatted("%5d", sum.read) + ". Formalna kontrola za = " + name);
  if (sum.read % 100 == 0) reporter_.status("Obrađeno redaka " + std::to_string(sum.read));

  // The page B row of the line, with the rates its checks look up.
  Table& osi = ctx_.table("OSI");
  Record& o = osi.record();
  o.clear();
  check::fillPersonRow(o, line, form_.year, form_.month, form_.paymentType);
  o.setText(o.index("RBOSOB"), "00000");
  o.setText(o.index("IDENTIFIKATOR"), form_.identity.identifier);
  o.setText(o.index("KONVEZA"), form_.identity.link);

  checker.check(line, person_, checked_);
  for (const auto& finding : checked_.findings) addFinding(line, finding.message);
  if (checked_.hasMessage) ++sum.withMessage;
  if (checked_.rates) {
    o.setDecimal(o.index("STOPA1"), checked_.rates->firstFromPay);
    o.setDecimal(o.index("STOPA2"), checked_.rates->firstOnPay);
    o.setDecimal(o.index("STOPA11"), checked_.rates->secondFromPay);
    o.setDecimal(o.index("STOPA22"), checked_.rates->secondOnPay);
  }
  if (checked_.erroneous) {
    lineFailed_ = true;
    return;
  }
  // A row that cannot be stored would be missing from the file: the run does not file it.
  if (const int rc = osi.add()) {
    reporter_.message("Greška kod upisa " + std::to_string(rc));
    lineFailed_ = true;
    return;
  }
  ++sum.taken;
}

// A finding that cannot be kept does not change the run; how many were lost is told at the end.
void Takeover::addFinding(const check::PaymentLine& line, std::string_view message) {
  Table& findings = ctx_.table("GRE");
  const auto number = numbers_.take();
  if (!findings.isOpen() || !number || check::appendFinding(findings, line, message, *number) != 0)
    ++findingsNotKept_;
}

}  // namespace

TakeoverOutcome runTakeover(Context& ctx, TakeoverHeader& header, const Clock& clock,
                            RunReporter& reporter) {
  return Takeover(ctx, header, clock, reporter).execute();
}

}  // namespace obrazac::submission
