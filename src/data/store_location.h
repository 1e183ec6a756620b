// Where the keyed tables of an installation live: the embedded store (one SQLite file per table
// in the working folder, the default) or a database on a PostgreSQL server named by a libpq
// connection URI. The choice is the working folder's setting file "SPREMISTE.URI": absent for the
// embedded store, else one line with the URI. Several stations' folders naming one database
// share its tables; each keeps its own input, output and work files.
#pragma once

#include <filesystem>
#include <string>

#include "data/table_decl.h"

namespace obrazac {

inline constexpr const char* kStoreSettingFile = "SPREMISTE.URI";

struct StoreLocation {
  std::string uri;  // empty: the embedded store
  bool embedded() const { return uri.empty(); }
  bool operator==(const StoreLocation&) const = default;
};

// The folder's store; the embedded one when the folder has no setting (or cannot be read).
StoreLocation readStoreLocation(const std::filesystem::path& workDir);

// Writes the setting (readable by its owner only, since a URI may carry a password), or removes
// it for the embedded store. Returns why that failed (UTF-8), or an empty string.
std::string writeStoreLocation(const std::filesystem::path& workDir, const StoreLocation& store);

// The keyed tables that stay in each station's working folder when the others are on the server:
// the station's parameters (its own folders and submitter) and the work tables its runs fill
// (the lines and findings of the formal control, the findings of the input check), and the
// previous year's employee file a bookkeeper brings into the folder for the takeover.
bool keptByStation(const TableDecl& decl);

// Whether a text names a server database (a postgresql:// or postgres:// URI).
bool isServerUri(std::string_view text);

// For people: "ugrađena (SQLite) u mapi F" or the URI without its password.
std::string describeStore(const StoreLocation& store, const std::filesystem::path& workDir);

}  // namespace obrazac
