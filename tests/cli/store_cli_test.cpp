// The installation's store through the tool: init --store, init --join, store show, store move,
// and the sample month sent from a server installation.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/server_database.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

using testing::readFile;
using testing::runCli;
using testing::ServerDatabase;
using testing::TempDir;

testing::CliResult in(const TempDir& dir, const std::string& args) {
  return runCli("--dir '" + dir.path().string() + "' " + args);
}

const std::string kSendSample =
    "send --employer 1 --type 01 --year 2025 --month 11 --from 1 --to 30 --date 15.12.2025";

TEST(StoreCli, TwoStationsOfAServerInstallationShareItsTables) {
  std::unique_ptr<ServerDatabase> db;
  OBRAZAC_SERVER_DATABASE(db);
  const std::string uri = testing::withParameter(db->uri(), "password=tajna");
  TempDir first, second, third, embedded;

  const auto made = in(first, "init --demo --store '" + uri + "'");
  ASSERT_EQ(made.exitCode, 0) << made.output;
  const auto shown = in(first, "store show");
  EXPECT_EQ(shown.exitCode, 0);
  EXPECT_NE(shown.output.find("poslužitelj PostgreSQL: postgresql:///" + db->name()),
            std::string::npos)
      << shown.output;
  EXPECT_EQ(shown.output.find("tajna"), std::string::npos) << shown.output;

  const auto joined = in(second, "init --join --store '" + uri + "'");
  ASSERT_EQ(joined.exitCode, 0) << joined.output;
  const auto firstList = in(first, "obligor list");
  ASSERT_EQ(firstList.exitCode, 0) << firstList.output;
  EXPECT_EQ(in(second, "obligor list").output, firstList.output);
  const auto again = in(third, "init --store '" + uri + "'");
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_NE(again.output.find("init --join"), std::string::npos) << again.output;
  EXPECT_EQ(again.output.find("tajna"), std::string::npos) << again.output;

  // The second station's own parameters, folders and output; the sample month's file the same,
  // byte for byte, as from the embedded store.
  ASSERT_EQ(in(embedded, "init --demo").exitCode, 0);
  const auto sentHere = in(embedded, kSendSample);
  ASSERT_EQ(sentHere.exitCode, 0) << sentHere.output;
  const auto sentThere = in(first, kSendSample);
  ASSERT_EQ(sentThere.exitCode, 0) << sentThere.output;
  const std::string file = "izlaz/F0015001.TXT";
  EXPECT_FALSE(readFile(first / file).empty());
  EXPECT_EQ(readFile(first / file), readFile(embedded / file));
}

TEST(StoreCli, AnInstallationMovesToTheServerAndBackWhole) {
  std::unique_ptr<ServerDatabase> db;
  OBRAZAC_SERVER_DATABASE(db);
  TempDir dir, other;
  ASSERT_EQ(in(dir, "init --demo").exitCode, 0);
  const std::string before = in(dir, "employee list --employer 1").output;

  const auto there = in(dir, "store move --to '" + db->uri() + "'");
  ASSERT_EQ(there.exitCode, 0) << there.output;
  EXPECT_NE(in(dir, "store show").output.find("poslužitelj PostgreSQL"), std::string::npos);
  EXPECT_EQ(in(dir, "employee list --employer 1").output, before);
  EXPECT_TRUE(std::filesystem::exists(dir / "SPREMISTE-KOPIJA" / "TBPOSLOD.DAT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "TBPOSLOD.DAT"));

  // A second installation cannot move onto tables that hold one.
  ASSERT_EQ(in(other, "init --demo").exitCode, 0);
  const auto refused = in(other, "store move --to '" + db->uri() + "'");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.output.find("već ima zapisa"), std::string::npos) << refused.output;
  EXPECT_NE(in(other, "store show").output.find("ugrađena"), std::string::npos);

  const auto back = in(dir, "store move --to sqlite");
  ASSERT_EQ(back.exitCode, 0) << back.output;
  EXPECT_NE(in(dir, "store show").output.find("ugrađena (SQLite)"), std::string::npos);
  EXPECT_EQ(in(dir, "employee list --employer 1").output, before);
}

TEST(StoreCli, AFolderWithoutASettingIsEmbeddedAndBadStoreArgumentsAreRefused) {
  TempDir dir;
  const auto shown = in(dir, "store show");
  EXPECT_EQ(shown.exitCode, 0);
  EXPECT_NE(shown.output.find("ugrađena (SQLite) u mapi " + dir.path().string()),
            std::string::npos);
  for (const char* args : {"init --store /tmp/baza.db", "init --join", "init --store",
                           "store move --to /tmp/x", "store move", "store nesto"})
    EXPECT_EQ(in(dir, args).exitCode, 2) << args;
}

}  // namespace
}  // namespace obrazac
