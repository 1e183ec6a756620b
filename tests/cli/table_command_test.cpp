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
       "Greška 35 (Record Not Found): TBPOSLOD.DAT\n", 1},
      {"table ZAP2004.DAT count", "Greška 2 (File Not Found): ZAP2004.DAT\n", 1},
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

// A value no field can hold is refused wherever the command line takes one, naming the field
// and the character, and nothing is stored.
TEST_F(TableCommand, RefusesValuesNoFieldCanHold) {
  ASSERT_EQ(run("init").exitCode, 0);
  const std::string parameters = run("params").output;
  const struct {
    std::string value;
    std::string words;
  } cases[] = {
      {"01\t234", "nedopušten znak TAB (U+0009)"},
      {"01\r\n234", "nedopušten znak CR (U+000D)"},
      {"01\n234", "nedopušten znak LF (U+000A)"},
      {"01\x01", "nedopušten kontrolni znak (U+0001)"},
      {"01\x7f", "nedopušten znak DEL (U+007F)"},
      {"01\U0001F600",
       "nedopušten znak '\U0001F600' (U+1F600), nema ga u kodnoj stranici Windows-1250"},
      {"01Ж", "nedopušten znak 'Ж' (U+0416), nema ga u kodnoj stranici Windows-1250"},
      {"01234567890", "predugačka vrijednost (duljina 11, najviše 10)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.words);
    const auto added = run("table TBPOSLOD.DAT add REDBROJ=3 'TELEFON=" + c.value + "'");
    EXPECT_EQ(added.exitCode, 2);
    EXPECT_EQ(added.output, "obrazac-cli table: Polje POS:TELEFON: " + c.words + "\n");
    const auto params = run("params 'TELEFON=" + c.value + "'");
    EXPECT_EQ(params.exitCode, 2);
    EXPECT_EQ(params.output, "obrazac-cli params: Polje APL:TELEFON: " + c.words + "\n");
  }
  EXPECT_EQ(run("table TBPOSLOD.DAT count").output, "0\n");
  EXPECT_EQ(run("params").output, parameters);

  // The options of the sending header are entries of its window.
  const auto tab = run("send --employer 1 --type '0\t' --from 1 --to 30");
  EXPECT_EQ(tab.exitCode, 2);
  EXPECT_EQ(tab.output, "obrazac-cli send: --type: nedopušten znak TAB (U+0009)\n");
  const auto year = run("send --employer 1 --type 01 --year 20255 --from 1 --to 30");
  EXPECT_EQ(year.exitCode, 2);
  EXPECT_EQ(year.output,
            "obrazac-cli send: --year: predugačka vrijednost (duljina 5, najviše 4)\n");
}

}  // namespace
}  // namespace obrazac
