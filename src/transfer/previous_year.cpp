#include "transfer/previous_year.h"

#include <string>

#include "data/context.h"
#include "data/field_value.h"
#include "data/fixed_width.h"
#include "data/status.h"
#include "data/table_file_copy.h"
#include "transfer/staged_folder.h"
#include "transfer/table_backup.h"
#include "transfer/table_files.h"
#include "transfer/table_values.h"
#include "transfer/working_tables_lock.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

constexpr const char* kObligors = "TBPOSLOD.DAT";
constexpr const char* kEmployees = "TBZAPOSL.DAT";
constexpr const char* kPreviousCopy = "prosla-godina";  // scratch folder of the old employees

// Fields a converted row takes from the old row, by the same name.
constexpr const char* kKeptFields[] = {"REDBROJ", "JMBG",      "PREZIME", "OPCINA",
                                       "VRSOBV",  "VRSTAUPLA", "CLANDN",  "OSNOVA1",
                                       "OSNOVA3", "OSNOVA4",   "OSNOVA5"};

// A store failure on a table file of the takeover: "Greška 2 (File Not Found): <file>".
std::string inWords(int code, const fs::path& file) {
  return Status::store(code, file.string()).text();
}

std::string failureText(const CopyFailure& f) {
  return "Greška kod preuzimanja podataka " + f.file.string() + ": " + f.reason;
}

// A converted row: the old row's person, obligor and codes, an empty period and no amounts.
void convert(const Record& old, Record& row) {
  row.clear();
  for (const char* name : kKeptFields) {
    const int from = old.index(name), to = row.index(name);
    if (isTextField(row.field(to)))
      row.setText(to, old.text(from));
    else
      row.setInteger(to, old.integer(from));
  }
  row.setInteger(row.index("GODOBRA"), 0);
  row.setInteger(row.index("MJEOBRA"), 0);
  row.setInteger(row.index("ODDANA"), 1);
  row.setInteger(row.index("DODANA"), 31);
  for (const char* zero : {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11", "PRVISTUP1",
                           "PRVISTUP2", "DRUGISTUP1", "DRUGISTUP2"})
    row.setUnits(row.index(zero), 0);
}

struct Counts {
  long read = 0;
  long written = 0;
};

// PreuzmiZaposlene: reads every old employee and adds its converted row. False when a table
// cannot be opened (the message is shown); a row the store refuses is reported and skipped.
bool convertEmployees(const fs::path& oldCopy, const fs::path& staged, RunReporter& reporter,
                      Counts& counts) {
  Context previous(oldCopy), current(staged);
  Table& old = previous.table("RAD");
  Table& rows = current.table("RAD");
  if (const int rc = old.open(AccessMode::ReadOnly)) {
    reporter.message("Open ZAP2004 " + inWords(rc, old.file()));
    return false;
  }
  if (const int rc = rows.open(AccessMode::DenyAll); rc || rows.begin()) {
    reporter.message("Open TBZAPOSL " + inWords(rc ? rc : rows.error(), rows.file()));
    return false;
  }
  old.setPhysical();
  while (old.next() == 0) {
    convert(old.record(), rows.record());
    ++counts.read;
    const std::string person =
        "JMBG " + std::string(clipRight(old.record().text(old.record().index("JMBG"))));
    // A value that no field can hold stays behind with its person; the others come over.
    if (auto unfit = recordBytesError(rows.record()))
      reporter.message(person + " nije preuzet. " + *unfit);
    else if (const int rc = rows.add())
      reporter.message(Status::store(rc, person).text());
    else
      ++counts.written;
  }
  if (old.error() != err::kRecordNotAvailable) {
    reporter.message("Open ZAP2004 " + inWords(old.error(), old.file()));
    return false;
  }
  if (const int rc = rows.commit()) {
    reporter.message("Open TBZAPOSL " + inWords(rc, rows.file()));
    return false;
  }
  return true;
}

}  // namespace

TransferOutcome takeOverPreviousYear(const fs::path& workDir, const fs::path& oldDir,
                                     RunReporter& reporter) {
  auto fail = [&](const CopyFailure& f) {
    reporter.message(failureText(f));
    return TransferOutcome::Failed;
  };
  reporter.message(workDir.string());
  std::error_code ec;
  if (oldDir.empty() || !fs::is_directory(oldDir, ec)) return fail({oldDir, "mapa ne postoji"});
  if (fs::equivalent(workDir, oldDir, ec))
    return fail({oldDir, "to je radna mapa, a ne mapa podataka prošle godine"});
  const auto oldObligors = findFileIgnoringCase(oldDir, kObligors);
  if (!oldObligors) return fail({oldDir / kObligors, "ne postoji"});
  const auto oldEmployees = findFileIgnoringCase(oldDir, kEmployees);
  if (!oldEmployees) return fail({oldDir / kEmployees, "ne postoji"});

  fs::create_directories(workDir, ec);  // a new year's working folder
  if (ec) return fail({workDir, ec.message()});
  WorkingTablesLock lock;
  if (auto f = lock.acquire(workDir, {kObligors, kEmployees})) return fail(*f);
  if (auto f = backUpTables(workDir, {kObligors, kEmployees}, "takeover-previous", SystemClock()))
    return fail(*f);
  StagedFolder staged(workDir);
  if (auto f = staged.create()) return fail(*f);

  if (auto f = staged.copyIn(oldDir / *oldObligors, kObligors)) return fail(*f);
  {
    // The obligors' table is taken over whole; it must be one.
    Context check(staged.folder());
    Table& obligors = check.table("POS");
    if (const int rc = obligors.open(AccessMode::ReadOnly)) {
      reporter.message("Open TBPOSLOD " + inWords(rc, oldDir / *oldObligors));
      return TransferOutcome::Failed;
    }
  }
  if (auto unfit = unfitValueIn(staged.folder(), kObligors))
    return fail({oldDir / *oldObligors, *unfit});
  fs::path oldCopy;
  if (auto f = staged.scratch(kPreviousCopy, oldCopy)) return fail(*f);
  if (std::string why = copyTableFile(oldDir / *oldEmployees, oldCopy / kEmployees); !why.empty())
    return fail({oldDir / *oldEmployees, why});
  if (fs::exists(workDir / kEmployees, ec)) {
    if (auto f = staged.copyIn(workDir / kEmployees, kEmployees)) return fail(*f);
  } else {
    staged.include(kEmployees);  // made by the conversion
  }

  Counts counts;
  if (!convertEmployees(oldCopy, staged.folder(), reporter, counts)) return TransferOutcome::Failed;
  if (auto f = staged.commit()) return fail(*f);
  reporter.message("Procitano:" + std::to_string(counts.read) +
                   " upisano:" + std::to_string(counts.written));
  return TransferOutcome::Done;
}

}  // namespace obrazac
