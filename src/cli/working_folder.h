// What every command does with its working folder before it starts: a folder too deep for the
// table store is refused with the reason, an interrupted swap of
// tables or run is settled first, and a run that writes into the parameters' folders is refused
// when those name another place (a working folder copied elsewhere).
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string_view>

namespace obrazac::cli {

// 0 when the command may go on, else its exit code after the reason on `err`.
int prepareWorkingFolder(std::string_view command, const std::filesystem::path& workDir,
                         std::ostream& err);

}  // namespace obrazac::cli
