#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

using testing::runCli;

class TableCommand : public ::testing::Test {
 protected:
  testing::TempDir dir_;
  testing::CliResult run(const std::string& args) {
    return runCli("--dir '" + dir_.path().string() + "' " + args);
  }
};

TEST_F(TableCommand, AddsListsAndDeletesWithCascades) {
  ASSERT_EQ(run("init").exitCode, 0);
  EXPECT_TRUE(std::filesystem::exists(dir_ / "TBPOSLOD.DAT"));
  ASSERT_EQ(run("table TBPOSLOD.DAT add REDBROJ=2 'NAZIV=Šimić d.o.o.'").exitCode, 0);
  ASSERT_EQ(run("table TBPOSLOD.DAT add REDBROJ=1 'NAZIV=Čolak obrt'").exitCode, 0);
  for (const char* jmbg : {"1503975123451", "0101980330001"})
    ASSERT_EQ(run(std::string("table TBZAPOSL.DAT add REDBROJ=1 JMBG=") + jmbg).exitCode, 0);

  const auto listed = run("table tbposlod.dat list --key KEYNAZIV");
  ASSERT_EQ(listed.exitCode, 0);
  EXPECT_EQ(listed.output.find("POS:REDBROJ=1 | POS:MB01= | "), 0u) << listed.output;
  EXPECT_NE(listed.output.find("POS:NAZIV=Šimić d.o.o."), std::string::npos);

  const auto from = run("table TBZAPOSL.DAT list --key KEYOSOBA --from JMBG=1000000000000");
  EXPECT_EQ(from.output.find("RAD:JMBG=0101980330001"), std::string::npos);
  EXPECT_NE(from.output.find("RAD:JMBG=1503975123451"), std::string::npos);

  const auto deleted = run("table TBPOSLOD.DAT delete --key KEYREDBROJ REDBROJ=1");
  EXPECT_EQ(deleted.exitCode, 0) << deleted.output;
  EXPECT_EQ(run("table TBZAPOSL.DAT count").output, "0\n");
  EXPECT_EQ(run("table TBPOSLOD.DAT count").output, "1\n");
}

TEST_F(TableCommand, RefusalsPrintTheMessageAndExitNonZero) {
  struct Case {
    const char* args;
    const char* output;
    int exitCode;
  } cases[] = {
      {"table TBPOSLOD.DAT add REDBROJ=5", "", 0},
      {"table TBPOSLOD.DAT add REDBROJ=5",
       "Duplicate Key Error: Adding this record creates a duplicate entry for the key: Redni "
       "broj fime \n",
       1},
      {"table TBOSIGUR.DAT add GODOBRA=1999",
       "Range Error: The value of Obračunska godina must be between 2001 and 2100.\n", 1},
      {"table TBPOSLOD.DAT delete --key KEYREDBROJ REDBROJ=9",
       "Greška 35: Record Not Found (TBPOSLOD.DAT)\n", 1},
      {"table ZAP2004.DAT count", "Greška 2: File Not Found (ZAP2004.DAT)\n", 1},
      {"table TBPOSLOD.DAT add REDBROJ=x", "", 2},
      {"table NEMA.DAT count", "", 2},
      {"table TBPOSLOD.DAT list --key NEMA", "", 2},
  };
  for (const auto& c : cases) {
    const auto r = run(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.args << ": " << r.output;
    if (*c.output) {
      EXPECT_EQ(r.output, c.output) << c.args;
    }
  }
}

}  // namespace
}  // namespace obrazac
