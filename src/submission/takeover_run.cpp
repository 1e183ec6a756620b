#include "submission/takeover_run.h"

#include <cstdio>
#include <system_error>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/numeric_text.h"
#include "data/picture.h"
#include "form/form_request.h"
#include "form/page_a.h"
#include "form/page_b.h"
#include "submission/output_files.h"

namespace obrazac::submission {
namespace fs = std::filesystem;
using form::HeaderField;

namespace {

std::string formatted(const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// A number of the payment line (year, month, day) as its value: leading blanks, then digits up
// to the first other character; none gives 0.
int lineNumber(std::string_view text) {
  std::size_t at = text.find_first_not_of(' ');
  int value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = value * 10 + (text[at] - '0');
    if (value > 100'000) break;
  }
  return value;
}

// An identification number as compared: itself when numeric, otherwise zeros of its width.
std::string orZeros(std::string_view value, std::size_t width) {
  return isNumeric(value) ? padRight(value, width) : std::string(width, '0');
}

// The employer or a line named by MB (8), unit (4) and JMBG (13).
struct Identity {
  std::string mb, unit, jmbg;
  bool operator==(const Identity&) const = default;
};

// The payment type as the lines write it: two digits with a leading zero.
std::string twoDigitType(std::string_view type) {
  const auto t = clipRight(type);
  if (t.empty() || t.find_first_not_of("0123456789 ") != std::string_view::npos)
    return padRight(t, 2);
  return formatted("%02d", lineNumber(t));
}

class Takeover {
 public:
  Takeover(Context& ctx, TakeoverHeader& header, RunReporter& reporter)
      : ctx_(ctx), header_(header), h_(header.form), reporter_(reporter) {}

  // The run, after which the findings list is open to the review windows and the copy of the
  // input file is let go.
  TakeoverOutcome execute() {
    run();
    ctx_.table("OSI1").close();
    if (findingsTaken_) {
      Table& findings = ctx_.table("GRE");
      findings.close();
      findings.open();
    }
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
  void takeLine(const Record& line);
  void addFinding(const Record& line, std::string_view message);

  Context& ctx_;
  TakeoverHeader& header_;
  form::SendingHeader& h_;
  RunReporter& reporter_;
  TakeoverOutcome out_;
  form::FormRequest form_;
  Identity employer_;
  std::string paymentType_;  // the header's, as the lines write it
  bool lineFailed_ = false;  // a belonging line had an error or could not be stored
  bool findingsTaken_ = false;
};

void Takeover::run() {
  // 1. The authorised person, then a findings list of this run only.
  if (const auto refused = form::checkAuthorisedPerson(ctx_)) return fail(refused->text);
  emptyFindings();

  // 2. The header.
  const auto check = form::checkProcessing(ctx_, h_, form::HeaderWindow::Takeover);
  for (const auto& notice : check.notices) reporter_.message(notice.text);
  if (check.failure) {
    out_.sending.failedCheck = check.failure;
    return fail(check.failure->text, check.failure->field);
  }

  // 3.-4. The input file into the working folder, the employer and its identification.
  if (!copyInput() || !readEmployer()) return;
  const Record& pos = ctx_.table("POS").record();
  form_ = form::formRequestOf(h_, pos.text(pos.index("JMBG")));
  const FormFiles files = formFilesOf(ctx_.table("APL").record(), form_, ctx_.workDir());
  out_.sending.outputFile = files.output;
  out_.sending.collectiveFile = files.collective;
  paymentType_ = twoDigitType(h_.paymentType);

  // 5.-6. The old page B rows go; the lines of the form become the new ones.
  if (!readLines()) return;

  // 7. The counts, also in the summary window.
  TakeoverSummary& sum = out_.summary;
  reporter_.status("Pročitano=" + formatted("%5d", sum.read) +
                   " Preuzeto=" + formatted("%5d", sum.taken));
  sum.shown = true;
  if (sum.withMessage > 0) sum.note = kTakeoverNote;

  // 8. Only a form of sound lines is filed.
  if (sum.taken == 0 || lineFailed_) {
    reporter_.status("Obrada je prekinuta, provjerite popis grešaka i upozorenja.");
    return fail("", HeaderField::Year);
  }

  // 9.-10. Page A, then the records, the control number and the output file.
  if (!form::buildPageA(ctx_, form_, reporter_, form::ObligorMB::NumericNotZero).built())
    return fail("");
  finishSubmission(ctx_, h_, form_, files, RowOrigin::TakenOver, reporter_, out_.sending);
}

// Findings of an earlier run would read as this file's; a list that cannot be emptied is
// reported and the run goes on, as with every work table.
void Takeover::emptyFindings() {
  Table& findings = ctx_.table("GRE");
  findings.close();
  findingsTaken_ = true;
  if (const int rc = findings.open(AccessMode::DenyAll)) {
    reporter_.message("Greška pri otvaranju TBGRESKE " + std::string(findings.errorText()));
    return;
  }
  if (findings.empty() != 0)
    reporter_.message("Greška pri pražnjenju TBGRESKE " + std::string(findings.errorText()));
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
  employer_ = {orZeros(r.text(r.index("MB01")), 8), orZeros(r.text(r.index("MB02")), 4),
               orZeros(r.text(r.index("JMBG")), 13)};
  out_.summary.employerMB = employer_.mb;
  out_.summary.employerJmbg = employer_.jmbg;
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
  auto reopenShared = [&] {
    osi.close();
    osi.open();
  };
  if (const int rc = osi.begin()) {
    reopenShared();
    fail("Greška " + std::to_string(rc));
    return false;
  }
  if (const int rc = form::removeFormRows(osi, form_, reporter_)) {
    osi.rollback();
    reopenShared();
    fail("Greška " + std::to_string(rc));
    return false;
  }

  Table& input = ctx_.table("OSI1");
  const Record& line = input.record();
  input.setPhysical();
  int rc;
  while ((rc = input.next()) == 0) takeLine(line);
  if (rc != err::kRecordNotAvailable) {
    reporter_.message("Greška. Read TBUPLATE " + std::string(input.errorText()));
    lineFailed_ = true;
  }
  if (const int c = osi.commit()) {
    osi.rollback();
    reopenShared();
    fail("Greška " + std::to_string(c));
    return false;
  }
  reopenShared();
  return true;
}

void Takeover::takeLine(const Record& line) {
  TakeoverSummary& sum = out_.summary;
  ++sum.read;
  auto text = [&](const char* name) -> const std::string& { return line.text(line.index(name)); };

  // The line belongs to the form when it names the employer, the period and the payment type.
  const std::string_view mb = text("MB");
  const Identity id{orZeros(mb.substr(0, 8), 8), orZeros(mb.substr(8, 4), 4),
                    orZeros(text("MB2"), 13)};
  const int first = lineNumber(text("OBRRAZD1")), last = lineNumber(text("OBRRAZD2"));
  const bool belongs = id == employer_ && lineNumber(text("GODOBRA")) == form_.year &&
                       lineNumber(text("OBRMJE")) == form_.month && first >= form_.firstDay &&
                       first <= form_.lastDay && last >= form_.firstDay && last <= form_.lastDay &&
                       text("VRSTAUPLA") == paymentType_;
  if (!belongs) {
    addFinding(line, "Redak nije preuzet.");
    ++sum.withMessage;
    return;
  }

  const std::string name = utf8FromCp1250(clipRight(text("PREZIME")));
  if (sum.read < 100)
    reporter_.status(formatted("%5d", sum.read) + ". Formalna kontrola za = " + name);
  if (sum.read % 100 == 0) reporter_.status("Obrađeno redaka " + std::to_string(sum.read));

  // The page B row of the line.
  Table& osi = ctx_.table("OSI");
  Record& o = osi.record();
  auto set = [&](const char* field, std::string_view value) { o.setText(o.index(field), value); };
  o.clear();
  set("RBOSOB", "00000");
  set("JMBG", text("JMBG"));
  set("PREZIME", text("PREZIME"));
  set("OPCINA", text("OPCINA"));
  set("CLANDN", text("CLANDN"));
  set("OSNOVA1", text("OSNOVA1"));
  set("OSNOVA3", text("OSNOVA3"));
  o.setInteger(o.index("OBRRAZD1"), first);
  o.setInteger(o.index("OBRRAZD2"), last);
  o.setInteger(o.index("GODOBRA"), form_.year);
  o.setInteger(o.index("OBRMJE"), form_.month);
  set("IDENTIFIKATOR", form_.identity.identifier);
  set("VRSUPL", form_.paymentType);
  set("KONVEZA", form_.identity.link);
  for (const char* amount : {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"})
    o.setDecimal(o.index(amount), readAmount(text(amount)).value_or(Decimal()));

  // TODO line checks of the takeover path
  const bool erroneous = false;

  if (erroneous) {
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

void Takeover::addFinding(const Record& line, std::string_view message) {
  (void)line;
  (void)message;
}

}  // namespace

TakeoverOutcome runTakeover(Context& ctx, TakeoverHeader& header, RunReporter& reporter) {
  return Takeover(ctx, header, reporter).execute();
}

}  // namespace obrazac::submission
