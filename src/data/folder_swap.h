// A change to the files of a working folder that happens wholly or not at all, even when the
// program is killed in the middle: a run that rewrites tables and produces an output file, an
// import that replaces tables by new ones. The change has a hidden folder of its own in the
// working folder (".zamjena-..."), held by a lock while its process lives. Before the first
// write the tables it changes in place are copied there; new files are made beside their
// places. The commit writes the journal "ZAMJENA" listing the renames that put the new files in
// place (from then on the change counts as made), does them and removes the folder.
//
// A change that ends without its commit puts the copied tables back and removes what it made.
// The next start of the program finds the folder of a change whose process died and does the
// same: without a journal the change is undone, with one its renames are finished.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data/share_lock.h"

namespace obrazac {

class FolderSwap {
 public:
  explicit FolderSwap(std::filesystem::path workDir);
  // Without a commit, undoes the change (see undo()).
  ~FolderSwap();
  FolderSwap(const FolderSwap&) = delete;
  FolderSwap& operator=(const FolderSwap&) = delete;

  // Makes and locks the change's folder. Returns why that failed (UTF-8), or an empty string.
  std::string create();
  const std::filesystem::path& folder() const { return folder_; }

  // Copies a table file of the working folder before the change writes it, to be put back if
  // the change does not complete; a table that does not exist yet is removed then.
  std::string keep(const std::filesystem::path& table);

  // Marks `from` (a new file in the change's folder or beside `to`, complete by the commit) to
  // be renamed over `to` by the commit, and to be removed if the change is undone. `to` must be
  // absent or a regular file.
  std::string place(const std::filesystem::path& from, const std::filesystem::path& to);
  // A name for the new file of `to` beside it, for place().
  std::filesystem::path besideOf(const std::filesystem::path& to) const;

  // Makes the change: journal, renames, folder removed. On a failure before the journal stands
  // the change is undone; returns why it failed, or an empty string.
  std::string commit();

  // Puts the kept tables back and removes the new files and the folder. Keyed tables the
  // caller's contexts hold open see the restored rows. Returns why a table could not be put
  // back (the folder then stays for the next start), or an empty string.
  std::string undo();

 private:
  void finish();

  std::filesystem::path workDir_;
  std::filesystem::path folder_;
  ShareLock lock_;
  bool done_ = true;
};

// Finishes or undoes every change in `workDir` whose process died, and removes its folder and
// the staging folders older versions left behind. Called before a command or the desktop opens
// any table. Returns a message for each change that could not be settled (UTF-8).
std::vector<std::string> recoverInterruptedSwap(const std::filesystem::path& workDir);

}  // namespace obrazac
