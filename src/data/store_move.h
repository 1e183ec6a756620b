// Moving an installation's shared tables between the embedded store and a server database, all
// or nothing. To the server: every table is copied inside one server transaction, and only after
// its commit does the folder's setting name the server; the embedded files then go aside into
// the folder "SPREMISTE-KOPIJA" as they were. Back to the embedded store: the tables are written
// into a folder change (FolderSwap) and renamed into place together, then the setting goes; the
// server's tables are left as they are. The station's own tables (keptByStation) never move.
#pragma once

#include <filesystem>

#include "data/status.h"
#include "data/store_location.h"

namespace obrazac {

inline constexpr const char* kEmbeddedCopyFolder = "SPREMISTE-KOPIJA";

struct StoreMove {
  Status status;
  int tables = 0;
  std::int64_t records = 0;
};

StoreMove moveStore(const std::filesystem::path& workDir, const StoreLocation& to);

}  // namespace obrazac
