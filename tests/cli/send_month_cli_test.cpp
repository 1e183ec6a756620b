#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;
using testing::runCli;

class SendMonthCli : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(run("init --demo").exitCode, 0); }
  testing::CliResult run(const std::string& args) {
    return runCli("--dir '" + dir_.path().string() + "' " + args);
  }
  testing::CliStreams month(const std::string& more = "") {
    return testing::runCliStreams("--dir '" + dir_.path().string() +
                                  "' send-month --year 2025 --month 11 --paid 2025-11"
                                  " --date 15.12.2025 " +
                                  more);
  }
  fs::path output(const std::string& name) const { return dir_ / "izlaz" / name; }
  testing::TempDir dir_;
};

TEST_F(SendMonthCli, TheSampleMonthGoesIntoOneCollectiveFile) {
  const auto r = month();
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  for (const char* obligor : {"Obveznik 1 ", "Obveznik 2 ", "Obveznik 3 "})
    EXPECT_NE(r.out.find(obligor), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(", redaka "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Zbirna datoteka: " + output("VELOR.RM0").string() + " (obrazaca: 3)"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("Obrađeno obveznika: 3, odbijeno: 0\n"), std::string::npos) << r.out;
  const auto checked = run("check '" + output("VELOR.RM0").string() + "'");
  EXPECT_EQ(checked.exitCode, 0) << checked.output;
}

// An obligor without monthly data is refused with its reason; the others are made and only
// they are in the collective file.
TEST_F(SendMonthCli, ARefusedObligorStaysOutOfTheCollectiveFile) {
  ASSERT_EQ(
      run("table TBPOSLOD.DAT add REDBROJ=4 NAZIV=Prazna VRSTOBVEZNIKA=10 MB01=12345678").exitCode,
      0);
  const auto r = month();
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.out.find("Obveznik 4 Prazna: ODBIJEN - "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(obrazaca: 3)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Obrađeno obveznika: 3, odbijeno: 1\n"), std::string::npos) << r.out;
  const auto checked = run("check '" + output("VELOR.RM0").string() + "'");
  EXPECT_EQ(checked.exitCode, 0) << checked.output;
  const auto archived = run("archive list --employer 4");
  EXPECT_EQ(archived.output.find("VELOR"), std::string::npos) << archived.output;
}

TEST_F(SendMonthCli, SeparateFilesMakeNoCollectiveFile) {
  const auto r = month("--separate");
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  EXPECT_FALSE(fs::exists(output("VELOR.RM0")));
  EXPECT_EQ(r.out.find("Zbirna datoteka"), std::string::npos);
  for (const char* file : {"F0015001.TXT", "F0025001.TXT"})
    EXPECT_TRUE(fs::exists(output(file))) << file;
  EXPECT_EQ(run("send-month --year 2025 --month 11 --date 15.12.2025").exitCode, 2);
  EXPECT_EQ(month("--paid 2025/11").exitCode, 2);
}

}  // namespace
}  // namespace obrazac
