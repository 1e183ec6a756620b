// load-municipalities fills an empty municipality table with the shipped list and refuses, with
// its reason, a table that already holds rows.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

TEST(LoadMunicipalitiesCommand, LoadsAnEmptyTableOnceAndRefusesAFilledOne) {
  testing::TempDir dir;
  const std::string at = "--dir '" + dir.path().string() + "' ";
  const auto loaded = testing::runCli(at + "load-municipalities");
  ASSERT_EQ(loaded.exitCode, 0) << loaded.output;
  EXPECT_EQ(loaded.output.find("Učitano "), 0u) << loaded.output;
  const auto count = testing::runCli(at + "table TBOPCINE.DAT count");
  EXPECT_GT(std::stoi(count.output), 500);

  const auto again = testing::runCli(at + "load-municipalities");
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_NE(again.output.find("nije prazna"), std::string::npos) << again.output;
  EXPECT_EQ(testing::runCli(at + "table TBOPCINE.DAT count").output, count.output);
}

}  // namespace
}  // namespace obrazac
