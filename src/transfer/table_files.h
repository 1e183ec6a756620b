// The table files of a folder as export, import and the takeover see them: every regular file
// named *.dat or *.tps in any letter case, directly in the folder (never the hidden lock folder
// or anything else below it).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace obrazac {

struct TableFileList {
  std::vector<std::string> names;  // sorted
  std::string error;               // why the folder could not be read (UTF-8); empty when it could
};

TableFileList tableFilesIn(const std::filesystem::path& folder);

// The name under which `folder` holds the regular file `name`, compared without regard to letter
// case ("tbposlod.dat" for TBPOSLOD.DAT); nothing when there is none.
std::optional<std::string> findFileIgnoringCase(const std::filesystem::path& folder,
                                                std::string_view name);

bool equalIgnoringCase(std::string_view a, std::string_view b);

}  // namespace obrazac
