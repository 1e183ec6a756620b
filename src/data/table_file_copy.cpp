#include "data/table_file_copy.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string_view>
#include <thread>

#include "data/file_replace.h"
#include "data/keyed_table.h"
#include "data/sqlite_statement.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};
constexpr auto kBusyWait = std::chrono::seconds(5);

std::string systemReason(int error) {
  return std::strerror(error);
}

// Closes a descriptor on every way out.
struct Fd {
  int fd = -1;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

bool isSqliteFile(const fs::path& file, std::string& reason) {
  Fd in{::open(file.c_str(), O_RDONLY | O_CLOEXEC)};
  if (in.fd < 0) {
    reason = systemReason(errno);
    return false;
  }
  char head[16];
  std::size_t got = 0;
  while (got < sizeof head) {
    const ssize_t n = ::read(in.fd, head + got, sizeof head - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      reason = systemReason(errno);
      return false;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return std::string_view(head, got) == kSqliteMagic;
}

struct Connection {
  sqlite3* db = nullptr;
  ~Connection() { sqlite3_close_v2(db); }
};

std::string copyDatabase(const fs::path& from, const fs::path& to, int targetFlags) {
  // Read-write where the file allows it, so a hot journal is rolled back before the copy; a
  // write-protected folder (an old CD, a locked stick) is read as it is.
  Connection src, dst;
  int rc = sql::open(from.string(), &src.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
  if (rc != SQLITE_OK) return src.db ? sqlite3_errmsg(src.db) : sqlite3_errstr(rc);
  sqlite3_busy_timeout(src.db, static_cast<int>(kBusyWait.count() * 1000));
  rc = sql::open(to.string(), &dst.db, targetFlags | SQLITE_OPEN_NOMUTEX);
  if (rc != SQLITE_OK) return dst.db ? sqlite3_errmsg(dst.db) : sqlite3_errstr(rc);
  sqlite3_busy_timeout(dst.db, static_cast<int>(kBusyWait.count() * 1000));
  sqlite3_exec(dst.db, "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);

  sqlite3_backup* backup = sqlite3_backup_init(dst.db, "main", src.db, "main");
  if (!backup) return sqlite3_errmsg(dst.db);
  // All pages in one step: the source stays under one read lock for the whole copy. A writer
  // that is just committing makes the step busy; it is retried for a while.
  const auto deadline = std::chrono::steady_clock::now() + kBusyWait;
  for (;;) {
    rc = sqlite3_backup_step(backup, -1);
    if ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      continue;
    }
    break;
  }
  const int finished = sqlite3_backup_finish(backup);
  if (rc != SQLITE_DONE) return sqlite3_errstr(rc);
  if (finished != SQLITE_OK) return sqlite3_errmsg(dst.db);
  if (sqlite3_close(dst.db) != SQLITE_OK) return sqlite3_errmsg(dst.db);
  dst.db = nullptr;
  return {};
}

}  // namespace

std::string copyTableFile(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  const auto status = fs::status(from, ec);
  if (!fs::exists(status)) return "ne postoji";
  if (!fs::is_regular_file(status)) return "nije datoteka";
  if (fs::exists(fs::symlink_status(to, ec))) return systemReason(EEXIST);

  std::string reason;
  const bool database = isSqliteFile(from, reason);
  if (reason.empty())
    reason = database ? copyDatabase(from, to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
                      : copyToNewFile(from, to);
  if (!reason.empty()) {
    fs::remove(to, ec);
    fs::remove(fs::path(to.string() + "-journal"), ec);
  }
  return reason;
}

std::string restoreTableFile(const fs::path& from, const fs::path& to) {
  std::string reason;
  const bool database = isSqliteFile(from, reason);
  if (!reason.empty()) return reason;
  std::error_code ec;
  if (database && fs::exists(to, ec)) {
    reason = copyDatabase(from, to, SQLITE_OPEN_READWRITE);
    ++fileGeneration(to);  // what this process read ahead of the file is stale
    return reason;
  }
  // A file without a database to write into comes back whole under its name.
  return replaceFileByCopy(from, to);
}

bool syncFolder(const fs::path& folder) {
  Fd dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  return dir.fd >= 0 && ::fsync(dir.fd) == 0;
}

}  // namespace obrazac
