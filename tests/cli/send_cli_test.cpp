#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

using testing::runCli;
using testing::TempDir;

class SendCli : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(run("init --demo").exitCode, 0); }
  testing::CliResult run(const std::string& args) {
    return runCli("--dir '" + dir_.path().string() + "' " + args);
  }
  static std::string send(int obligor, const std::string& more = "") {
    return "send --employer " + std::to_string(obligor) +
           " --type 01 --year 2025 --month 11 --from 1 --to 30 --date 15.12.2025 " + more;
  }
  TempDir dir_;
};

// Only the file and its control number are data; the status texts of the run are progress.
TEST_F(SendCli, PrintsTheFileAndItsControlNumberAndTheStatusTextsApart) {
  const auto r = testing::runCliStreams("--dir '" + dir_.path().string() + "' " + send(1));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string file = (dir_ / "izlaz" / "F0015001.TXT").string();
  EXPECT_NE(r.err.find("Radim. Strpite se..\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("OBVEZNIK JE USPJEŠNO OBRAĐEN-" + file + "\n"), std::string::npos);
  const std::string prefix = "Datoteka: " + file + "\nKontrolni broj: ";
  ASSERT_TRUE(r.out.starts_with(prefix)) << r.out;
  const std::string number = r.out.substr(prefix.size());
  EXPECT_EQ(number.size(), 44u) << r.out;  // four groups of ten, three dashes, a line break

  // The same number for the file from the hash command.
  const auto hash = runCli("hash '" + file + "'");
  EXPECT_EQ(hash.exitCode, 0);
  EXPECT_EQ(hash.output, number);
}

TEST_F(SendCli, ARefusedEntryOrCheckEndsWithItsMessage) {
  const std::pair<std::string, std::string> cases[] = {
      {send(1, "--form 0"), "Obavezno upište broj identifikatora\n"},
      {send(3, "--form 49"), "Za VOB=31 red. broj unutar indetifikatora mora biti >=50\n"},
      {"send --employer 1 --type 01 --year 2004 --month 11 --from 1 --to 30",
       "Greška. Godina mora biti veća od 2004\n"},
      {"send --employer 1 --type 05 --year 2025 --month 11 --from 1 --to 30",
       "Za uplate 03 05 i 06 mjesec mora biti = 00\n"},
      {send(9), "Greška 35\n"},
  };
  for (const auto& [args, message] : cases) {
    const auto r = run(args);
    EXPECT_EQ(r.exitCode, 1) << args;
    EXPECT_NE(r.output.find(message), std::string::npos) << args << "\n" << r.output;
    EXPECT_EQ(r.output.find("Datoteka:"), std::string::npos) << args;
  }
  EXPECT_EQ(run("send --employer 1").exitCode, 2);  // no kind of calculation
}

TEST_F(SendCli, CollectJoinsTheObligorsSentCollectively) {
  ASSERT_EQ(run(send(1, "--collective new")).exitCode, 0);
  ASSERT_EQ(run(send(2, "--collective add")).exitCode, 0);
  ASSERT_EQ(run(send(3, "--collective add")).exitCode, 0);
  const auto r = run("collect --date 15.12.2025");
  ASSERT_EQ(r.exitCode, 0) << r.output;
  const std::string file = (dir_ / "izlaz" / "VELOR.RM0").string();
  EXPECT_NE(r.output.find("Zbirna datoteka: " + file + " (obrazaca: 3)\n"), std::string::npos)
      << r.output;
}

TEST(HashCli, AFileThatCannotBeReadFails) {
  TempDir dir;
  const auto r = runCli("hash '" + (dir / "missing").string() + "'");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.output.find("Greška"), std::string::npos);
}

}  // namespace
}  // namespace obrazac
