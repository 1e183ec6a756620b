#include "submission/finish_submission.h"

#include <stdexcept>
#include <vector>

#include "data/codepage.h"
#include "data/status.h"
#include "data/store_error.h"
#include "form/page_a.h"
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
  void fail(Status why) {
    reporter_.message(why.text());
    out_.status = std::move(why);
  }
  void fail(const std::string& message) { fail(Status::refused(message)); }
  Status prepareWorkFiles();
  Status writeRecords(const Record& apl, const Record& pageA);
  Status write(Table& file, const std::string& line);
  Status openList(bool fresh);
  void addToList(const Record& pos, bool fresh);
  void reportFailedCopy(const std::string& error);
  ArchiveEntry archiveEntry(const std::string& controlNumber) const;

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
  if (Status prepared = prepareWorkFiles(); !prepared.ok()) return fail(std::move(prepared));
  if (Status written = writeRecords(apl, pageA); !written.ok()) return fail(std::move(written));

  // The control number of the file written.
  const Table& velor = ctx_.table("VEL");
  const ControlNumber hash = controlNumberOfFile(velor.file());
  if (!hash.ok()) return fail("Greška pri određivanju SHA broja " + hash.error);

  // The list of processed obligors is taken before the file is produced, so a list that cannot
  // be opened leaves no file behind.
  const bool fresh = header_.method != form::SendingMethod::Collective ||
                     header_.job == form::CollectiveJob::NewFile;
  if (Status opened = openList(fresh); !opened.ok()) return fail(std::move(opened));

  // The new output file beside the old one, then the obligor in the list.
  if (const std::string error = guard_.produce(velor.file(), out_.outputFile); !error.empty()) {
    reopenShared(ctx_.table("TBT"));
    return reportFailedCopy(error);
  }
  reporter_.status("Obrada je završena i određen SHA broj");
  addToList(pos, fresh);
  if (!out_.status.ok()) return;

  // Page A with the control number, stored only now: it never stands without its file.
  ctx_.table("A").record() = pageA;
  if (form::storePageA(ctx_, groupedControlNumber(hash.digits)) != 0)
    return fail("Greška kod ažuriranja SHA broja (2)");
  if (const std::string error = guard_.archive(archiveEntry(hash.digits), velor.file());
      !error.empty())
    return fail("Greška kod arhiviranja datoteke " + error);
  if (const std::string error = guard_.commit(); !error.empty())
    return fail("Greška pri formiranju datoteke " + error);
  out_.controlNumber = hash.digits;
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

ArchiveEntry Finish::archiveEntry(const std::string& controlNumber) const {
  ArchiveEntry e;
  e.kind = origin_ == RowOrigin::TakenOver ? ArchiveKind::TakenOver : ArchiveKind::Single;
  e.fileName = out_.outputFile.filename().string();
  e.folder = out_.outputFile.parent_path().string();
  e.sent = header_.sendingDate;
  e.controlNumber = controlNumber;
  const Record& pos = ctx_.table("POS").record();
  e.forms.push_back({form_.employer, pos.text(pos.index("NAZIV")), form_.identity.identifier,
                     form_.identity.link, form_.year, form_.month, form_.paymentType});
  return e;
}

// A work file that cannot be emptied would give a file with another run's records in it.
Status Finish::prepareWorkFiles() {
  workFilesTaken_ = true;
  for (const char* prefix : kWorkFiles) {
    Table& t = ctx_.table(prefix);
    const auto prepared = prepareWorkFile(t);
    if (prepared.ok()) continue;
    const std::string name(workFileName(t));
    return Status::refused(prepared.failedStep == WorkFileStep::Open
                               ? "Greška kod otvaranja " + name
                               : "Greška kod pražnjenja " + name + " " +
                                     std::string(t.errorText()));
  }
  return {};
}

Status Finish::write(Table& file, const std::string& line) {
  if (appendLine(file, line) == 0) return {};
  return Status::refused("Greška kod upisa u " + std::string(workFileName(file)) + " " +
                         std::string(file.errorText()));
}

// Every record is built and checked before the first one is written, so a record that would
// break the file leaves the work files and TBVELOR.TXT empty.
Status Finish::writeRecords(const Record& apl, const Record& pageA) {
  struct Line {
    const char* workFile;
    std::string text;
  };
  std::vector<Line> lines;
  const form::FormRequest& f = form_;
  // Taken-over data name their sender by the numeric test in both sender records.
  const SenderRule closingRule =
      origin_ == RowOrigin::TakenOver ? SenderRule::Numeric : SenderRule::Length;
  try {
    lines.push_back({"SL0", senderRecord(apl, senderIdentification(apl, SenderRule::Numeric),
                                         header_.sendingDate)});
    const FormPeriod period{f.year, f.month, f.paymentYear, f.paymentMonth};
    lines.push_back({"SL3", formHeaderRecord(pageA, period, origin_)});

    // The person's ordinal within the form grows with each new JMBG in page B order.
    int rows = 0, ordinal = 0;
    std::string previous;
    const int jmbg = ctx_.table("OSI").record().index("JMBG");
    const int rc = form::forEachFormRow(ctx_, f.identity.link, [&](const Record& row) {
      if (row.text(jmbg) != previous) {
        ++ordinal;
        previous = row.text(jmbg);
      }
      ++rows;
      lines.push_back({"SL5", rowRecord(row, ordinal, origin_)});
      return true;
    });
    if (rc != 0)
      return Status::store(rc, "stavke stranice B obrasca " + utf8FromCp1250(f.identity.link));
    lines.push_back({"SL7", formClosingRecord(pageA, rows, header_.sendingDate, origin_)});
    lines.push_back(
        {"SL9", fileClosingRecord(senderIdentification(apl, closingRule), header_.sendingDate, 1)});
  } catch (const std::overflow_error& e) {
    return Status::refused(std::string("Greška. ") + e.what());
  }
  for (const Line& line : lines)
    if (const auto error = recordLineError(line.text))
      return Status::refused("Datoteka nije zapisana. " + *error);

  Table& velor = ctx_.table("VEL");
  for (const Line& line : lines) {
    if (Status written = write(ctx_.table(line.workFile), line.text); !written.ok()) return written;
    if (Status written = write(velor, line.text); !written.ok()) return written;
  }
  for (const char* prefix : kWorkFiles) ctx_.table(prefix).close();
  return {};
}

Status Finish::openList(bool fresh) {
  Table& list = ctx_.table("TBT");
  list.close();
  const int rc = list.open(fresh ? AccessMode::DenyAll : AccessMode::DenyNone);
  if (rc == 0) return {};
  return Status::refused("Greška. Open TBTMPDAT " + std::string(list.errorText()));
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
  // An obligor listed already is said and passed over; any other failed write would leave the
  // form out of the collective file, so the run fails and the guard undoes it.
  const int added = list.add();
  if (added == err::kDuplicateKey)
    reporter_.message("Greška. Add TBTMPDAT " + std::string(list.errorText()));
  else if (added != 0)
    fail(Status::store(added, "upis u popis obrađenih obveznika TBTMPDAT.DAT", list.driverError()));
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
