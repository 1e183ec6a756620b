#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/payment_fixture.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

using testing::runCli;
using testing::TempDir;
using testing::TestLine;

class TakeoverCli : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(run("init --demo").exitCode, 0); }
  testing::CliResult run(const std::string& args) {
    return runCli("--dir '" + dir_.path().string() + "' " + args);
  }
  // The takeover of obligor 1's November 2025 from a file of these lines.
  testing::CliResult take(const std::vector<TestLine>& lines, const std::string& more = "") {
    testing::writeFile(input(), testing::paymentFile(lines));
    return run("takeover '" + input().string() +
               "' --employer 1 --type 01 --year 2025 --month 11 --from 1 --to 30"
               " --date 15.12.2025 " +
               more);
  }
  std::filesystem::path input() const { return dir_ / "ulaz" / "place.txt"; }
  TempDir dir_;
};

TEST_F(TakeoverCli, PrintsTheCountsThenTheFileAndItsControlNumber) {
  const auto r = take({TestLine{}});
  ASSERT_EQ(r.exitCode, 0) << r.output;
  EXPECT_NE(r.output.find("Ukupno obrađeno redaka: 1\n"
                          "Retci koji zadovoljavaju kontrolama: 1\n"
                          "Podaci sa upozorenjima: 0\n"),
            std::string::npos)
      << r.output;
  const std::string file = (dir_ / "izlaz" / "F0015001.TXT").string();
  const auto at = r.output.find("Datoteka: " + file + "\nKontrolni broj: ");
  ASSERT_NE(at, std::string::npos) << r.output;
  const std::string number = r.output.substr(r.output.find("Kontrolni broj: ") + 16, 43);
  EXPECT_EQ(runCli("hash '" + file + "'").output, number + "\n");
}

TEST_F(TakeoverCli, AStoppedRunListsItsFindings) {
  TestLine bad;
  bad.jmbg = "1234567890123";
  TestLine other;
  other.mb = sampleMB(7654321) + "0000";
  const auto r = take({bad, other});
  EXPECT_EQ(r.exitCode, 1) << r.output;
  EXPECT_NE(r.output.find("Podaci sa upozorenjima: 2\n"
                          "Nakon obrade pregledajte popis grešaka \n"
                          "\n   Rb MBG           Opis\n"
                          "    1 1234567890123 Pogrešan JMBG\n"
                          "    2 " +
                          other.jmbg + " Redak nije preuzet.\n"),
            std::string::npos)
      << r.output;
  EXPECT_EQ(r.output.find("Datoteka:"), std::string::npos);
}

TEST_F(TakeoverCli, RefusedEntriesAndArguments) {
  const auto year = take({TestLine{}}, "--year 2004");
  EXPECT_EQ(year.exitCode, 1);
  EXPECT_NE(year.output.find("Greška. Godina mor abiti veća od 2004\n"), std::string::npos)
      << year.output;
  EXPECT_EQ(year.output.find("Ukupno"), std::string::npos);

  const std::string header = " --employer 1 --type 01 --from 1 --to 30";
  EXPECT_EQ(run("takeover '" + (dir_ / "nema.txt").string() + "'" + header).exitCode, 2);
  EXPECT_EQ(run("takeover '" + (dir_ / "ulaz").string() + "'" + header).exitCode, 2);
  EXPECT_EQ(run("takeover").exitCode, 2);
  testing::writeFile(input(), "");
  EXPECT_EQ(run("takeover '" + input().string() + "' --employer 1").exitCode, 2);
}

}  // namespace
}  // namespace obrazac
