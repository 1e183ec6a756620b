#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;
using testing::runCli;
using testing::TempDir;

std::string in(const fs::path& dir, const std::string& args) {
  return "--dir '" + dir.string() + "' " + args;
}

constexpr const char* kSend =
    "send --employer 1 --type 01 --year 2025 --month 11 --from 1 --to 30 --date 15.12.2025";

// A working folder copied elsewhere still names the old one in its parameters: its runs are
// refused until the params command the message gives has set the folders to the new place.
TEST(WorkingFolderCli, ACopiedFolderRefusesRunsUntilItsFoldersAreSet) {
  TempDir root;
  const fs::path original = root / "stara", copy = root / "nova";
  ASSERT_EQ(runCli(in(original, "init --demo")).exitCode, 0);
  fs::copy(original, copy, fs::copy_options::recursive);

  for (const char* command : {kSend, "collect"}) {
    const auto refused = runCli(in(copy, command));
    EXPECT_EQ(refused.exitCode, 2) << refused.output;
    EXPECT_NE(refused.output.find(original.string()), std::string::npos) << refused.output;
    EXPECT_NE(refused.output.find(copy.string()), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(original / "izlaz" / "F0015001.TXT"));

  const auto refused = runCli(in(copy, kSend));
  const auto at = refused.output.find("obrazac-cli --dir ");
  ASSERT_NE(at, std::string::npos) << refused.output;
  const std::string params =
      refused.output.substr(at + 12, refused.output.find('\n', at) - at - 12);
  const auto set = runCli(params);
  ASSERT_EQ(set.exitCode, 0) << params << "\n" << set.output;
  EXPECT_NE(set.output.find((copy / "izlaz").string() + "/"), std::string::npos) << set.output;

  const auto sent = runCli(in(copy, kSend));
  EXPECT_EQ(sent.exitCode, 0) << sent.output;
  EXPECT_TRUE(fs::exists(copy / "izlaz" / "F0015001.TXT"));
  EXPECT_FALSE(fs::exists(original / "izlaz" / "F0015001.TXT"));
  // The original still works where it is.
  EXPECT_EQ(runCli(in(original, kSend)).exitCode, 0);
}

// Any command first settles what an interrupted swap left in the working folder.
TEST(WorkingFolderCli, ACommandRemovesWhatAKilledSwapLeftBehind) {
  TempDir dir;
  ASSERT_EQ(runCli(in(dir.path(), "init")).exitCode, 0);
  fs::create_directories(dir / ".zamjena-1-2" / "prije");
  testing::writeFile(dir / ".zamjena-1-2" / "TBPOSLOD.DAT", "not yet in place");
  const auto r = runCli(in(dir.path(), "table TBPOSLOD.DAT count"));
  EXPECT_EQ(r.exitCode, 0) << r.output;
  EXPECT_FALSE(fs::exists(dir / ".zamjena-1-2"));
}

}  // namespace
}  // namespace obrazac
