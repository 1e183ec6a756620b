#include "takeover/takeover_run.h"

#include <cstdio>
#include <system_error>

#include "check/input_findings.h"
#include "check/input_line_checks.h"
#include "check/line_selection.h"
#include "check/payment_file.h"
#include "check/payment_line.h"
#include "data/codepage.h"
#include "data/field_value.h"
#include "data/file_replace.h"
#include "data/fixed_width.h"
#include "data/status.h"
#include "form/form_request.h"
#include "form/page_a.h"
#include "form/page_b.h"
#include "register/obligor_lookup.h"
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
    reporter_.message(message);
    stop(Status::refused(message), focus);
  }
  // Ends the run for a reason already shown.
  void stop(Status why, HeaderField focus = HeaderField::None) {
    out_.sending.status = std::move(why);
    out_.focus = focus;
  }
  // A failure of the page B archive, naming the form whose rows it holds.
  std::string archiveFailure(int code) const {
    return Status::store(code, "stranica B obrasca " + utf8FromCp1250(form_.identity.link) +
                                   " (TBOSIGUR.DAT)")
        .text();
  }
  void emptyFindings();
  bool copyInput();
  bool readEmployer();
  bool readLines();
  void takeLine(const check::PaymentLine& line, const check::PaymentFileReader& reader,
                check::LineChecker& checker);
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
  if (!guard.begin({"OSI", "A", "POS", "TBT"}, files.output.parent_path()))
    return stop(guard.refusal());

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
    const std::string stopped = "Obrada je prekinuta, provjerite popis grešaka i upozorenja.";
    reporter_.status(stopped);
    return stop(Status::refused(stopped), HeaderField::Year);
  }

  // Page A, then the records, the control number and the output file.
  const auto pageA = form::buildPageA(ctx_, form_, reporter_, form::ObligorMB::NumericNotZero);
  if (!pageA.built())
    return stop(pageA.status.ok() ? Status::refused("Obrada prekinuta. Preuzeto 0 redaka")
                                  : pageA.status);
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
  // Only a file can be taken over: a folder or a missing name is refused before the copy.
  std::string refused = inputFileRefusal(from, header_.inputFile);
  if (refused.empty())
    if (const std::string failed = replaceFileByCopy(from, input.file()); !failed.empty())
      refused = inputFileFailure(header_.inputFile, failed);
  if (!refused.empty()) {
    fail(refused, HeaderField::InputFile);
    return false;
  }
  if (input.open(AccessMode::DenyWrite) != 0) {
    fail("Greška. Open TBUPLATE " + std::string(input.errorText()));
    return false;
  }
  // A file whose lines end in CR alone would be read as one line: it is refused before the old
  // page B rows go.
  if (const Status ends = check::PaymentFileReader(input).checkLineEnds(); !ends.ok()) {
    fail(ends.text(), HeaderField::InputFile);
    return false;
  }
  return true;
}

bool Takeover::readEmployer() {
  const Status read = readObligor(ctx_, h_.employer);
  if (!read.ok()) fail(read.text(), HeaderField::Employer);
  return read.ok();
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
    fail(archiveFailure(rc));
    return false;
  }
  if (const int rc = form::removeFormRows(osi, form_, reporter_)) {
    osi.rollback();
    reopenArchive();
    fail(archiveFailure(rc));
    return false;
  }

  // The lines are checked against the employer's kind of obligor and the form's payment type
  // and period.
  check::LineChecker checker(ctx_, clock_, check::LinePath::Takeover,
                             {h_.obligorKind, form_.paymentType, form_.year, form_.month});
  Table& input = ctx_.table("OSI1");
  check::PaymentFileReader reader(input);
  check::PaymentLine line;
  while (reader.next(line)) takeLine(line, reader, checker);
  // A file that cannot be read to its end would give a form of part of it.
  if (reader.error() != 0) {
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
    fail(archiveFailure(c));
    return false;
  }
  reopenArchive();
  return true;
}

void Takeover::takeLine(const check::PaymentLine& line, const check::PaymentFileReader& reader,
                        check::LineChecker& checker) {
  TakeoverSummary& sum = out_.summary;
  const bool selected = check::lineSelected(selection_, line);
  // A line too long to hold, or hidden behind the end mark, is reported; when it belongs to the
  // form, the form would miss what it dropped, so no file is made.
  const bool faulty = !reader.fault().empty();
  if (faulty) {
    addFinding(line, reader.fault());
    ++sum.withMessage;
    if (selected) lineFailed_ = true;
  }
  if (reader.hidden()) return;
  ++sum.read;
  // The rows of one person follow each other; an amount of 0 may stand for the person's
  // positive amount in another row.
  person_.take(line.jmbg, line.amounts);

  if (!selected) {
    addFinding(line, "Redak nije preuzet.");
    if (!faulty) ++sum.withMessage;
    return;
  }
  // A control byte would reach the submission file raw: the line was refused above, and with it
  // the form.
  if (reader.controlByte()) return;
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
  if (checked_.hasMessage && !faulty) ++sum.withMessage;
  if (checked_.rates) {
    o.setDecimal(o.index("STOPA1"), checked_.rates->firstFromPay);
    o.setDecimal(o.index("STOPA2"), checked_.rates->firstOnPay);
    o.setDecimal(o.index("STOPA11"), checked_.rates->secondFromPay);
    o.setDecimal(o.index("STOPA22"), checked_.rates->secondOnPay);
  }
  if (checked_.erroneous || faulty) {
    lineFailed_ = true;
    return;
  }
  // A row that cannot be stored would be missing from the file: the run does not file it.
  if (const int rc = osi.add()) {
    reporter_.message(
        "Greška kod upisa: " +
        Status::store(rc, "JMBG " + std::string(line.jmbg) + " u TBOSIGUR.DAT").text());
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
