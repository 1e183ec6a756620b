#include "submission/collective_assembly.h"

#include <cstdlib>
#include <vector>

#include "app/application_parameters.h"
#include "data/codepage.h"
#include "data/file_replace.h"
#include "data/fixed_width.h"
#include "data/status.h"
#include "data/store_error.h"
#include "form/page_a.h"
#include "submission/control_number.h"
#include "submission/output_files.h"
#include "submission/records.h"
#include "submission/run_guard.h"
#include "submission/work_files.h"

namespace obrazac::submission {
namespace fs = std::filesystem;

namespace {

struct Listed {
  std::string link;  // TBT:IDENTIFIKATOR, the form link
  fs::path file;
  int employer = 0;
  std::string employerName;
};

class Assembly {
 public:
  Assembly(Context& ctx, Date sent, RunReporter& reporter)
      : ctx_(ctx), sent_(sent), reporter_(reporter) {}

  CollectiveOutcome execute() {
    run();
    reopenShared(ctx_.table("VEL"));
    ctx_.table("TVL").close();
    return out_;
  }

 private:
  void run();
  void fail(const std::string& message) {
    reporter_.message(message);
    out_.status = Status::refused(message);
  }
  bool readList(const fs::path& folder);
  bool joinForms(const Listed& listed);
  bool storeControlNumber(const std::string& digits);
  ArchiveEntry archiveEntry(const fs::path& file, const std::string& digits);

  Context& ctx_;
  Date sent_;
  RunReporter& reporter_;
  std::vector<Listed> listed_;
  CollectiveOutcome out_;
};

void Assembly::run() {
  if (const int rc = readParameters(ctx_))
    return fail(Status::store(rc, "aplikacijski parametri (APLPARAM.DAT)").text());
  const Record apl = ctx_.table("APL").record();
  const fs::path folder = outputFolder(apl.text(apl.index("IZLAZDIR")), ctx_.workDir());
  // The control number goes onto page A of every listed form together with the new file.
  RunGuard guard(ctx_, reporter_);
  if (!guard.begin({"A"}, folder)) {
    out_.status = guard.refusal();
    return;
  }

  Table& velor = ctx_.table("VEL");
  if (const auto prepared = prepareWorkFile(velor); !prepared.ok())
    return fail(std::string(prepared.failedStep == WorkFileStep::Open
                                ? "Greška. Open TBVELOR.TXT "
                                : "Greška. Empty TBVELOR.TXT ") +
                std::string(velor.errorText()));

  const Identification sender = senderIdentification(apl, SenderRule::Collective);
  if (appendLine(velor, senderRecord(apl, sender, sent_)) != 0)
    return fail("Greška " + std::string(velor.errorText()));

  if (!readList(folder)) return;
  // Nothing listed: no collective file at all rather than one without forms.
  if (listed_.empty()) return fail("Greška pri kreiranju jedinstvenog HASH broja");
  for (const auto& l : listed_)
    if (!joinForms(l)) return;

  if (appendLine(velor, fileClosingRecord(sender, sent_, out_.forms)) != 0)
    return fail("Greška " + std::string(velor.errorText()));
  velor.close();

  const ControlNumber hash = controlNumberOfFile(velor.file());
  if (!hash.ok()) return fail("Greška pri određivanju SHA broja " + hash.error);

  const fs::path file = folder / "VELOR.RM0";
  if (const std::string error = guard.produce(velor.file(), file); !error.empty())
    return fail("Greška pri formiranju datoteke " + error);
  if (!storeControlNumber(hash.digits)) return;
  if (const std::string error = guard.archive(archiveEntry(file, hash.digits), velor.file());
      !error.empty())
    return fail("Greška kod arhiviranja datoteke " + error);
  if (const std::string error = guard.commit(); !error.empty())
    return fail("Greška pri formiranju datoteke " + error);
  out_.controlNumber = hash.digits;
  out_.file = file;
}

bool Assembly::readList(const fs::path& folder) {
  Table& list = ctx_.table("TBT");
  list.close();
  if (list.open() != 0) {
    fail("Open TBTMPDAT " + std::string(list.errorText()));
    return false;
  }
  Record& t = list.record();
  int rc = list.setPhysical();
  while (rc == 0 && (rc = list.next()) == 0)
    listed_.push_back({t.text(t.index("IDENTIFIKATOR")),
                       listedFilePath(t.text(t.index("IMEFILE")), folder, ctx_.workDir()),
                       static_cast<int>(t.integer(t.index("FIRMA"))), t.text(t.index("IMEFIRME"))});
  // A read that fails is no end of the list: the forms behind it would be left out.
  if (rc != err::kRecordNotAvailable) {
    fail(Status::store(rc, "popis obrađenih obveznika TBTMPDAT.DAT", list.driverError()).text());
    return false;
  }
  return true;
}

// Copies the obligor's file over TBVELOR1.TXT and takes its lines of types 3, 5 and 7.
bool Assembly::joinForms(const Listed& listed) {
  Table& copy = ctx_.table("TVL");
  Table& velor = ctx_.table("VEL");
  copy.close();
  // A listed form missing from the file would still get the collective control number.
  if (const std::string error = replaceFileByCopy(listed.file, copy.file()); !error.empty()) {
    fail("Greška " + error);
    return false;
  }
  if (copy.open(AccessMode::ReadOnly) != 0) {
    fail("Greška " + std::string(copy.errorText()));
    return false;
  }
  Record& r = copy.record();
  const int redak = r.index("REDAK"), tip = r.index("TIP");
  int rc;
  while ((rc = copy.next()) == 0) {
    const std::string& type = r.text(tip);
    if (type == "3") ++out_.forms;
    if (type == "0" || type == "9") continue;
    // A joined form must not break the collective file either.
    const std::string line = r.text(redak) + type;
    if (const auto error = recordLineError(line)) {
      fail("Datoteka nije zapisana. " + listed.file.string() + ": " + *error);
      return false;
    }
    if (appendLine(velor, line) != 0) {
      fail("Greška " + std::string(velor.errorText()));
      return false;
    }
  }
  if (rc != err::kRecordNotAvailable) {
    fail(Status::store(rc, listed.file.string()).text());
    return false;
  }
  copy.close();
  return true;
}

bool Assembly::storeControlNumber(const std::string& digits) {
  Table& a = ctx_.table("A");
  a.close();
  if (a.open() != 0) {
    fail("Greška pri otvaranju TBOBRAZA.DAT");
    return false;
  }
  Record& r = a.record();
  for (const auto& l : listed_) {
    r.clear();
    r.setText(r.index("KONVEZA"), l.link);
    if (a.get("KEYIDENTIKATOR") != 0) {
      fail("Greška pri ažuriranju HASH broja (1) Ident=" + utf8FromCp1250(l.link));
      return false;
    }
    r.setText(r.index("KONZNAK"), groupedControlNumber(digits));
    if (a.put() != 0) {
      fail("Greška pri ažuriranju HASH broja (2) Ident.=" + utf8FromCp1250(l.link));
      return false;
    }
  }
  return true;
}

// The collective file with each listed form as its page A holds it (read by storeControlNumber).
ArchiveEntry Assembly::archiveEntry(const fs::path& file, const std::string& digits) {
  ArchiveEntry e;
  e.kind = ArchiveKind::Collective;
  e.fileName = file.filename().string();
  e.folder = file.parent_path().string();
  e.sent = sent_;
  e.controlNumber = digits;
  Table& a = ctx_.table("A");
  Record& r = a.record();
  auto text = [&](const char* name) { return std::string(clipRight(r.text(r.index(name)))); };
  for (const auto& l : listed_) {
    r.clear();
    r.setText(r.index("KONVEZA"), l.link);
    if (a.get("KEYIDENTIKATOR") != 0) continue;
    e.forms.push_back({l.employer, std::string(clipRight(l.employerName)), text("IDENTIFIKATOR"),
                       text("KONVEZA"), std::atoi(text("OBRGOD").c_str()),
                       std::atoi(text("OBRMJE").c_str()), text("VRSUPLA")});
  }
  return e;
}

}  // namespace

CollectiveOutcome runCollectiveAssembly(Context& ctx, Date sendingDate, RunReporter& reporter) {
  return Assembly(ctx, sendingDate, reporter).execute();
}

}  // namespace obrazac::submission
