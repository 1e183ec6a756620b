#include "cli/working_folder.h"

#include <algorithm>
#include <array>
#include <ostream>

#include "app/application_parameters.h"
#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/folder_swap.h"
#include "data/store_path.h"

namespace obrazac::cli {
namespace {

namespace fs = std::filesystem;

// The commands that never open a table of the working folder.
constexpr std::array<std::string_view, 3> kWithoutTables{"picture", "id", "hash"};

// The commands that write their files into the folders of the parameters.
constexpr std::array<std::string_view, 3> kRunsInParameterFolders{"send", "takeover", "collect"};

std::string quoted(const std::string& word) {
  std::string q = "'";
  for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string valueOf(const Record& apl, const char* name) {
  return utf8FromCp1250(clipRight(apl.text(apl.index(name))));
}

}  // namespace

int prepareWorkingFolder(std::string_view command, const fs::path& workDir, std::ostream& err) {
  std::error_code ec;
  if (std::find(kWithoutTables.begin(), kWithoutTables.end(), command) == kWithoutTables.end())
    if (const auto tooLong = storePathProblem(workDir)) {
      err << *tooLong << "\n";
      return 2;
    }
  if (!fs::is_directory(workDir, ec)) return 0;
  for (const auto& problem : recoverInterruptedSwap(workDir)) err << problem << "\n";

  if (std::find(kRunsInParameterFolders.begin(), kRunsInParameterFolders.end(), command) ==
      kRunsInParameterFolders.end())
    return 0;
  Context ctx(workDir);
  if (readParameters(ctx) != 0) return 0;  // the command reports a missing parameter record
  const Record& apl = ctx.table("APL").record();
  if (parametersNameThisFolder(apl, workDir)) return 0;
  Record moved = apl;
  setFoldersTo(moved, workDir);
  err << "Radna mapa u parametrima je " << valueOf(apl, "RADDIR") << ", a program radi u mapi "
      << fs::absolute(workDir, ec).string()
      << ". Datoteke bi otišle u staru mapu; mape postavite naredbom:\n  obrazac-cli --dir "
      << quoted(workDir.string()) << " params";
  for (const char* name : {"RADDIR", "ULAZDIR", "IZLAZDIR"})
    err << " " << quoted(std::string(name) + "=" + valueOf(moved, name));
  err << "\n";
  return 2;
}

}  // namespace obrazac::cli
