#include "data/sqlite_statement.h"

#include "data/store_error.h"

namespace obrazac::sql {

Statement::Statement(sqlite3* db, std::string_view text) {
  prepareRc_ = sqlite3_prepare_v3(db, text.data(), static_cast<int>(text.size()),
                                  SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
}

int exec(sqlite3* db, const std::string& text) {
  return sqlite3_exec(db, text.c_str(), nullptr, nullptr, nullptr);
}

int open(const std::string& file, sqlite3** db, int flags) {
  static const bool configured = [] {
    // Refused (and harmless) when something in the process has started SQLite already.
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    return true;
  }();
  (void)configured;
  return sqlite3_open_v2(file.c_str(), db, flags, nullptr);
}

int storeCodeOf(int rc) {
  switch (rc & 0xFF) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
      return err::kOk;
    case SQLITE_CONSTRAINT:
      return rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY
                 ? err::kDuplicateKey
                 : err::kFileSystemError;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return err::kFileLocked;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
      return err::kInvalidDataFile;
    case SQLITE_READONLY:
    case SQLITE_PERM:
      return err::kAccessDenied;
    case SQLITE_CANTOPEN:
      return err::kPathNotFound;
    default:
      return err::kFileSystemError;
  }
}

std::string quoted(std::string_view identifier) {
  std::string out = "\"";
  for (const char c : identifier) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

}  // namespace obrazac::sql
