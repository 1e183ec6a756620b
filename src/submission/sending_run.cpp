#include "submission/sending_run.h"

#include <stdexcept>
#include <vector>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "form/form_request.h"
#include "form/page_a.h"
#include "form/page_b.h"
#include "submission/control_number.h"
#include "submission/output_files.h"
#include "submission/records.h"
#include "submission/work_files.h"

namespace obrazac::submission {
namespace fs = std::filesystem;
using form::SendingHeader;

namespace {

constexpr const char* kWorkFiles[] = {"VEL", "SL0", "SL3", "SL5", "SL7", "SL9"};

class Run {
 public:
  Run(Context& ctx, SendingHeader& header, RunReporter& reporter)
      : ctx_(ctx), header_(header), reporter_(reporter) {}

  // The run, after which the work files it emptied are open to readers again.
  SendingOutcome execute() {
    SendingOutcome out = run();
    reopenWorkFiles();
    return out;
  }

 private:
  SendingOutcome run();
  SendingOutcome& fail(const std::string& message) {
    if (!message.empty()) reporter_.message(message);
    out_.result = RunResult::Failed;
    return out_;
  }
  bool prepareWorkFiles();
  bool writeRecords(const Record& apl, const Record& pageA);
  bool write(Table& file, const std::string& line);
  bool openList(bool fresh);
  void addToList(const Record& pos, bool fresh);
  void reopenWorkFiles();

  Context& ctx_;
  SendingHeader& header_;
  RunReporter& reporter_;
  form::FormRequest form_;
  std::string listedName_;
  SendingOutcome out_;
  bool workFilesTaken_ = false;
};

SendingOutcome Run::run() {
  // 1. The header checks, the authorised person first.
  const auto check = form::checkProcessing(ctx_, header_);
  for (const auto& notice : check.notices) reporter_.message(notice.text);
  if (check.failure) {
    out_.failedCheck = check.failure;
    return fail(check.failure->text);
  }
  const Record apl = ctx_.table("APL").record();
  Record& pos = ctx_.table("POS").record();

  // 2. The form's identity and the names of the files it goes into.
  form_ = form::formRequestOf(header_, pos.text(pos.index("JMBG")));
  const auto izlazdir = apl.text(apl.index("IZLAZDIR"));
  const std::string fileName = form::outputFileName(form_.employer, form_.year, form_.formNumber);
  const std::string outputText = folderText(izlazdir) + fileName;
  out_.outputFile = resolveInWorkDir(outputText, ctx_.workDir());
  out_.collectiveFile = outputFolder(izlazdir, ctx_.workDir()) / "VELOR.RM0";
  listedName_ = listedFileText(outputText, fileName);
  out_.result = RunResult::Started;

  // 3.-5. The obligor (read by the checks), page B and page A.
  const auto pageB = form::buildPageBRows(ctx_, form_, reporter_);
  if (pageB.failed || pageB.taken == 0) return fail("");
  if (!form::buildPageA(ctx_, form_, reporter_).built()) return fail("");
  const Record pageA = ctx_.table("A").record();

  // 6. The previous file of this form no longer describes it.
  std::error_code ec;
  fs::remove(out_.outputFile, ec);

  // 7.-8. The records, each into its work file and into TBVELOR.TXT.
  if (!prepareWorkFiles()) return fail("");
  if (!writeRecords(apl, pageA)) return fail("");

  // 9. The control number of the file written.
  const Table& velor = ctx_.table("VEL");
  const ControlNumber hash = controlNumberOfFile(velor.file());
  if (!hash.ok()) return fail("Greška pri određivanju SHA broja " + hash.error);

  // The list of processed obligors is taken before the file is produced, so a list that cannot
  // be opened leaves no file behind.
  const bool fresh = header_.method != form::SendingMethod::Collective ||
                     header_.job == form::CollectiveJob::NewFile;
  if (!openList(fresh)) return fail("");

  // 10.-11. The output file, then the obligor in the list.
  if (const std::string error = copyFileSafely(velor.file(), out_.outputFile); !error.empty()) {
    reporter_.status("Greška pri formiranju datoteke " + error);
    reopenShared(ctx_.table("TBT"));
    return fail("Greška pri formiranju datoteke " + error);
  }
  reporter_.status("Obrada je završena i određen SHA broj");
  addToList(pos, fresh);
  if (out_.result == RunResult::Failed) return out_;

  // 12. The control number on page A.
  Table& a = ctx_.table("A");
  Record& r = a.record();
  r.clear();
  r.setText(r.index("KONVEZA"), form_.identity.link);
  if (a.get("KEYIDENTIKATOR") != 0)
    return fail("Greška kod ažuriranja SHA broja (1)=" + utf8FromCp1250(form_.identity.identifier));
  r.setText(r.index("KONZNAK"), groupedControlNumber(hash.digits));
  if (a.put() != 0) return fail("Greška kod ažuriranja SHA broja (2)");
  out_.controlNumber = hash.digits;
  out_.result = RunResult::Succeeded;
  reporter_.status("OBVEZNIK JE USPJEŠNO OBRAĐEN-" + out_.outputFile.string());

  // 14. The obligors processed next while the window stays open join the same list.
  if (header_.method == form::SendingMethod::Collective &&
      header_.job == form::CollectiveJob::NewFile)
    header_.job = form::CollectiveJob::AddToFile;
  return out_;
}

// A work file that cannot be emptied would give a file with another run's records in it.
bool Run::prepareWorkFiles() {
  workFilesTaken_ = true;
  for (const char* prefix : kWorkFiles) {
    Table& t = ctx_.table(prefix);
    const auto prepared = prepareWorkFile(t);
    if (prepared.ok()) continue;
    const std::string name(workFileName(t));
    reporter_.message(prepared.failedStep == WorkFileStep::Open
                          ? "Greška kod otvaranja " + name
                          : "Greška kod pražnjenja " + name + " " + std::string(t.errorText()));
    return false;
  }
  return true;
}

bool Run::write(Table& file, const std::string& line) {
  if (appendLine(file, line) == 0) return true;
  reporter_.message("Greška kod upisa u " + std::string(workFileName(file)) + " " +
                    std::string(file.errorText()));
  return false;
}

bool Run::writeRecords(const Record& apl, const Record& pageA) {
  Table& velor = ctx_.table("VEL");
  auto both = [&](const char* prefix, const std::string& line) {
    return write(ctx_.table(prefix), line) && write(velor, line);
  };
  const form::FormRequest& f = form_;
  const RowOrigin origin = RowOrigin::MonthlyData;
  try {
    if (!both("SL0", senderRecord(apl, senderIdentification(apl, SenderRule::Numeric),
                                  header_.sendingDate)))
      return false;
    ctx_.table("SL0").close();
    const FormPeriod period{f.year, f.month, f.paymentYear, f.paymentMonth};
    if (!both("SL3", formHeaderRecord(pageA, period, origin))) return false;
    ctx_.table("SL3").close();

    // The person's ordinal within the form grows with each new JMBG in page B order.
    int rows = 0, ordinal = 0;
    std::string previous;
    bool written = true;
    const int jmbg = ctx_.table("OSI").record().index("JMBG");
    const int rc = form::forEachFormRow(ctx_, f.identity.link, [&](const Record& row) {
      if (row.text(jmbg) != previous) {
        ++ordinal;
        previous = row.text(jmbg);
      }
      ++rows;
      return written = both("SL5", rowRecord(row, ordinal, origin));
    });
    if (!written) return false;
    if (rc != 0) {
      reporter_.message("Greška " + std::to_string(rc));
      return false;
    }
    ctx_.table("SL5").close();
    if (!both("SL7", formClosingRecord(pageA, rows, header_.sendingDate, origin))) return false;
    ctx_.table("SL7").close();
    if (!both("SL9", fileClosingRecord(senderIdentification(apl, SenderRule::Length),
                                       header_.sendingDate, 1)))
      return false;
  } catch (const std::overflow_error& e) {
    reporter_.message(std::string("Greška. ") + e.what());
    return false;
  }
  ctx_.table("SL9").close();
  velor.close();
  return true;
}

bool Run::openList(bool fresh) {
  Table& list = ctx_.table("TBT");
  list.close();
  const int rc = list.open(fresh ? AccessMode::DenyAll : AccessMode::DenyNone);
  if (rc == 0) return true;
  reporter_.message("Greška. Open TBTMPDAT " + std::string(list.errorText()));
  return false;
}

void Run::addToList(const Record& pos, bool fresh) {
  Table& list = ctx_.table("TBT");
  // A list left with the rows of an earlier sending would join them into the next collective file.
  if (fresh && list.empty() != 0) {
    fail("Greška. Empty TBTMPDAT " + std::string(list.errorText()));
    reopenShared(list);
    return;
  }
  Record& t = list.record();
  auto text = [&](const char* name) { return pos.text(pos.index(name)); };
  t.clear();
  t.setInteger(t.index("FIRMA"), form_.employer);
  t.setText(t.index("MB01"), text("MB01") + text("MB02"));
  t.setText(t.index("MB02"), text("JMBG"));
  t.setText(t.index("IMEFIRME"), text("NAZIV"));
  t.setText(t.index("IDENTIFIKATOR"), form_.identity.link);
  t.setText(t.index("IMEFILE"), listedName_);
  if (list.add() != 0) reporter_.message("Greška. Add TBTMPDAT " + std::string(list.errorText()));
  list.close();
  list.open();
}

void Run::reopenWorkFiles() {
  if (!workFilesTaken_) return;
  for (const char* prefix : kWorkFiles) reopenShared(ctx_.table(prefix));
}

}  // namespace

SendingOutcome runSending(Context& ctx, SendingHeader& header, RunReporter& reporter) {
  return Run(ctx, header, reporter).execute();
}

}  // namespace obrazac::submission
