#include "data/file_replace.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "support/temp_dir.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

// No part file of any process stands in the folder.
bool noPartIn(const fs::path& dir) {
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().filename().string().find(".part") != std::string::npos) return false;
  return true;
}

// The id of a process that has ended.
long deadProcess() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

TEST(FileReplace, TheTargetIsWhollyReplacedOrLeftAsItWas) {
  TempDir dir;
  writeFile(dir / "old", "old file");
  writeFile(dir / "new", std::string(200'000, 'n'));
  EXPECT_EQ(replaceFileByCopy(dir / "new", dir / "old"), "");
  EXPECT_EQ(readFile(dir / "old"), std::string(200'000, 'n'));
  EXPECT_EQ(replaceFile(dir / "old", "bytes"), "");
  EXPECT_EQ(readFile(dir / "old"), "bytes");

  writeFile(dir / "old", "old file");
  EXPECT_NE(replaceFileByCopy(dir / "missing", dir / "old"), "");
  EXPECT_NE(replaceFileByCopy(dir.path(), dir / "old"), "");  // a folder is no file to copy
  EXPECT_EQ(readFile(dir / "old"), "old file");
  fs::create_directories(dir / "target");  // a folder cannot be replaced by a file
  EXPECT_NE(replaceFileByCopy(dir / "new", dir / "target"), "");
  EXPECT_NE(writeNewFile(dir / "old", "x"), "");  // a new file never replaces one
  EXPECT_EQ(readFile(dir / "old"), "old file");
  EXPECT_TRUE(noPartIn(dir.path()));
}

// A link in the place is replaced itself: the file it leads to, outside, stays as it was, and a
// new file is never made through a link either.
TEST(FileReplace, ALinkInThePlaceIsReplacedNeverWrittenThrough) {
  TempDir outside, dir;
  writeFile(outside / "theirs", "not ours");
  fs::create_symlink(outside / "theirs", dir / "TBVELOR.TXT");
  fs::create_symlink(outside / "absent", dir / "TBSLOG5.TXT");
  EXPECT_EQ(replaceFile(dir / "TBVELOR.TXT", "ours"), "");
  EXPECT_NE(writeNewFile(dir / "TBSLOG5.TXT", "ours"), "");
  EXPECT_EQ(readFile(outside / "theirs"), "not ours");
  EXPECT_FALSE(fs::exists(outside / "absent"));
  EXPECT_FALSE(fs::is_symlink(dir / "TBVELOR.TXT"));
  EXPECT_EQ(readFile(dir / "TBVELOR.TXT"), "ours");
}

// A disk that takes no more bytes (a file size limit stands in for it) fails the write before
// the rename: the old file stays and no part is left.
TEST(FileReplace, AFullDiskKeepsTheOldFile) {
  TempDir dir;
  writeFile(dir / "out.pdf", "good old pdf");
  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    const std::string why = replaceFile(dir / "out.pdf", std::string(100'000, 'p'));
    _exit(why.find("File too large") != std::string::npos ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(readFile(dir / "out.pdf"), "good old pdf");
  EXPECT_TRUE(noPartIn(dir.path()));
}

// What a killed run left is removed by the next one; the parts of living processes stay.
TEST(FileReplace, PartsOfDeadRunsAreRemoved) {
  TempDir dir;
  const std::string dead = std::to_string(deadProcess());
  const std::string alive = std::to_string(getppid());
  for (const std::string& name :
       {"TBVELOR1.TXT.part" + dead, "out.pdf.part" + dead, "out.pdf.part" + alive,
        "TBUPLATE.DAT.part" + alive, std::string("notes.part")})
    writeFile(dir / name, "x");
  EXPECT_EQ(replaceFile(dir / "out.pdf", "pdf"), "");  // its own dead parts only
  EXPECT_FALSE(fs::exists(dir / ("out.pdf.part" + dead)));
  EXPECT_TRUE(fs::exists(dir / ("TBVELOR1.TXT.part" + dead)));

  removeDeadRunParts(dir.path());
  std::set<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir.path()))
    left.insert(entry.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{"out.pdf", "out.pdf.part" + alive,
                                         "TBUPLATE.DAT.part" + alive, std::string("notes.part")}));
}

}  // namespace
}  // namespace obrazac
