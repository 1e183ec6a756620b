#include "data/folder_swap.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <utility>

#include "data/file_replace.h"
#include "data/table_file_copy.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = ".zamjena-";
constexpr std::string_view kOldStagingPrefix = ".prijenos-";  // left by earlier versions
constexpr const char* kOldAside = "zamijenjeno";  // their originals, when putting them back failed
constexpr const char* kKept = "prije";            // copies of the tables changed in place
constexpr const char* kPlan = "NOVO";        // the renames, while the change can still be undone
constexpr const char* kJournal = "ZAMJENA";  // the same list once the change counts as made
constexpr std::string_view kPartial = ".dio";
constexpr std::string_view kAbsent = ".nema";     // marks a table that did not exist before
constexpr std::string_view kSettled = ".gotovo";  // a change's folder on its way out

bool present(const fs::path& p) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(p, ec));
}

fs::path journalOf(const fs::path& file) {
  return fs::path(file.string() + "-journal");
}

// The name of a change's folder without the mark of a settled one: the name its lock has.
std::string changeName(const fs::path& folder) {
  std::string name = folder.filename().string();
  if (name.ends_with(kSettled)) name.resize(name.size() - kSettled.size());
  return name;
}

void removeLockFile(const fs::path& folder) {
  std::error_code ec;
  fs::remove(folder.parent_path() / ".locks" / changeName(folder), ec);
}

// The process that made a change, from its folder's name ".zamjena-<id>-<n>"; 0 if none.
long changeOwner(std::string_view name) {
  if (!name.starts_with(kPrefix)) return 0;
  name.remove_prefix(kPrefix.size());
  long pid = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
  return error == std::errc() && end != name.data() && *end == '-' ? pid : 0;
}

// The locks of changes whose process died before it made the change's folder.
void removeOrphanLocks(const fs::path& workDir) {
  std::error_code ec;
  fs::directory_iterator it(workDir / ".locks", ec), end;
  std::vector<fs::path> orphans;
  for (; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const long pid = changeOwner(name);
    if (pid != 0 && processGone(pid) && !present(workDir / name) &&
        !present(workDir / (name + std::string(kSettled))))
      orphans.push_back(it->path());
  }
  for (const fs::path& lock : orphans) fs::remove(lock, ec);
}

std::string appendSynced(const fs::path& file, const std::string& text) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return file.string() + ": " + std::strerror(errno);
  std::string reason;
  for (const char* p = text.data(); reason.empty() && p < text.data() + text.size();) {
    const ssize_t n = ::write(fd, p, static_cast<std::size_t>(text.data() + text.size() - p));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) reason = file.string() + ": " + std::strerror(errno);
    p += n > 0 ? n : 0;
  }
  if (reason.empty() && ::fsync(fd) != 0) reason = file.string() + ": " + std::strerror(errno);
  if (::close(fd) != 0 && reason.empty()) reason = file.string() + ": " + std::strerror(errno);
  return reason;
}

// The renames of a plan or journal: lines "from", "to" in turn. A line the crash cut short is
// no line.
std::vector<std::pair<fs::path, fs::path>> readPlacements(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
    lines.push_back(text.substr(at, end - at));
  std::vector<std::pair<fs::path, fs::path>> all;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) all.emplace_back(lines[i], lines[i + 1]);
  return all;
}

// Renames every new file still waiting over its place. A stale hot journal beside the place
// belongs to the file being replaced; beside the new one it would be rolled back into it.
std::string finishRenames(const fs::path& journal) {
  std::error_code ec;
  std::set<fs::path> folders;
  for (const auto& [from, to] : readPlacements(journal)) {
    if (!present(from)) continue;  // renamed before
    fs::remove(journalOf(to), ec);
    fs::rename(from, to, ec);
    if (ec) return to.string() + ": " + ec.message();
    folders.insert(to.parent_path());
  }
  for (const auto& folder : folders) syncFolder(folder);
  return {};
}

// Puts every kept table back over its place in the working folder and removes the new files.
std::string undoChange(const fs::path& folder, const fs::path& workDir) {
  std::error_code ec;
  fs::directory_iterator it(folder / kKept, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.ends_with(kPartial) || name.ends_with("-journal")) continue;
    if (name.ends_with(kAbsent)) {
      const fs::path made = workDir / name.substr(0, name.size() - kAbsent.size());
      std::error_code gone;
      fs::remove(journalOf(made), gone);
      fs::remove(made, gone);
      continue;
    }
    if (std::string why = restoreTableFile(it->path(), workDir / name); !why.empty())
      return (workDir / name).string() + ": " + why;
  }
  // Only what the change made itself: in its folder, or named after it beside a place.
  for (const auto& [from, to] : readPlacements(folder / kPlan))
    if (from.parent_path() == folder ||
        from.filename().string().ends_with(folder.filename().string()))
      fs::remove(from, ec);
  return {};
}

std::string settle(const fs::path& folder, const fs::path& workDir) {
  if (present(folder / kJournal)) return finishRenames(folder / kJournal);
  return undoChange(folder, workDir);
}

}  // namespace

FolderSwap::FolderSwap(fs::path workDir) : workDir_(std::move(workDir)) {}

FolderSwap::~FolderSwap() {
  if (!done_) undo();
}

std::string FolderSwap::create() {
  std::random_device rd;
  std::error_code ec;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path candidate = workDir_ / (std::string(kPrefix) + std::to_string(::getpid()) + "-" +
                                           std::to_string(rd() % 1000000));
    // The lock before the folder: a start that finds the folder finds it held.
    if (lock_.acquire(candidate, AccessMode::DenyAll) != 0) {
      if (::access(workDir_.c_str(), W_OK | X_OK) != 0)
        return workDir_.string() + ": " + std::strerror(errno);
      continue;
    }
    if (fs::create_directory(candidate, ec) && fs::create_directory(candidate / kKept, ec)) {
      folder_ = candidate;
      done_ = false;
      return {};
    }
    lock_.release();
    if (ec) return candidate.string() + ": " + ec.message();
  }
  return workDir_.string() + ": nije moguće napraviti privremenu mapu";
}

std::string FolderSwap::keep(const fs::path& table) {
  const fs::path kept = folder_ / kKept / table.filename();
  const fs::path partial(kept.string() + std::string(kPartial));
  std::error_code ec;
  if (!fs::exists(table, ec)) {
    // A table the change makes goes again when it is undone.
    const fs::path absent(kept.string() + std::string(kAbsent));
    if (std::ofstream(absent).good()) return {};
    return absent.string() + ": " + std::strerror(errno);
  }
  // Only a whole copy is ever put back: it gets its name when it is complete.
  if (std::string why = copyTableFile(table, partial); !why.empty())
    return table.string() + ": " + why;
  fs::rename(partial, kept, ec);
  if (ec) return kept.string() + ": " + ec.message();
  return {};
}

fs::path FolderSwap::besideOf(const fs::path& to) const {
  return to.parent_path() / (to.filename().string() + folder_.filename().string());
}

std::string FolderSwap::place(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (present(to) && !fs::is_regular_file(to, ec)) return to.string() + ": nije datoteka";
  const std::string line = from.string() + "\n" + to.string() + "\n";
  if (line.find('\n') != from.string().size() || to.string().find('\n') != std::string::npos)
    return to.string() + ": naziv sadrži novi red";
  return appendSynced(folder_ / kPlan, line);
}

std::string FolderSwap::commit() {
  std::error_code ec;
  // The point of no return: the plan becomes the journal in one rename.
  if (present(folder_ / kPlan)) {
    fs::rename(folder_ / kPlan, folder_ / kJournal, ec);
    if (ec || !syncFolder(folder_)) {
      const std::string why = folder_.string() + ": " + (ec ? ec.message() : "sync");
      undo();
      return why;
    }
  }
  const std::string why = finishRenames(folder_ / kJournal);
  // A rename that failed after the journal stands is tried again at the next start.
  if (why.empty()) finish();
  done_ = true;
  return why.empty() ? why : why + "; zamjena će se dovršiti pri sljedećem pokretanju";
}

std::string FolderSwap::undo() {
  done_ = true;
  if (folder_.empty()) return {};
  const std::string why = undoChange(folder_, workDir_);
  if (why.empty()) finish();
  return why;
}

void FolderSwap::finish() {
  // Settled in one rename: a folder removed half way must not read as a change to undo.
  std::error_code ec;
  const fs::path settled(folder_.string() + std::string(kSettled));
  fs::rename(folder_, settled, ec);
  fs::remove_all(ec ? folder_ : settled, ec);
  syncFolder(workDir_);
  removeLockFile(folder_);
  lock_.release();
}

std::vector<std::string> recoverInterruptedSwap(const fs::path& workDir) {
  std::vector<std::string> problems;
  std::vector<fs::path> found;
  std::error_code ec;
  fs::directory_iterator it(workDir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with(kPrefix) || name.starts_with(kOldStagingPrefix))
      found.push_back(it->path());
  }
  for (const fs::path& folder : found) {
    ShareLock lock;
    if (lock.acquire(folder.parent_path() / changeName(folder), AccessMode::DenyAll) != 0)
      continue;                      // its run lives
    if (!present(folder)) continue;  // settled by its own run just now
    const std::string name = folder.filename().string();
    const bool old = name.starts_with(kOldStagingPrefix);
    if (old && !fs::is_empty(folder / kOldAside, ec) && !ec) continue;  // the user's originals
    const bool settled = old || name.ends_with(kSettled);
    if (std::string why = settled ? std::string() : settle(folder, workDir); !why.empty()) {
      problems.push_back("Prekinuta zamjena u " + folder.string() + " nije dovršena: " + why);
      continue;
    }
    fs::remove_all(folder, ec);
    removeLockFile(folder);
  }
  if (!found.empty()) syncFolder(workDir);
  removeOrphanLocks(workDir);
  removeDeadRunParts(workDir);
  return problems;
}

}  // namespace obrazac
