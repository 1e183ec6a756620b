#include "submission/finish_submission.h"

#include <stdexcept>

#include "data/codepage.h"
#include "form/page_b.h"
#include "submission/control_number.h"
#include "submission/output_files.h"
#include "submission/work_files.h"

namespace obrazac::submission {
namespace fs = std::filesystem;

namespace {

constexpr const char* kWorkFiles[] = {"VEL", "SL0", "SL3", "SL5", "SL7", "SL9"};

class Finish {
 public:
  Finish(Context& ctx, form::SendingHeader& header, const form::FormRequest& form,
         const FormFiles& files, RowOrigin origin, RunGuard& guard, RunReporter& reporter,
         SendingOutcome& out)
      : ctx_(ctx),
        header_(header),
        form_(form),
        files_(files),
        origin_(origin),
        guard_(guard),
        reporter_(reporter),
        out_(out) {}

  // The steps, after which the work files they emptied are open to readers again.
  void execute() {
    run();
    if (!workFilesTaken_) return;
    for (const char* prefix : kWorkFiles) reopenShared(ctx_.table(prefix));
  }

 private:
  void run();
  void fail(const std::string& message) {
    if (!message.empty()) reporter_.message(message);
    out_.result = RunResult::Failed;
  }
  bool prepareWorkFiles();
  bool writeRecords(const Record& apl, const Record& pageA);
  bool write(Table& file, const std::string& line);
  bool openList(bool fresh);
  void addToList(const Record& pos, bool fresh);
  void reportFailedCopy(const std::string& error);

  Context& ctx_;
  form::SendingHeader& header_;
  const form::FormRequest& form_;
  const FormFiles& files_;
  const RowOrigin origin_;
  RunGuard& guard_;
  RunReporter& reporter_;
  SendingOutcome& out_;
  bool workFilesTaken_ = false;
};

void Finish::run() {
  out_.outputFile = files_.output;
  out_.collectiveFile = files_.collective;
  const Record apl = ctx_.table("APL").record();
  const Record pageA = ctx_.table("A").record();
  const Record& pos = ctx_.table("POS").record();

  // The records, each into its work file and into TBVELOR.TXT.
  if (!prepareWorkFiles()) return fail("");
  if (!writeRecords(apl, pageA)) return fail("");

  // The control number of the file written.
  const Table& velor = ctx_.table("VEL");
  const ControlNumber hash = controlNumberOfFile(velor.file());
  if (!hash.ok()) return fail("Greška pri određivanju SHA broja " + hash.error);

  // The list of processed obligors is taken before the file is produced, so a list that cannot
  // be opened leaves no file behind.
  const bool fresh = header_.method != form::SendingMethod::Collective ||
                     header_.job == form::CollectiveJob::NewFile;
  if (!openList(fresh)) return fail("");

  // The new output file beside the old one, then the obligor in the list.
  if (const std::string error = guard_.produce(velor.file(), out_.outputFile); !error.empty()) {
    reopenShared(ctx_.table("TBT"));
    return reportFailedCopy(error);
  }
  reporter_.status("Obrada je završena i određen SHA broj");
  addToList(pos, fresh);
  if (out_.result == RunResult::Failed) return;

  // The control number on page A.
  Table& a = ctx_.table("A");
  Record& r = a.record();
  r.clear();
  r.setText(r.index("KONVEZA"), form_.identity.link);
  if (a.get("KEYIDENTIKATOR") != 0)
    return fail("Greška kod ažuriranja SHA broja (1)=" + utf8FromCp1250(form_.identity.identifier));
  r.setText(r.index("KONZNAK"), groupedControlNumber(hash.digits));
  if (a.put() != 0) return fail("Greška kod ažuriranja SHA broja (2)");
  if (const std::string error = guard_.commit(); !error.empty())
    return fail("Greška pri formiranju datoteke " + error);
  out_.controlNumber = hash.digits;
  out_.result = RunResult::Succeeded;
  reporter_.status("OBVEZNIK JE USPJEŠNO OBRAĐEN-" + out_.outputFile.string());

  // The obligors processed next while the window stays open join the same list.
  if (header_.method == form::SendingMethod::Collective &&
      header_.job == form::CollectiveJob::NewFile)
    header_.job = form::CollectiveJob::AddToFile;
}

// A file that cannot be made in the output folder cannot be handed in: the run fails, so page A
// keeps no control number of a file that does not exist. The takeover window names the file.
void Finish::reportFailedCopy(const std::string& error) {
  const std::string text = origin_ == RowOrigin::TakenOver
                               ? "Greška, file: " + out_.outputFile.string() + " Error=" + error
                               : "Greška pri formiranju datoteke " + error;
  reporter_.status(text);
  fail(text);
}

// A work file that cannot be emptied would give a file with another run's records in it.
bool Finish::prepareWorkFiles() {
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

bool Finish::write(Table& file, const std::string& line) {
  if (appendLine(file, line) == 0) return true;
  reporter_.message("Greška kod upisa u " + std::string(workFileName(file)) + " " +
                    std::string(file.errorText()));
  return false;
}

bool Finish::writeRecords(const Record& apl, const Record& pageA) {
  Table& velor = ctx_.table("VEL");
  auto both = [&](const char* prefix, const std::string& line) {
    return write(ctx_.table(prefix), line) && write(velor, line);
  };
  const form::FormRequest& f = form_;
  // Taken-over data name their sender by the numeric test in both sender records.
  const SenderRule closingRule =
      origin_ == RowOrigin::TakenOver ? SenderRule::Numeric : SenderRule::Length;
  try {
    if (!both("SL0", senderRecord(apl, senderIdentification(apl, SenderRule::Numeric),
                                  header_.sendingDate)))
      return false;
    ctx_.table("SL0").close();
    const FormPeriod period{f.year, f.month, f.paymentYear, f.paymentMonth};
    if (!both("SL3", formHeaderRecord(pageA, period, origin_))) return false;
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
      return written = both("SL5", rowRecord(row, ordinal, origin_));
    });
    if (!written) return false;
    if (rc != 0) {
      reporter_.message("Greška " + std::to_string(rc));
      return false;
    }
    ctx_.table("SL5").close();
    if (!both("SL7", formClosingRecord(pageA, rows, header_.sendingDate, origin_))) return false;
    ctx_.table("SL7").close();
    if (!both("SL9",
              fileClosingRecord(senderIdentification(apl, closingRule), header_.sendingDate, 1)))
      return false;
  } catch (const std::overflow_error& e) {
    reporter_.message(std::string("Greška. ") + e.what());
    return false;
  }
  ctx_.table("SL9").close();
  velor.close();
  return true;
}

bool Finish::openList(bool fresh) {
  Table& list = ctx_.table("TBT");
  list.close();
  const int rc = list.open(fresh ? AccessMode::DenyAll : AccessMode::DenyNone);
  if (rc == 0) return true;
  reporter_.message("Greška. Open TBTMPDAT " + std::string(list.errorText()));
  return false;
}

void Finish::addToList(const Record& pos, bool fresh) {
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
  t.setText(t.index("IMEFILE"), files_.listed);
  if (list.add() != 0) reporter_.message("Greška. Add TBTMPDAT " + std::string(list.errorText()));
  list.close();
  list.open();
}

}  // namespace

FormFiles formFilesOf(const Record& apl, const form::FormRequest& form, const fs::path& workDir) {
  const auto izlazdir = apl.text(apl.index("IZLAZDIR"));
  const std::string fileName = form::outputFileName(form.employer, form.year, form.formNumber);
  const std::string outputText = folderText(izlazdir) + fileName;
  return {resolveInWorkDir(outputText, workDir), outputFolder(izlazdir, workDir) / "VELOR.RM0",
          listedFileText(outputText, fileName)};
}

void finishSubmission(Context& ctx, form::SendingHeader& header, const form::FormRequest& form,
                      const FormFiles& files, RowOrigin origin, RunGuard& guard,
                      RunReporter& reporter, SendingOutcome& outcome) {
  Finish(ctx, header, form, files, origin, guard, reporter, outcome).execute();
}

}  // namespace obrazac::submission
