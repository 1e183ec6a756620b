#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

TEST(ParamsCommand, ShowsDefaultsRefusesAndStores) {
  testing::TempDir dir;
  const auto run = [&dir](const std::string& args) {
    return testing::runCli("--dir '" + dir.path().string() + "' params " + args);
  };

  const auto shown = run("");
  ASSERT_EQ(shown.exitCode, 0) << shown.output;
  EXPECT_EQ(shown.output.find("APL:RB=1 | APL:MB01= | "), 0u) << shown.output;
  EXPECT_NE(shown.output.find("APL:NAZIV=Knjigovodstveni servis | "), std::string::npos);
  EXPECT_NE(shown.output.find("APL:SIFSJED=1333 | "), std::string::npos);

  const auto both = run("MB01=12345679 JMBG=1503975123451");
  EXPECT_EQ(both.exitCode, 1);
  EXPECT_EQ(both.output, "Greška. Nije dozvoljeno upisati MB i JMBG\n");

  const auto saved = run("MB01=12345679 'RADDIR=C:\\obrazac' 'KONOSO=Ivana Šarić'");
  EXPECT_EQ(saved.exitCode, 0) << saved.output;
  const auto again = run("");
  EXPECT_NE(again.output.find("APL:MB01=12345679 | "), std::string::npos) << again.output;
  EXPECT_NE(again.output.find("APL:KONOSO=Ivana Šarić | "), std::string::npos);
  EXPECT_NE(again.output.find("APL:RADDIR=C:\\obrazac | "), std::string::npos);

  EXPECT_EQ(run("RB=2").exitCode, 2);
  EXPECT_EQ(run("NEMA=1").exitCode, 2);
}

}  // namespace
}  // namespace obrazac

namespace obrazac {
namespace {

TEST(ParamsCommand, WarnsOfEachGivenFolderThatDoesNotExist) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.path() / "ulaz");
  const auto run = [&dir](const std::string& args) {
    return testing::runCliStreams("--dir '" + dir.path().string() + "' params " + args);
  };
  const auto saved = run("MB01=12345679 'ULAZDIR=ulaz\\' 'IZLAZDIR=nema\\'");
  EXPECT_EQ(saved.exitCode, 0) << saved.err;
  EXPECT_EQ(saved.err, "Upozorenje: mapa " + (dir.path() / "nema/").string() + " ne postoji\n");
  EXPECT_EQ(run("NAZIV=Drugi").err, "") << "only the folders given are judged";
}

TEST(InitCommand, TheDemoInstallationHasTheFoldersItsParametersName) {
  testing::TempDir dir;
  const auto made = testing::runCli("--dir '" + dir.path().string() + "' init --demo");
  ASSERT_EQ(made.exitCode, 0) << made.output;
  const auto shown = testing::runCli("--dir '" + dir.path().string() + "' params");
  for (const char* folder : {"ulaz", "izlaz"}) {
    EXPECT_NE(shown.output.find((dir.path() / folder).string()), std::string::npos) << folder;
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / folder)) << folder;
  }
}

}  // namespace
}  // namespace obrazac
