#include "data/program_files.h"

namespace obrazac {
namespace fs = std::filesystem;

fs::path findProgramFile(const fs::path& programDir, const fs::path& relative) {
  if (programDir.empty()) return {};
  std::error_code ec;
  for (const fs::path& share :
       {programDir / "share" / "obrazac", programDir / ".." / "share" / "obrazac"}) {
    const fs::path candidate = (share / relative).lexically_normal();
    if (fs::is_regular_file(candidate, ec)) return candidate;
  }
  return {};
}

}  // namespace obrazac
