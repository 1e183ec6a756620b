// Holds the working folder's tables that a run replaces as a whole, exclusively: no window of the
// program may have one of them open while its file is swapped, or its writes would go to the
// file set aside. A table that is open elsewhere makes the run stop before anything changed.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/share_lock.h"
#include "transfer/staged_folder.h"

namespace obrazac {

class WorkingTablesLock {
 public:
  std::optional<CopyFailure> acquire(const std::filesystem::path& workDir,
                                     const std::vector<std::string>& names);

 private:
  std::vector<std::unique_ptr<ShareLock>> locks_;
};

}  // namespace obrazac
