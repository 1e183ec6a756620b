#include "transfer/table_backup.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "data/table_file_copy.h"
#include "submission/archive.h"
#include "transfer/working_tables_lock.h"

namespace obrazac {
namespace fs = std::filesystem;

namespace {

constexpr const char* kDescription = "OPIS.TXT";
constexpr const char* kUnfinished = ".nova-";

std::string stamp(const Clock& clock) {
  const CivilDate d = clock.today().civil();
  const TimeOfDay t = clock.now();
  const int seconds = t.value() > 0 ? (t.value() - 1) / 100 % 60 : 0;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d-%02d%02d%02d", d.year, d.month, d.day, t.hours(),
                t.minutes(), seconds);
  return buf;
}

// "20261211-142500" as "11.12.2026 14:25:00".
std::string stampText(std::string_view id) {
  if (id.size() < 15) return std::string(id);
  return std::string(id.substr(6, 2)) + "." + std::string(id.substr(4, 2)) + "." +
         std::string(id.substr(0, 4)) + " " + std::string(id.substr(9, 2)) + ":" +
         std::string(id.substr(11, 2)) + ":" + std::string(id.substr(13, 2));
}

std::optional<TableBackup> readBackup(const fs::path& folder) {
  std::ifstream in(folder / kDescription);
  if (!in) return std::nullopt;
  TableBackup b;
  b.id = folder.filename().string();
  b.folder = folder;
  b.madeAt = stampText(b.id);
  std::string line;
  while (std::getline(in, line)) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "run") b.run = value;
    if (key == "station") b.station = value;
    if (key == "table") b.tables.push_back(value);
  }
  return b;
}

// Removes all but the newest backups, and what killed runs left unfinished.
void keepNewest(const fs::path& root, std::string_view spare) {
  std::error_code ec;
  std::vector<fs::path> done;
  for (const auto& e : fs::directory_iterator(root, ec)) {
    const std::string name = e.path().filename().string();
    if (name.starts_with(kUnfinished))
      fs::remove_all(e.path(), ec);
    else if (e.is_directory(ec))
      done.push_back(e.path());
  }
  std::sort(done.begin(), done.end(), std::greater<>());
  for (std::size_t i = kBackupsKept; i < done.size(); ++i)
    if (done[i].filename() != spare) fs::remove_all(done[i], ec);
}

}  // namespace

fs::path backupsFolder(const fs::path& workDir) {
  return workDir / "SIGURNOSNE_KOPIJE";
}

std::optional<CopyFailure> backUpTables(const fs::path& workDir,
                                        const std::vector<std::string>& names, std::string_view run,
                                        const Clock& clock, std::string_view spare) {
  std::error_code ec;
  // Tables that are not there yet have nothing to keep.
  if (std::ranges::none_of(names, [&](const auto& name) { return fs::exists(workDir / name, ec); }))
    return std::nullopt;
  const fs::path root = backupsFolder(workDir);
  fs::create_directories(root, ec);
  if (ec) return CopyFailure{root, "sigurnosnu kopiju nije moguće napraviti: " + ec.message()};
  std::string id = stamp(clock);
  for (int n = 2; fs::exists(root / id, ec); ++n) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "-%02d", n);
    id = stamp(clock) + suffix;
  }
  const fs::path unfinished = root / (kUnfinished + id);
  fs::remove_all(unfinished, ec);
  fs::create_directory(unfinished, ec);
  if (ec)
    return CopyFailure{unfinished, "sigurnosnu kopiju nije moguće napraviti: " + ec.message()};

  std::ostringstream description;
  description << "run=" << run << "\nstation=" << submission::stationName() << "\n";
  for (const auto& name : names) {
    if (!fs::exists(workDir / name, ec)) continue;
    if (std::string why = copyTableFile(workDir / name, unfinished / name); !why.empty()) {
      fs::remove_all(unfinished, ec);
      return CopyFailure{workDir / name, "sigurnosna kopija nije napravljena: " + why};
    }
    description << "table=" << name << "\n";
  }
  {
    std::ofstream out(unfinished / kDescription, std::ios::binary);
    out << description.str();
    out.flush();
    if (!out) {
      fs::remove_all(unfinished, ec);
      return CopyFailure{unfinished / kDescription, "sigurnosna kopija nije napravljena"};
    }
  }
  fs::rename(unfinished, root / id, ec);
  if (ec || !syncFolder(root)) {
    fs::remove_all(unfinished, ec);
    return CopyFailure{root / id, "sigurnosna kopija nije napravljena: " + ec.message()};
  }
  keepNewest(root, spare);
  return std::nullopt;
}

std::vector<TableBackup> listBackups(const fs::path& workDir) {
  std::vector<TableBackup> list;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(backupsFolder(workDir), ec)) {
    if (e.path().filename().string().starts_with(kUnfinished) || !e.is_directory(ec)) continue;
    if (auto b = readBackup(e.path())) list.push_back(std::move(*b));
  }
  std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.id > b.id; });
  return list;
}

TransferOutcome restoreBackup(const fs::path& workDir, std::string_view id, RunReporter& reporter) {
  constexpr std::string_view kFailed = "Greška kod vraćanja sigurnosne kopije !";
  auto fail = [&](const CopyFailure& f) {
    reporter.message(std::string(kFailed) + " " + f.file.string() + ": " + f.reason);
    return TransferOutcome::Failed;
  };
  const fs::path folder = backupsFolder(workDir) / std::string(id);
  // A backup is named by its moment; any other name is no backup (never a path elsewhere).
  const bool named = !id.empty() && id.find_first_not_of("0123456789-") == std::string_view::npos;
  const auto backup = named ? readBackup(folder) : std::nullopt;
  if (!backup) return fail({folder, "sigurnosna kopija ne postoji"});
  std::string names;
  for (const auto& t : backup->tables) names += (names.empty() ? "" : ", ") + t;
  if (reporter.ask("Da li želite tablice " + names + " zamijeniti sigurnosnom kopijom od " +
                   backup->madeAt + " ?") != Answer::Yes)
    return TransferOutcome::Cancelled;

  WorkingTablesLock lock;
  if (auto f = lock.acquire(workDir, backup->tables)) return fail(*f);
  const SystemClock clock;
  if (auto f = backUpTables(workDir, backup->tables, "restore", clock, backup->id)) return fail(*f);
  StagedFolder staged(workDir);
  if (auto f = staged.create()) return fail(*f);
  for (const auto& name : backup->tables)
    if (auto f = staged.copyIn(folder / name, name)) return fail(*f);
  if (auto f = staged.commit()) return fail(*f);
  reporter.message("Tablice su vraćene iz sigurnosne kopije od " + backup->madeAt);
  return TransferOutcome::Done;
}

}  // namespace obrazac
