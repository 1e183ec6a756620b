#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/previous_year_folder.h"
#include "support/table_dump.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;
using testing::runCli;

// One word for the shell that runs the tool in these tests, whatever it holds.
std::string shellWord(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class TransferCommands : public ::testing::Test {
 protected:
  testing::TempDir root_;
  fs::path work_ = root_ / "radna";
  void SetUp() override { testing::buildPreviousYearFolder(work_); }

  static testing::CliResult run(const fs::path& dir, const std::string& args) {
    return runCli("--dir " + shellWord(dir.string()) + " " + args);
  }
};

TEST_F(TransferCommands, AFolderNameIsOnlyEverAFolderName) {
  testing::writeFile(root_ / "sentinel", "ostaje");
  const std::string names[] = {
      "x; rm -rf " + (root_ / "sentinel").string() + " ; touch pwned1",
      "$(touch pwned2)",
      "`touch pwned3` && touch pwned4 | cat",
      "it's \"quoted\" & spaced out",
  };
  const auto tables = testing::dumpTables(work_);
  for (const auto& name : names) {
    SCOPED_TRACE(name);
    const fs::path target = root_ / name;
    const auto exported = run(work_, "export " + shellWord(target.string()));
    EXPECT_EQ(exported.exitCode, 0) << exported.output;
    EXPECT_EQ(exported.output, "Export je završen. Provjerite\n");
    EXPECT_TRUE(fs::exists(target / "TBPOSLOD.DAT"));

    const fs::path fresh = root_ / ("novo " + std::to_string(&name - names));
    const auto imported = run(fresh, "import " + shellWord(target.string()) + " --yes");
    EXPECT_EQ(imported.exitCode, 0) << imported.output;
    EXPECT_EQ(testing::dumpTables(fresh), tables);
  }
  EXPECT_EQ(testing::readFile(root_ / "sentinel"), "ostaje");
  for (const fs::path& dir : {root_.path(), fs::current_path(), work_})
    for (const char* trace : {"pwned1", "pwned2", "pwned3", "pwned4"})
      EXPECT_FALSE(fs::exists(dir / trace)) << dir / trace;
}

TEST_F(TransferCommands, ImportAsksOnTheTerminal) {
  const fs::path source = root_ / "izvor";
  ASSERT_EQ(run(work_, "export " + shellWord(source.string())).exitCode, 0);
  const fs::path fresh = root_ / "nova";
  fs::create_directories(fresh);
  testing::writeFile(root_ / "ne", "n\n");
  testing::writeFile(root_ / "da", "d\n");

  const auto declined = run(
      fresh, "import " + shellWord(source.string()) + " < " + shellWord((root_ / "ne").string()));
  EXPECT_EQ(declined.exitCode, 1);
  EXPECT_EQ(declined.output, "Da li želite postojeće podatke zamijeniti ? (d/n) ");
  EXPECT_TRUE(testing::folderContents(fresh).empty());

  const auto accepted = run(
      fresh, "import " + shellWord(source.string()) + " < " + shellWord((root_ / "da").string()));
  EXPECT_EQ(accepted.exitCode, 0);
  EXPECT_EQ(accepted.output,
            "Da li želite postojeće podatke zamijeniti ? (d/n) Podaci su importirani !\n");

  const auto refused = run(fresh, "import " + shellWord((root_ / "nema").string()) + " --yes");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.output, "Greška. Pogrešan pretinac!\n");
}

TEST_F(TransferCommands, TakeoverPrintsItsMessagesAndExitCode) {
  const fs::path year = root_ / "2005";
  const auto done = run(year, "takeover-previous " + shellWord(work_.string()));
  EXPECT_EQ(done.exitCode, 0) << done.output;
  EXPECT_EQ(done.output, year.string() + "\nProcitano:3 upisano:3\n");
  EXPECT_EQ(run(year, "table TBZAPOSL.DAT count").output, "3\n");

  const auto missing = run(year, "takeover-previous " + shellWord((root_ / "nema").string()));
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.output.find("Greška kod preuzimanja podataka " + (root_ / "nema").string()),
            std::string::npos)
      << missing.output;
  EXPECT_EQ(run(year, "table TBZAPOSL.DAT count").output, "3\n");
}

}  // namespace
}  // namespace obrazac
