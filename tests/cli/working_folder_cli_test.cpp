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

// A folder the store cannot open, or whose name the parameters cannot hold, is refused with the
// reason at once, instead of a bare store error or a folder that every later run takes for another.
TEST(WorkingFolderCli, AFolderTheInstallationCannotUseIsRefusedWithTheReason) {
  TempDir root;
  fs::path deep = root.path();
  while (deep.string().size() < 520) deep /= std::string(60, 'd');
  for (const char* command : {"init --demo", "obligor list"}) {
    const auto refused = runCli(in(deep, command));
    EXPECT_EQ(refused.exitCode, 2) << command;
    EXPECT_NE(refused.output.find("je preduga za bazu podataka"), std::string::npos)
        << refused.output;
  }
  EXPECT_EQ(runCli(in(deep, "picture N05 12")).exitCode, 0) << "a command without tables runs";

  const fs::path cyrillic = root / "Плаће";
  const auto refused = runCli(in(cyrillic, "init --demo"));
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.output.find("nema ga u kodnoj stranici Windows-1250"), std::string::npos)
      << refused.output;
  EXPECT_FALSE(fs::exists(cyrillic));
  const fs::path croatian = root / "Plaće";
  ASSERT_EQ(runCli(in(croatian, "init --demo")).exitCode, 0);
  EXPECT_EQ(runCli(in(croatian, kSend)).exitCode, 0) << "the folder round-trips";
}

// What a message quotes from a file or an option reaches the terminal escaped.
TEST(WorkingFolderCli, ControlCharactersInMessagesAreEscaped) {
  TempDir root;
  const fs::path dir = root / "mapa";
  ASSERT_EQ(runCli(in(dir, "init --demo")).exitCode, 0);
  testing::writeFile(dir / "uvoz.csv", "jmbg,\x1b[2Jname\n1,2\n");
  const auto header = runCli(in(dir, "employee import '" + (dir / "uvoz.csv").string() +
                                         "' --employer 1"));
  EXPECT_NE(header.exitCode, 0);
  EXPECT_EQ(header.output.find('\x1b'), std::string::npos) << header.output;
  EXPECT_NE(header.output.find("\\x1B[2Jname"), std::string::npos)
      << header.output;
  const auto option = runCli(in(dir, "employee add --employer 1 --iv7 \"$(printf '1\\033[31m')\""));
  EXPECT_EQ(option.output.find('\x1b'), std::string::npos) << option.output;
  EXPECT_NE(option.output.find("\\x1B[31m"), std::string::npos) << option.output;
}

}  // namespace
}  // namespace obrazac
