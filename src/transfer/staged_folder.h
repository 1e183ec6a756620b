// Replaces a set of files in a folder all or nothing. The new files are first made in a hidden
// staging folder inside the destination (same disk, so moving them in is a rename); only when
// every one of them exists are they moved into place, each original (and a journal left beside
// it) set aside first. When a move fails, the moves already made are undone, so the destination
// holds either all new files or exactly what it held before.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace obrazac {

// A file that could not be copied or put in place, and why (UTF-8).
struct CopyFailure {
  std::filesystem::path file;
  std::string reason;
};

class StagedFolder {
 public:
  explicit StagedFolder(std::filesystem::path destination);
  // Removes the staging folder with whatever is left in it, unless an undo failed: then the
  // originals wait there and the folder stays.
  ~StagedFolder();
  StagedFolder(const StagedFolder&) = delete;
  StagedFolder& operator=(const StagedFolder&) = delete;

  std::optional<CopyFailure> create();
  const std::filesystem::path& folder() const { return staging_; }

  // Copies a table file into the staging folder as `name` and marks it to be moved in.
  std::optional<CopyFailure> copyIn(const std::filesystem::path& from, const std::string& name);
  // Marks a file made in the staging folder by other means to be moved in.
  void include(const std::string& name) { names_.push_back(name); }
  // A subfolder of the staging folder for work copies that are never moved in.
  std::optional<CopyFailure> scratch(const std::string& name, std::filesystem::path& folder);

  // Moves every marked file into the destination under its name, all or nothing.
  std::optional<CopyFailure> commit();

 private:
  struct Moved {
    std::string name;
    bool original = false;  // the destination's file was set aside
    bool journal = false;   // and its journal
    bool placed = false;    // the new file is in place
  };
  std::optional<CopyFailure> moveIn(const std::string& name, Moved& m);
  bool undo(const Moved& m);

  std::filesystem::path destination_;
  std::filesystem::path staging_;
  std::vector<std::string> names_;
  bool keep_ = false;
};

}  // namespace obrazac
