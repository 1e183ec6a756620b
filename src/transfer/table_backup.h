// Backups of the tables a run replaces as a whole (the import, the previous year's takeover, the
// return to a backup): before the run changes anything, the working tables it is about to
// replace are copied into a folder of their own under "SIGURNOSNE_KOPIJE" in the working folder,
// named by the moment it was made (GGGGMMDD-HHMMSS), with a description "OPIS.TXT" of the run,
// the time, the computer and the tables. A backup is made under a hidden name and renamed when
// complete, so a killed run never leaves half a backup to be restored; the newest five are kept.
// A backup that cannot be made stops the run with the reason.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/date.h"
#include "frame/run_reporter.h"
#include "transfer/export_import.h"
#include "transfer/staged_folder.h"

namespace obrazac {

inline constexpr int kBackupsKept = 5;

struct TableBackup {
  std::string id;       // the folder's name
  std::string run;      // "import", "takeover-previous", "restore"
  std::string madeAt;   // DD.MM.GGGG HH:MM:SS
  std::string station;  // the computer that made it
  std::vector<std::string> tables;
  std::filesystem::path folder;
};

std::filesystem::path backupsFolder(const std::filesystem::path& workDir);

// Copies those of `names` that exist in the working folder. `spare` names a backup that the
// keeping of the newest five must not remove (the one being restored).
std::optional<CopyFailure> backUpTables(const std::filesystem::path& workDir,
                                        const std::vector<std::string>& names, std::string_view run,
                                        const Clock& clock, std::string_view spare = {});

// The complete backups, newest first.
std::vector<TableBackup> listBackups(const std::filesystem::path& workDir);

// Puts the tables of a backup back, after the user confirms, all or nothing; the tables being
// replaced are backed up first. The tables must not be open anywhere in the program.
TransferOutcome restoreBackup(const std::filesystem::path& workDir, std::string_view id,
                              RunReporter& reporter);

}  // namespace obrazac
