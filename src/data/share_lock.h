// The sharing modes of an open table across contexts and processes, held as open-file-description
// locks on a small lock file of the same name in the working folder's ".locks" folder. A
// conflicting open is refused at once (error 5), never waited for; a process that dies releases its
// locks with it, so a lock can never go stale.
#pragma once

#include <filesystem>

namespace obrazac {

enum class AccessMode {
  DenyNone,   // read/write, fully shared: the default of the record manager
  DenyWrite,  // read/write, others may only read
  DenyAll,    // read/write, exclusive: before empty and while a work table is rebuilt
  ReadOnly,   // read only, deny none
};

class ShareLock {
 public:
  ShareLock() = default;
  ShareLock(const ShareLock&) = delete;
  ShareLock& operator=(const ShareLock&) = delete;
  ~ShareLock() { release(); }

  // 0, or the store's error code (5 on a conflicting holder, 90 when the lock file fails).
  int acquire(const std::filesystem::path& tableFile, AccessMode mode);
  void release();
  bool held() const { return fd_ >= 0; }
  AccessMode mode() const { return mode_; }

 private:
  int fd_ = -1;
  AccessMode mode_ = AccessMode::DenyNone;
};

}  // namespace obrazac
