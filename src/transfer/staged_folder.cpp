#include "transfer/staged_folder.h"

#include "data/table_file_copy.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;

std::optional<CopyFailure> failure(const fs::path& file, std::string reason) {
  if (reason.empty()) return std::nullopt;
  return CopyFailure{file, std::move(reason)};
}

}  // namespace

StagedFolder::StagedFolder(fs::path destination)
    : destination_(std::move(destination)), swap_(destination_) {}

std::optional<CopyFailure> StagedFolder::create() {
  return failure(destination_, swap_.create());
}

std::optional<CopyFailure> StagedFolder::copyIn(const fs::path& from, const std::string& name) {
  if (auto f = failure(from, copyTableFile(from, folder() / name))) return f;
  names_.push_back(name);
  return std::nullopt;
}

std::optional<CopyFailure> StagedFolder::scratch(const std::string& name, fs::path& sub) {
  sub = folder() / name;
  std::error_code ec;
  if (fs::create_directory(sub, ec) || fs::is_directory(sub, ec)) return std::nullopt;
  return CopyFailure{sub, ec.message()};
}

std::optional<CopyFailure> StagedFolder::commit() {
  for (const auto& name : names_)
    if (auto f = failure(destination_ / name, swap_.place(folder() / name, destination_ / name)))
      return f;
  return failure(destination_, swap_.commit());
}

}  // namespace obrazac
