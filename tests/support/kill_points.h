// Runs a change of a working folder in a child process and kills it (SIGKILL) at moments spread
// over its duration, each time in a fresh copy of the folder, to see what a crash leaves behind:
// after the next start's recovery the folder must be as before or as after a whole run, and the
// next run must succeed from there (from before, with the same result as the whole run).
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "data/folder_swap.h"
#include "support/table_dump.h"
#include "support/temp_dir.h"

namespace obrazac::testing {

// What a run may change: the keyed tables, the entries of the folder, of its output folder and
// of its archive of produced files.
struct FolderState {
  FolderDump tables;
  std::map<std::string, std::string> entries;
  std::map<std::string, std::string> output;
  std::map<std::string, std::string> archive;
  bool operator==(const FolderState&) const = default;
};

// The archive notes the moment a file was made, which two runs never share.
inline void blankArchiveTimes(FolderDump& tables) {
  const auto it = tables.find("TBARHIVA.DAT");
  if (it == tables.end()) return;
  const int time = tableByFile("TBARHIVA.DAT")->findField("VRIJEME");
  for (auto& [walk, rows] : it->second)
    for (auto& row : rows) {
      std::size_t start = 0;
      for (int i = 0; i < time && start != std::string::npos; ++i) {
        const std::size_t bar = row.find('|', start);
        start = bar == std::string::npos ? bar : bar + 1;
      }
      if (start == std::string::npos) continue;
      const std::size_t end = row.find('|', start);
      if (end != std::string::npos) row.erase(start, end - start);
    }
}

inline FolderState stateOf(const std::filesystem::path& dir) {
  // Insertion order only: the walks by key follow from the rows, and the kills are many.
  FolderState s{dumpTables(dir, false), {}, {}, {}};
  blankArchiveTimes(s.tables);
  // A keyed table's file changes its bytes when its rows are written back; its rows count.
  for (auto& [name, bytes] : folderContents(dir)) {
    const TableDecl* table = tableByFile(name);
    if (table && table->kind == TableKind::Keyed)
      s.entries[name] = "";
    else if (name.ends_with(".DAT") || name.starts_with("."))
      s.entries[name] = std::move(bytes);
  }
  if (std::filesystem::is_directory(dir / "izlaz")) s.output = folderContents(dir / "izlaz");
  if (std::filesystem::is_directory(dir / "ARHIVA")) s.archive = folderContents(dir / "ARHIVA");
  return s;
}

// Where two states part, for the failure message.
inline std::string differenceOf(const FolderState& a, const FolderState& b) {
  std::string names;
  auto compare = [&](const auto& x, const auto& y) {
    for (const auto& [name, value] : x)
      if (!y.contains(name) || y.at(name) != value) names += name + " ";
    for (const auto& [name, value] : y)
      if (!x.contains(name)) names += name + " ";
  };
  compare(a.tables, b.tables);
  compare(a.entries, b.entries);
  compare(a.output, b.output);
  compare(a.archive, b.archive);
  return names;
}

inline void copyFolder(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::filesystem::remove_all(to);
  std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

// What a killed run may leave only until the next start: part files of new files (in the
// folder and its output folder) and the locks of its changes.
inline std::vector<std::string> leftOvers(const std::filesystem::path& dir) {
  std::vector<std::string> found;
  std::error_code ec;
  for (const auto& folder : {dir, dir / "izlaz"})
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
      if (e.path().filename().string().find(".part") != std::string::npos)
        found.push_back(e.path().string());
  for (const auto& e : std::filesystem::directory_iterator(dir / ".locks", ec))
    if (e.path().filename().string().starts_with(".zamjena-")) found.push_back(e.path().string());
  return found;
}

using FolderRun = std::function<bool(const std::filesystem::path&)>;

// Runs `run` in a child; kills it after `delay` unless it ended before. The time it took.
inline std::chrono::microseconds runInChild(const FolderRun& run, const std::filesystem::path& dir,
                                            std::chrono::microseconds delay) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) _exit(run(dir) ? 0 : 1);
  int status = 0;
  if (delay.count() > 0) {
    std::this_thread::sleep_for(delay);
    kill(child, SIGKILL);
  }
  waitpid(child, &status, 0);
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                               start);
}

// What must hold of the folder after every kill and recovery besides being as before or after.
using FolderCheck = std::function<void(const std::filesystem::path&)>;

// `before` is left untouched; the copies are made beside it.
inline void expectAllOrNothing(const std::filesystem::path& before, const FolderRun& run,
                               int points = 12, const FolderCheck& alsoHolds = {}) {
  TempDir scratch;
  const auto work = scratch / "radna";
  copyFolder(before, work);
  const FolderState old = stateOf(work);
  const auto whole = runInChild(run, work, {});
  const FolderState done = stateOf(work);
  ASSERT_NE(old, done) << "the run changed nothing";

  int asBefore = 0;
  for (int k = 1; k <= points; ++k) {
    copyFolder(before, work);
    runInChild(run, work, whole * k / (points + 1));
    EXPECT_TRUE(recoverInterruptedSwap(work).empty());
    EXPECT_EQ(leftOvers(work), std::vector<std::string>{}) << "kill point " << k;
    if (alsoHolds) {
      SCOPED_TRACE("kill point " + std::to_string(k));
      alsoHolds(work);
    }
    const FolderState found = stateOf(work);
    asBefore += found == old;
    EXPECT_TRUE(found == old || found == done)
        << "kill point " << k << " of " << points << ": " << differenceOf(found, old) << "/ "
        << differenceOf(found, done);
    ASSERT_TRUE(run(work)) << "the run after kill point " << k;
    if (found == old) {
      const FolderState next = stateOf(work);
      EXPECT_TRUE(next == done) << "kill point " << k << ": " << differenceOf(next, done);
    }
  }
  // Some kills fell within the run, not all after it.
  EXPECT_GT(asBefore, 0);
}

}  // namespace obrazac::testing
