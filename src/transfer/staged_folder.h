// Replaces a set of files in a folder all or nothing, even across a crash. The new files are
// first made in the change's hidden folder inside the destination (same disk, so moving them in
// is a rename); only when every one of them exists does the journal of the swap stand and are
// they renamed over their places. A crash before that leaves the destination as it was, one
// after it is finished by the next start; either way the hidden folder goes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/folder_swap.h"

namespace obrazac {

// A file that could not be copied or put in place, and why (UTF-8).
struct CopyFailure {
  std::filesystem::path file;
  std::string reason;
};

class StagedFolder {
 public:
  explicit StagedFolder(std::filesystem::path destination);

  std::optional<CopyFailure> create();
  const std::filesystem::path& folder() const { return swap_.folder(); }

  // Copies a table file into the staging folder as `name` and marks it to be moved in.
  std::optional<CopyFailure> copyIn(const std::filesystem::path& from, const std::string& name);
  // Marks a file made in the staging folder by other means to be moved in.
  void include(const std::string& name) { names_.push_back(name); }
  // A subfolder of the staging folder for work copies that are never moved in.
  std::optional<CopyFailure> scratch(const std::string& name, std::filesystem::path& folder);

  // Moves every marked file into the destination under its name, all or nothing.
  std::optional<CopyFailure> commit();

 private:
  std::filesystem::path destination_;
  FolderSwap swap_;
  std::vector<std::string> names_;
};

}  // namespace obrazac
