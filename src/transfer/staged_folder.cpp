#include "transfer/staged_folder.h"

#include <unistd.h>

#include <random>

#include "data/table_file_copy.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAside = "zamijenjeno";  // originals set aside while the new files go in

fs::path journalOf(const fs::path& file) {
  return fs::path(file.string() + "-journal");
}

bool present(const fs::path& p) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(p, ec));
}

}  // namespace

StagedFolder::StagedFolder(fs::path destination) : destination_(std::move(destination)) {}

StagedFolder::~StagedFolder() {
  if (staging_.empty() || keep_) return;
  std::error_code ec;
  fs::remove_all(staging_, ec);
}

std::optional<CopyFailure> StagedFolder::create() {
  std::random_device rd;
  std::error_code ec;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path candidate = destination_ / (".prijenos-" + std::to_string(::getpid()) + "-" +
                                               std::to_string(rd() % 1000000));
    if (fs::create_directory(candidate, ec)) {
      staging_ = candidate;
      if (fs::create_directory(staging_ / kAside, ec)) return std::nullopt;
      return CopyFailure{staging_ / kAside, ec.message()};
    }
    if (ec) return CopyFailure{destination_, ec.message()};
  }
  return CopyFailure{destination_, "nije moguće napraviti privremenu mapu"};
}

std::optional<CopyFailure> StagedFolder::copyIn(const fs::path& from, const std::string& name) {
  std::string reason = copyTableFile(from, staging_ / name);
  if (!reason.empty()) return CopyFailure{from, std::move(reason)};
  names_.push_back(name);
  return std::nullopt;
}

std::optional<CopyFailure> StagedFolder::scratch(const std::string& name, fs::path& folder) {
  folder = staging_ / name;
  std::error_code ec;
  if (fs::create_directory(folder, ec) || fs::is_directory(folder, ec)) return std::nullopt;
  return CopyFailure{folder, ec.message()};
}

std::optional<CopyFailure> StagedFolder::moveIn(const std::string& name, Moved& m) {
  const fs::path dest = destination_ / name;
  const fs::path aside = staging_ / kAside / name;
  std::error_code ec;
  if (present(dest)) {
    // A folder or anything else under a table's name is the user's, never to be thrown away.
    if (!fs::is_regular_file(dest, ec)) return CopyFailure{dest, "nije datoteka"};
    fs::rename(dest, aside, ec);
    if (ec) return CopyFailure{dest, ec.message()};
    m.original = true;
  }
  // A journal left by a crash belongs to the file it came with; beside the new file it would be
  // rolled back into it.
  if (present(journalOf(dest))) {
    fs::rename(journalOf(dest), journalOf(aside), ec);
    if (ec) return CopyFailure{journalOf(dest), ec.message()};
    m.journal = true;
  }
  fs::rename(staging_ / name, dest, ec);
  if (ec) return CopyFailure{dest, ec.message()};
  m.placed = true;
  return std::nullopt;
}

bool StagedFolder::undo(const Moved& m) {
  const fs::path dest = destination_ / m.name;
  const fs::path aside = staging_ / kAside / m.name;
  std::error_code ec;
  bool ok = true;
  if (m.placed) {
    fs::rename(dest, staging_ / m.name, ec);
    ok = ok && !ec;
  }
  if (m.original) {
    fs::rename(aside, dest, ec);
    ok = ok && !ec;
  }
  if (m.journal) {
    fs::rename(journalOf(aside), journalOf(dest), ec);
    ok = ok && !ec;
  }
  return ok;
}

std::optional<CopyFailure> StagedFolder::commit() {
  std::vector<Moved> moved;
  moved.reserve(names_.size());
  std::optional<CopyFailure> failure;
  for (const auto& name : names_) {
    moved.push_back(Moved{name});
    if ((failure = moveIn(name, moved.back()))) break;
  }
  if (failure) {
    bool undone = true;
    for (auto it = moved.rbegin(); it != moved.rend(); ++it) undone = undo(*it) && undone;
    if (!undone) {
      keep_ = true;
      failure->reason += "; prethodne datoteke su u " + (staging_ / kAside).string();
    }
  }
  syncFolder(destination_);
  return failure;
}

}  // namespace obrazac
