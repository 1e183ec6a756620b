// Thin RAII wrappers over SQLite connections and prepared statements, used only inside the
// keyed-table backend and the cross-file transactions of the relation manager.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace obrazac::sql {

class Statement {
 public:
  Statement() = default;
  Statement(sqlite3* db, std::string_view text);
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(Statement&& o) noexcept : stmt_(o.stmt_) { o.stmt_ = nullptr; }
  Statement& operator=(Statement&& o) noexcept {
    std::swap(stmt_, o.stmt_);
    return *this;
  }

  explicit operator bool() const { return stmt_ != nullptr; }
  sqlite3_stmt* get() const { return stmt_; }
  int prepareResult() const { return prepareRc_; }

  void bind(int i, std::int64_t v) { sqlite3_bind_int64(stmt_, i, v); }
  void bindText(int i, std::string_view v) {
    sqlite3_bind_text(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
  }
  void bindBlob(int i, std::string_view v) {
    sqlite3_bind_blob(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
  }
  // Bound in place without a copy: the bytes must stay unchanged until reset().
  void bindTextInPlace(int i, std::string_view v) {
    sqlite3_bind_text(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
  }
  void bindBlobInPlace(int i, std::string_view v) {
    sqlite3_bind_blob(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
  }
  void bindNull(int i) { sqlite3_bind_null(stmt_, i); }
  int step() { return sqlite3_step(stmt_); }
  void reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
  }

  std::int64_t integer(int col) const { return sqlite3_column_int64(stmt_, col); }
  std::string_view text(int col) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
    return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, col)))
             : std::string_view();
  }
  std::string_view blob(int col) const {
    const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt_, col));
    return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, col)))
             : std::string_view();
  }
  bool isNull(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }

 private:
  sqlite3_stmt* stmt_ = nullptr;
  int prepareRc_ = SQLITE_OK;
};

// Runs statements without results; returns the SQLite result code.
int exec(sqlite3* db, const std::string& text);

// sqlite3_open_v2 after the library's one-time set-up: the store asks SQLite for no memory
// statistics, which would otherwise take a process-wide lock on every allocation.
int open(const std::string& file, sqlite3** db, int flags);

// The table store's error code for an SQLite result code (40 for a unique key, 32 when busy...).
int storeCodeOf(int rc);

// Quotes an identifier for SQL text.
std::string quoted(std::string_view identifier);

}  // namespace obrazac::sql
