// What makes a processing run (the sending, the takeover of payment data, the collective
// assembly) all or nothing. One run at a time works in a working folder; before anything is
// written it is checked that the output folder exists and takes files and that the disks have
// room, and the tables the run changes are kept. The new output file is made beside its place
// and renamed over the old one as the run's very last step, together with the tables' changes;
// a run that fails or is killed before that leaves the tables and the output folder as they were.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "data/context.h"
#include "data/folder_swap.h"
#include "data/share_lock.h"
#include "data/status.h"
#include "frame/run_reporter.h"
#include "submission/archive.h"

namespace obrazac::submission {

class RunGuard {
 public:
  RunGuard(Context& ctx, RunReporter& reporter);
  // Without a commit, puts the kept tables back (closed in the run's context meanwhile) and
  // removes the new output file.
  ~RunGuard();
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

  // Takes the working folder for this run and keeps the tables of these prefixes. A refusal is
  // shown with the table or folder and the store's error text; nothing has changed then.
  bool begin(std::initializer_list<const char*> changedTables,
             const std::filesystem::path& outputFolder);
  // Why `begin` refused the run.
  const Status& refusal() const { return refusal_; }

  // The run's output file: `made` copied beside `output`, renamed over it by the commit.
  // Returns why the copy failed (UTF-8), or an empty string.
  std::string produce(const std::filesystem::path& made, const std::filesystem::path& output);

  // Records the produced file in the archive (submission/archive.h): its rows and its copy,
  // made from the finished file `made`, become final with the commit or go with the run.
  // Returns why that failed (UTF-8), or an empty string.
  std::string archive(ArchiveEntry entry, const std::filesystem::path& made);

  // Makes the run's changes final. Returns why that failed: before the journal stood the run is
  // undone, after it the next start finishes the renames.
  std::string commit();

 private:
  bool refuse(int code, const std::string& what);
  bool checkOutputFolder(const std::filesystem::path& folder);
  bool checkRoom(const std::filesystem::path& folder, std::uintmax_t needed);

  Context& ctx_;
  RunReporter& reporter_;
  ShareLock runLock_;
  FolderSwap swap_;
  std::vector<std::string> kept_;  // prefixes of the kept tables
  bool begun_ = false;
  Status refusal_;
};

}  // namespace obrazac::submission
