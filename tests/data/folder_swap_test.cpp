#include "data/folder_swap.h"

#include <gtest/gtest.h>

#include "data/context.h"
#include "support/kill_points.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

constexpr int kFiles = 30;

std::string nameOf(int i) {
  return "T" + std::to_string(1000 + i) + ".DAT";
}

// Many files replaced together, so kills fall while they are made and while they are renamed.
bool replaceAll(const fs::path& dir) {
  FolderSwap swap(dir);
  if (!swap.create().empty()) return false;
  for (int i = 0; i < kFiles; ++i) {
    writeFile(swap.folder() / nameOf(i), "novo " + std::to_string(i));
    if (!swap.place(swap.folder() / nameOf(i), dir / nameOf(i)).empty()) return false;
  }
  return swap.commit().empty();
}

TEST(FolderSwap, AKilledSwapIsUndoneOrFinishedByTheNextStart) {
  TempDir before;
  for (int i = 0; i < kFiles; ++i) writeFile(before / nameOf(i), "staro " + std::to_string(i));
  testing::expectAllOrNothing(before.path(), replaceAll, 12);
}

// A change whose process lives is left to it; once it ends without a commit, the kept table is
// back as it was.
TEST(FolderSwap, TheNextStartLeavesAChangeAtWorkAlone) {
  TempDir dir;
  Context ctx(dir.path());
  Table& list = ctx.table("TBT");
  ASSERT_EQ(list.create(), 0);
  ASSERT_EQ(list.open(), 0);
  const auto before = testing::dumpTables(dir.path());
  {
    FolderSwap swap(dir.path());
    ASSERT_TRUE(swap.create().empty());
    ASSERT_TRUE(swap.keep(list.file()).empty());
    list.record().clear();
    list.record().setText(list.record().index("IDENTIFIKATOR"), "001500101");
    ASSERT_EQ(list.add(), 0);
    const fs::path made = swap.besideOf(dir / "VELOR.RM0");
    writeFile(made, "novo");
    ASSERT_TRUE(swap.place(made, dir / "VELOR.RM0").empty());

    EXPECT_TRUE(recoverInterruptedSwap(dir.path()).empty());
    EXPECT_TRUE(fs::exists(swap.folder()));
    EXPECT_EQ(list.records(), 1);
    EXPECT_TRUE(fs::exists(made));
  }
  EXPECT_EQ(list.records(), 0);  // the open table reads the restored rows
  list.close();
  EXPECT_EQ(testing::dumpTables(dir.path()), before);
  EXPECT_EQ(testing::folderContents(dir.path()).size(), 1u);  // the table alone
}

// Staging folders of earlier versions go, unless they hold originals that could not be put back.
// A run killed before its change had a folder, or while it removed the settled folder, leaves
// the change's lock; the next start removes it once the run's process is gone, with the part
// files of its new files.
TEST(FolderSwap, TheNextStartRemovesTheLocksAndPartsOfDeadRuns) {
  TempDir dir;
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  const std::string dead = std::to_string(child), alive = std::to_string(getpid());
  fs::create_directories(dir / ".locks");
  for (const std::string& lock :
       {".zamjena-" + dead + "-1", ".zamjena-" + dead + "-2", ".zamjena-" + alive + "-3"})
    writeFile(dir / ".locks" / lock, "");
  fs::create_directories(dir / (".zamjena-" + dead + "-2.gotovo"));
  writeFile(dir / ("TBVELOR1.TXT.part" + dead), "half");
  writeFile(dir / ("TBUPLATE.DAT.part" + alive), "at work");

  EXPECT_TRUE(recoverInterruptedSwap(dir.path()).empty());
  EXPECT_EQ(testing::leftOvers(dir.path()),
            (std::vector<std::string>{(dir / ("TBUPLATE.DAT.part" + alive)).string(),
                                      (dir / ".locks" / (".zamjena-" + alive + "-3")).string()}));
  EXPECT_FALSE(fs::exists(dir / (".zamjena-" + dead + "-2.gotovo")));
}

TEST(FolderSwap, TheNextStartRemovesStagingFoldersLeftBehind) {
  TempDir dir;
  fs::create_directories(dir / ".prijenos-17-4711" / "zamijenjeno");
  writeFile(dir / ".prijenos-17-4711" / "TBPOSLOD.DAT", "staged");
  fs::create_directories(dir / ".prijenos-18-1" / "zamijenjeno");
  writeFile(dir / ".prijenos-18-1" / "zamijenjeno" / "TBPOSLOD.DAT", "original");
  EXPECT_TRUE(recoverInterruptedSwap(dir.path()).empty());
  EXPECT_FALSE(fs::exists(dir / ".prijenos-17-4711"));
  EXPECT_EQ(readFile(dir / ".prijenos-18-1" / "zamijenjeno" / "TBPOSLOD.DAT"), "original");
}

}  // namespace
}  // namespace obrazac
