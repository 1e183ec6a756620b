#include "transfer/export_import.h"

#include <map>
#include <string>
#include <vector>

#include "data/dictionary.h"
#include "transfer/staged_folder.h"
#include "transfer/table_backup.h"
#include "transfer/table_files.h"
#include "transfer/table_values.h"
#include "transfer/working_tables_lock.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

constexpr const char* kObligors = "TBPOSLOD.DAT";

std::string failureText(std::string_view base, const CopyFailure& f) {
  return std::string(base) + " " + f.file.string() + ": " + f.reason;
}

bool sameFolder(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

// The name an imported file takes in the working folder: a declared table's own name (the
// program opens TBPOSLOD.DAT, not tbposlod.dat), else the name of a working file it matches
// without regard to letter case, else its own.
std::string workingName(const fs::path& workDir, const std::string& sourceName) {
  if (const TableDecl* decl = tableByFile(sourceName)) {
    const std::string declared = fs::path(decl->file).filename().string();
    if (equalIgnoringCase(declared, sourceName)) return declared;
  }
  if (auto existing = findFileIgnoringCase(workDir, sourceName)) return *existing;
  return sourceName;
}

}  // namespace

TransferOutcome exportData(const fs::path& workDir, const fs::path& target, RunReporter& reporter) {
  constexpr std::string_view kFailed = "Greška kod exporta";
  auto fail = [&](const CopyFailure& f) {
    reporter.message(failureText(kFailed, f));
    return TransferOutcome::Failed;
  };
  std::error_code ec;
  if (target.empty()) return fail({target, "mapa nije zadana"});
  fs::create_directories(target, ec);
  if (ec || !fs::is_directory(target)) return fail({target, ec ? ec.message() : "nije mapa"});

  if (!sameFolder(workDir, target)) {
    const TableFileList files = tableFilesIn(workDir);
    if (!files.error.empty()) return fail({workDir, files.error});
    StagedFolder staged(target);
    if (auto f = staged.create()) return fail(*f);
    for (const auto& name : files.names)
      if (auto f = staged.copyIn(workDir / name, name)) return fail(*f);
    if (auto f = staged.commit()) return fail(*f);
  }
  if (!findFileIgnoringCase(target, kObligors)) {
    reporter.message(kFailed);
    return TransferOutcome::Failed;
  }
  reporter.message("Export je završen. Provjerite");
  return TransferOutcome::Done;
}

TransferOutcome importData(const fs::path& workDir, const fs::path& source, RunReporter& reporter) {
  constexpr std::string_view kFailed = "Greška kod importa podataka !";
  auto fail = [&](const CopyFailure& f) {
    reporter.message(failureText(kFailed, f));
    return TransferOutcome::Failed;
  };
  if (source.empty() || !findFileIgnoringCase(source, kObligors)) {
    reporter.message("Greška. Pogrešan pretinac!");
    return TransferOutcome::Failed;
  }
  if (reporter.ask("Da li želite postojeće podatke zamijeniti ?") != Answer::Yes)
    return TransferOutcome::Cancelled;

  std::error_code ec;
  fs::create_directories(workDir, ec);  // a backup restored into a new working folder
  if (ec) return fail({workDir, ec.message()});
  if (!sameFolder(workDir, source)) {
    const TableFileList files = tableFilesIn(source);
    if (!files.error.empty()) return fail({source, files.error});
    std::map<std::string, std::string> byWorkingName;  // working name -> source name
    for (const auto& name : files.names) {
      auto [it, fresh] = byWorkingName.emplace(workingName(workDir, name), name);
      if (!fresh)
        return fail({source / name, "ista tablica kao " + it->second + " (različita slova)"});
    }
    std::vector<std::string> names;
    for (const auto& [name, _] : byWorkingName) names.push_back(name);

    WorkingTablesLock lock;
    if (auto f = lock.acquire(workDir, names)) return fail(*f);
    if (auto f = backUpTables(workDir, names, "import", SystemClock())) return fail(*f);
    StagedFolder staged(workDir);
    if (auto f = staged.create()) return fail(*f);
    for (const auto& [name, from] : byWorkingName) {
      if (auto f = staged.copyIn(source / from, name)) return fail(*f);
      if (auto unfit = unfitValueIn(staged.folder(), name)) return fail({source / from, *unfit});
    }
    if (auto f = staged.commit()) return fail(*f);
  }
  if (!findFileIgnoringCase(workDir, kObligors)) {
    reporter.message(kFailed);
    return TransferOutcome::Failed;
  }
  reporter.message("Podaci su importirani !");
  return TransferOutcome::Done;
}

}  // namespace obrazac
