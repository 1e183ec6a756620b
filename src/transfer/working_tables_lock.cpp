#include "transfer/working_tables_lock.h"

#include "data/store_error.h"

namespace obrazac {

std::optional<CopyFailure> WorkingTablesLock::acquire(const std::filesystem::path& workDir,
                                                      const std::vector<std::string>& names) {
  for (const auto& name : names) {
    auto lock = std::make_unique<ShareLock>();
    if (const int rc = lock->acquire(workDir / name, AccessMode::DenyAll)) {
      locks_.clear();
      return CopyFailure{workDir / name, rc == err::kAccessDenied
                                             ? std::string("tablica je otvorena u programu")
                                             : std::string(storeErrorText(rc))};
    }
    locks_.push_back(std::move(lock));
  }
  return std::nullopt;
}

}  // namespace obrazac
