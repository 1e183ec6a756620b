#include "data/sqlite_statement.h"

namespace obrazac::sql {

Statement::Statement(sqlite3* db, std::string_view text) {
  prepareRc_ = sqlite3_prepare_v3(db, text.data(), static_cast<int>(text.size()),
                                  SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
}

int exec(sqlite3* db, const std::string& text) {
  return sqlite3_exec(db, text.c_str(), nullptr, nullptr, nullptr);
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
