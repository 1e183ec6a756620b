#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "cli/structured_output.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;
using testing::runCli;

class BackupCli : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(run("init --demo").exitCode, 0);
    ASSERT_EQ(run("export '" + source_.string() + "'").exitCode, 0);
    ASSERT_EQ(run("obligor delete --number 3 --yes").exitCode, 0);
  }
  testing::CliResult run(const std::string& args) {
    return runCli("--dir '" + work_.string() + "' " + args);
  }
  std::string obligors() { return run("obligor list --format csv").output; }
  std::vector<testing::JsonValue> backups() {
    const auto doc = testing::parseJson(run("backup list --format json").output);
    EXPECT_TRUE(doc);
    return doc ? doc->items : std::vector<testing::JsonValue>{};
  }
  testing::TempDir root_;
  fs::path work_ = root_ / "radna";
  fs::path source_ = root_ / "izvor";
};

// The import keeps the tables it replaces; putting them back asks first and returns the
// register as it was before the import.
TEST_F(BackupCli, AnImportIsUndoneFromItsBackup) {
  const std::string before = obligors();
  ASSERT_EQ(run("import '" + source_.string() + "' --yes").exitCode, 0);
  const std::string imported = obligors();
  ASSERT_NE(imported, before);

  const auto list = backups();
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].at("run").text, "import");
  EXPECT_NE(list[0].at("tables").text.find("TBPOSLOD.DAT"), std::string::npos);
  const std::string id = list[0].at("id").text;

  testing::writeFile(root_ / "ne", "n\n");
  const auto declined = run("backup restore " + id + " < '" + (root_ / "ne").string() + "'");
  EXPECT_EQ(declined.exitCode, 1);
  EXPECT_NE(declined.output.find("zamijeniti sigurnosnom kopijom od "), std::string::npos)
      << declined.output;
  EXPECT_EQ(obligors(), imported);

  const auto restored = run("backup restore " + id + " --yes");
  ASSERT_EQ(restored.exitCode, 0) << restored.output;
  EXPECT_EQ(obligors(), before);
  // The return replaced tables too, so the imported state is kept in a backup of its own.
  EXPECT_EQ(backups().size(), 2u);
  EXPECT_EQ(run("backup restore 19991231-000000 --yes").exitCode, 1);
  EXPECT_EQ(run("backup restore ../radna --yes").exitCode, 1);
}

TEST_F(BackupCli, AnImportWhoseBackupCannotBeMadeChangesNothing) {
  const std::string before = obligors();
  testing::writeFile(work_ / "SIGURNOSNE_KOPIJE", "a file where the backups should be");
  const auto r = run("import '" + source_.string() + "' --yes");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.output.find("sigurnosnu kopiju nije moguće napraviti"), std::string::npos)
      << r.output;
  EXPECT_EQ(obligors(), before);
  fs::remove(work_ / "SIGURNOSNE_KOPIJE");

  if (geteuid() == 0) return;  // the superuser writes anywhere
  fs::create_directories(work_ / "SIGURNOSNE_KOPIJE");
  fs::permissions(work_ / "SIGURNOSNE_KOPIJE", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(run("import '" + source_.string() + "' --yes").exitCode, 1);
  EXPECT_EQ(obligors(), before);
  fs::permissions(work_ / "SIGURNOSNE_KOPIJE", fs::perms::owner_all);
}

TEST_F(BackupCli, OnlyTheNewestFiveAreKept) {
  for (int i = 0; i < 7; ++i) ASSERT_EQ(run("import '" + source_.string() + "' --yes").exitCode, 0);
  const auto list = backups();
  ASSERT_EQ(list.size(), 5u);
  for (std::size_t i = 1; i < list.size(); ++i)
    EXPECT_GT(list[i - 1].at("id").text, list[i].at("id").text);
}

}  // namespace
}  // namespace obrazac
