#include "data/file_replace.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <functional>

#include "data/table_file_copy.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPart = ".part";

std::string reasonFor(const fs::path& path, int error) {
  return path.string() + ": " + std::strerror(error);
}

// Hands the new file's bytes in pieces to `put`, which returns an errno value or 0.
using Source = std::function<std::string(const std::function<int(const char*, std::size_t)>& put)>;

int writeAll(int fd, const char* p, std::size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0 && errno == EINTR) continue;
    if (w < 0) return errno;
    p += w;
    n -= static_cast<std::size_t>(w);
  }
  return 0;
}

std::string writeNew(const fs::path& path, const Source& source) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return reasonFor(path, errno);
  std::string why = source([&](const char* p, std::size_t n) { return writeAll(fd, p, n); });
  if (why.empty() && ::fsync(fd) != 0) why = reasonFor(path, errno);
  if (::close(fd) != 0 && why.empty()) why = reasonFor(path, errno);
  if (!why.empty()) ::unlink(path.c_str());
  return why;
}

Source bytesOf(std::string_view bytes, const fs::path& path) {
  return [bytes, path](const auto& put) {
    const int e = put(bytes.data(), bytes.size());
    return e ? reasonFor(path, e) : std::string();
  };
}

Source copyOf(const fs::path& from, const fs::path& path) {
  return [from, path](const auto& put) -> std::string {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return reasonFor(from, errno);
    std::string why;
    char buffer[1 << 16];
    for (;;) {
      const ssize_t n = ::read(in, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) why = reasonFor(from, errno);
      if (n <= 0) break;
      if (const int e = put(buffer, static_cast<std::size_t>(n))) {
        why = reasonFor(path, e);
        break;
      }
    }
    ::close(in);
    return why;
  };
}

std::string replaceWith(const fs::path& path, const Source& source) {
  std::error_code ec;
  const auto status = fs::symlink_status(path, ec);
  if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_symlink(status))
    return path.string() + ": nije datoteka";
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  removeDeadRunParts(folder, path);
  const fs::path part = partFileOf(path);
  fs::remove(part, ec);  // a part this process left when it failed to remove it
  if (std::string why = writeNew(part, source); !why.empty()) return why;
  if (::rename(part.c_str(), path.c_str()) != 0) {
    const std::string why = reasonFor(path, errno);
    ::unlink(part.c_str());
    return why;
  }
  syncFolder(folder);
  return {};
}

// The process id of a part file's name ("<name>.part<id>"), or 0.
long partOwner(std::string_view name, std::string_view ofName) {
  const std::size_t at = name.rfind(kPart);
  if (at == std::string_view::npos || at == 0) return 0;
  if (!ofName.empty() && name.substr(0, at) != ofName) return 0;
  const std::string_view digits = name.substr(at + kPart.size());
  long pid = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
  return error == std::errc() && end == digits.data() + digits.size() && pid > 0 ? pid : 0;
}

void removeParts(const fs::path& folder, std::string_view ofName) {
  std::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const long pid = partOwner(name, ofName);
    std::error_code kind;
    if (pid != 0 && processGone(pid) && it->symlink_status(kind).type() == fs::file_type::regular) {
      std::error_code gone;
      fs::remove(it->path(), gone);
    }
  }
}

}  // namespace

bool processGone(long pid) {
  if (pid == static_cast<long>(::getpid())) return false;
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

std::string writeNewFile(const fs::path& path, std::string_view bytes) {
  return writeNew(path, bytesOf(bytes, path));
}

std::string copyToNewFile(const fs::path& from, const fs::path& path) {
  return writeNew(path, copyOf(from, path));
}

std::string replaceFile(const fs::path& path, std::string_view bytes) {
  return replaceWith(path, bytesOf(bytes, path));
}

std::string replaceFileByCopy(const fs::path& from, const fs::path& path) {
  return replaceWith(path, copyOf(from, path));
}

fs::path partFileOf(const fs::path& path) {
  return fs::path(path.string() + std::string(kPart) + std::to_string(::getpid()));
}

void removeDeadRunParts(const fs::path& folder) {
  removeParts(folder, {});
}

void removeDeadRunParts(const fs::path& folder, const fs::path& path) {
  removeParts(folder, path.filename().string());
}

}  // namespace obrazac
