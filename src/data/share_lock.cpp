#include "data/share_lock.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

#include "data/store_error.h"

namespace obrazac {
namespace {

// Byte 0 of the lock file stands for read access, byte 1 for write access. Having an access is
// a read lock on its byte; denying it to others is a write lock on its byte.
constexpr off_t kReadByte = 0;
constexpr off_t kWriteByte = 1;

bool lockByte(int fd, off_t byte, short type) {
  struct flock fl {};
  fl.l_type = type;
  fl.l_whence = SEEK_SET;
  fl.l_start = byte;
  fl.l_len = 1;
  return fcntl(fd, F_OFD_SETLK, &fl) == 0;
}

bool cannotWrite(int error) {
  return error == EACCES || error == EROFS || error == EPERM || error == ENOENT;
}

}  // namespace

int ShareLock::acquire(const std::filesystem::path& tableFile, AccessMode mode) {
  release();
  // The lock files live in a hidden folder of the working folder, out of the bookkeeper's way.
  const auto lockDir = tableFile.parent_path() / ".locks";
  std::error_code ec;
  std::filesystem::create_directory(lockDir, ec);
  const std::string lockPath = (lockDir / tableFile.filename()).string();
  int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0 && mode == AccessMode::ReadOnly && cannotWrite(errno)) {
    // A folder that cannot be written (a read-only disk, a copy without rights) is still read:
    // through its lock file where it has one, else without a lock, as nothing can change it.
    fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || cannotWrite(errno))) {
      mode_ = mode;
      return err::kOk;
    }
  }
  if (fd < 0) return errno == EACCES ? err::kAccessDenied : err::kFileSystemError;
  const short readLock = mode == AccessMode::DenyAll ? F_WRLCK : F_RDLCK;
  const short writeLock =
      mode == AccessMode::DenyAll || mode == AccessMode::DenyWrite ? F_WRLCK : F_RDLCK;
  const bool ok = lockByte(fd, kReadByte, readLock) &&
                  (mode == AccessMode::ReadOnly || lockByte(fd, kWriteByte, writeLock));
  if (!ok) {
    ::close(fd);
    return err::kAccessDenied;
  }
  fd_ = fd;
  mode_ = mode;
  return err::kOk;
}

void ShareLock::release() {
  if (fd_ >= 0) ::close(fd_);  // closing the description drops its locks
  fd_ = -1;
}

}  // namespace obrazac
