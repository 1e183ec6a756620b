#include "submission/output_files.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace obrazac::submission {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

TEST(OutputFolders, StoredValuesBecomeFoldersWithinTheWorkingFolder) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"   ", ""},
      {"izlaz", "izlaz/"},
      {"izlaz/  ", "izlaz/"},
      {"izlaz\\pod\\", "izlaz/pod/"},
      {"izlaz\\pod", "izlaz/pod/"},
      {"/srv/velor", "/srv/velor/"},
  };
  for (const auto& [stored, text] : cases) EXPECT_EQ(folderText(stored), text) << stored;
  EXPECT_EQ(outputFolder("izlaz\\", "/w"), fs::path("/w/izlaz/"));
  EXPECT_EQ(outputFolder("/srv/velor", "/w"), fs::path("/srv/velor/"));
  EXPECT_EQ(outputFolder("", "/w"), fs::path("/w/"));
}

TEST(OutputFolders, TheListKeepsTheFileNameAsBuiltOrItsBareNameWhenTooLong) {
  EXPECT_EQ(listedFileText("izlaz/F0015001.TXT", "F0015001.TXT"), "izlaz/F0015001.TXT");
  const std::string longFolder = "/" + std::string(60, 'x') + "/";
  EXPECT_EQ(listedFileText(longFolder + "F0015001.TXT", "F0015001.TXT"), "F0015001.TXT");
  EXPECT_EQ(listedFilePath("F0015001.TXT  ", "/out/", "/w"), fs::path("/out/F0015001.TXT"));
  EXPECT_EQ(listedFilePath("izlaz/F0015001.TXT", "/out/", "/w"), fs::path("/w/izlaz/F0015001.TXT"));
  EXPECT_EQ(listedFilePath("/x/F0015001.TXT", "/out/", "/w"), fs::path("/x/F0015001.TXT"));
}

TEST(SafeCopy, ACopyToARemovableDiskReportsBothNamesOnFailure) {
  TempDir dir;
  writeFile(dir / "F0015001.TXT", "x");
  RecordingReporter reporter;
  EXPECT_TRUE(copyProducedFile(dir / "F0015001.TXT", dir / "VELOR.RM0", reporter));
  EXPECT_EQ(readFile(dir / "VELOR.RM0"), "x");
  const fs::path noDisk = dir / "A" / "VELOR.RM0";
  EXPECT_FALSE(copyProducedFile(dir / "F0015001.TXT", noDisk, reporter));
  ASSERT_EQ(reporter.messages.size(), 1u);
  EXPECT_EQ(reporter.messages[0].rfind("Greška, file: " + (dir / "F0015001.TXT").string() + " " +
                                           noDisk.string() + " Error=",
                                       0),
            0u);
}

}  // namespace
}  // namespace obrazac::submission
