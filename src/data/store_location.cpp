#include "data/store_location.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "data/pg_connection.h"

namespace obrazac {

namespace fs = std::filesystem;

StoreLocation readStoreLocation(const fs::path& workDir) {
  std::ifstream in(workDir / kStoreSettingFile);
  std::string line;
  if (!in || !std::getline(in, line)) return {};
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return {line};
}

std::string writeStoreLocation(const fs::path& workDir, const StoreLocation& store) {
  const fs::path file = workDir / kStoreSettingFile;
  std::error_code ec;
  if (store.embedded()) {
    fs::remove(file, ec);
    return ec ? file.string() + ": " + ec.message() : std::string();
  }
  const fs::path part = workDir / (std::string(kStoreSettingFile) + ".part");
  const int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return part.string() + ": " + std::strerror(errno);
  const std::string text = store.uri + "\n";
  const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) &&
                       ::fsync(fd) == 0;
  const int writeErrno = errno;
  ::close(fd);
  if (!written) {
    fs::remove(part, ec);
    return part.string() + ": " + std::strerror(writeErrno);
  }
  fs::rename(part, file, ec);
  if (ec) {
    const std::string why = file.string() + ": " + ec.message();
    fs::remove(part, ec);
    return why;
  }
  return {};
}

bool keptByStation(const TableDecl& decl) {
  for (const char* file :
       {"APLPARAM.DAT", "TBIZLAZ.DAT", "TBIZLAZ1.DAT", "TBGRESKE.DAT", "ZAP2004.DAT"})
    if (decl.file == file) return true;
  return false;
}

bool isServerUri(std::string_view text) {
  return text.starts_with("postgresql://") || text.starts_with("postgres://");
}

std::string describeStore(const StoreLocation& store, const fs::path& workDir) {
  if (store.embedded()) return "ugrađena (SQLite) u mapi " + workDir.string();
  return "poslužitelj PostgreSQL: " + pg::withoutPassword(store.uri);
}

}  // namespace obrazac
