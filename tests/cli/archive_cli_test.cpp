#include <gtest/gtest.h>

#include <filesystem>

#include "cli/structured_output.h"
#include "support/cli_runner.h"
#include "support/payment_fixture.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;
using testing::runCli;
using testing::TempDir;

class ArchiveCli : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(run("init --demo").exitCode, 0); }
  testing::CliResult run(const std::string& args) {
    return runCli("--dir '" + dir_.path().string() + "' " + args);
  }
  static std::string send(int obligor, const std::string& more = "") {
    return "send --employer " + std::to_string(obligor) +
           " --type 01 --year 2025 --month 11 --from 1 --to 30 " + more;
  }
  std::vector<testing::JsonValue> entries(const std::string& filter = "") {
    const auto r = testing::runCliStreams("--dir '" + dir_.path().string() +
                                          "' archive list --format json " + filter);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const auto doc = testing::parseJson(r.out);
    EXPECT_TRUE(doc) << r.out;
    return doc ? doc->items : std::vector<testing::JsonValue>{};
  }
  std::string hashOf(const fs::path& file) {
    std::string number = runCli("hash '" + file.string() + "'").output;
    std::erase(number, '-');
    std::erase(number, '\n');
    return number;
  }
  fs::path output(const std::string& name) const { return dir_ / "izlaz" / name; }
  TempDir dir_;
};

// Every kind of produced file is archived with its forms, its control number and a copy that
// is the file byte for byte.
TEST_F(ArchiveCli, EverySendingLeavesItsFileInTheArchive) {
  ASSERT_EQ(run(send(1, "--date 15.12.2025")).exitCode, 0);
  ASSERT_EQ(run(send(2, "--date 15.12.2025 --collective new")).exitCode, 0);
  ASSERT_EQ(run(send(3, "--date 15.12.2025 --collective add")).exitCode, 0);
  ASSERT_EQ(run("collect --date 16.12.2025").exitCode, 0);
  const fs::path input = dir_ / "ulaz" / "place.txt";
  testing::writeFile(input, testing::paymentFile({testing::TestLine{}}));
  const auto taken = run("takeover '" + input.string() +
                         "' --employer 1 --type 01 --year 2025 --month 11 --from 1 --to 30"
                         " --date 17.12.2025");
  ASSERT_EQ(taken.exitCode, 0) << taken.output;

  const auto list = entries();
  ASSERT_EQ(list.size(), 5u);
  struct Expected {
    const char* file;
    const char* kind;
    const char* obligors;
    const char* sent;
  };
  const Expected expected[] = {
      {"F0015001.TXT", "pojedinačna", "1", "15.12.2025"},
      {"F0025001.TXT", "pojedinačna", "2", "15.12.2025"},
      {"F0035050.TXT", "pojedinačna", "3", "15.12.2025"},
      {"VELOR.RM0", "zbirna", "2,3", "16.12.2025"},
      {"F0015002.TXT", "preuzeti podaci", "1", "17.12.2025"},
  };
  for (std::size_t i = 0; i < list.size(); ++i) {
    const auto& e = list[i];
    SCOPED_TRACE(e.at("file").text);
    EXPECT_EQ(e.at("id").text, std::to_string(i + 1));
    EXPECT_EQ(e.at("file").text, expected[i].file);
    EXPECT_EQ(e.at("kind").text, expected[i].kind);
    EXPECT_EQ(e.at("obligors").text, expected[i].obligors);
    EXPECT_EQ(e.at("sent").text, expected[i].sent);
    EXPECT_EQ(e.at("period").text, "11/2025");
    EXPECT_EQ(e.at("type").text, "01");
    EXPECT_EQ(e.at("version").text, "1");
    EXPECT_FALSE(e.at("station").text.empty());
    const fs::path file = output(expected[i].file);
    EXPECT_EQ(e.at("control_number").text, hashOf(file));
    EXPECT_EQ(e.at("size").text, std::to_string(fs::file_size(file)));
  }
  // The filters choose by any form of the file.
  EXPECT_EQ(entries("--employer 3").size(), 2u);
  EXPECT_EQ(entries("--year 2025 --month 11").size(), 5u);
  EXPECT_TRUE(entries("--year 2025 --month 10").empty());

  const auto shown = run("archive show 4");
  ASSERT_EQ(shown.exitCode, 0) << shown.output;
  EXPECT_NE(shown.output.find("Arhivirana datoteka 4: VELOR.RM0 (verzija 1)\nVrsta: zbirna\n"),
            std::string::npos)
      << shown.output;
  EXPECT_NE(shown.output.find("Obrasci:\n  obrazac "), std::string::npos) << shown.output;
  EXPECT_EQ(run("archive show 9").exitCode, 1);
}

// A file produced again keeps the earlier one: both versions can be verified and restored.
TEST_F(ArchiveCli, AReplacedFileKeepsItsEarlierVersion) {
  ASSERT_EQ(run(send(1, "--date 15.12.2025")).exitCode, 0);
  const std::string first = testing::readFile(output("F0015001.TXT"));
  ASSERT_EQ(run(send(1, "--date 16.12.2025 --form 1")).exitCode, 0);
  const std::string second = testing::readFile(output("F0015001.TXT"));
  ASSERT_NE(first, second);

  const auto list = entries();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].at("version").text, "1");
  EXPECT_EQ(list[1].at("version").text, "2");

  const fs::path restored = dir_ / "vraceno.txt";
  const auto r = run("archive restore 1 --to '" + restored.string() + "'");
  ASSERT_EQ(r.exitCode, 0) << r.output;
  EXPECT_EQ(testing::readFile(restored), first);
  // A folder takes the file under its own name.
  fs::create_directories(dir_ / "usb");
  ASSERT_EQ(run("archive restore 2 --to '" + (dir_ / "usb").string() + "'").exitCode, 0);
  EXPECT_EQ(testing::readFile(dir_ / "usb" / "F0015001.TXT"), second);
  EXPECT_EQ(run("archive restore 7 --to '" + restored.string() + "'").exitCode, 1);
  EXPECT_EQ(run("archive restore 1").exitCode, 2);

  const auto old = run("archive verify '" + restored.string() + "'");
  EXPECT_EQ(old.exitCode, 0) << old.output;
  EXPECT_NE(old.output.find("arhivirana datoteka 1 F0015001.TXT (verzija 1"), std::string::npos)
      << old.output;
}

TEST_F(ArchiveCli, VerifyTellsAnArchivedFileFromAChangedAndAnUnknownOne) {
  ASSERT_EQ(run(send(1, "--date 15.12.2025")).exitCode, 0);
  const fs::path file = output("F0015001.TXT");
  const auto same = run("archive verify '" + file.string() + "'");
  EXPECT_EQ(same.exitCode, 0) << same.output;
  EXPECT_NE(same.output.find("Datoteka je jednaka: arhivirana datoteka 1 F0015001.TXT"),
            std::string::npos)
      << same.output;
  EXPECT_NE(same.output.find("obveznika 1 ("), std::string::npos) << same.output;

  std::string bytes = testing::readFile(file);
  bytes[100] = bytes[100] == '1' ? '2' : '1';
  fs::create_directories(dir_ / "usb");
  testing::writeFile(dir_ / "usb" / "F0015001.TXT", bytes);
  const auto changed = run("archive verify '" + (dir_ / "usb" / "F0015001.TXT").string() + "'");
  EXPECT_EQ(changed.exitCode, 1);
  EXPECT_NE(changed.output.find("Datoteka se razlikuje od svih arhiviranih datoteka imena "
                                "F0015001.TXT:\n  arhivirana datoteka 1 F0015001.TXT"),
            std::string::npos)
      << changed.output;
  EXPECT_NE(changed.output.find("razdoblje 11/2025"), std::string::npos);

  testing::writeFile(dir_ / "usb" / "F0099001.TXT", bytes);
  const auto unknown = run("archive verify '" + (dir_ / "usb" / "F0099001.TXT").string() + "'");
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_NE(unknown.output.find("u arhivi nema datoteke imena F0099001.TXT"), std::string::npos)
      << unknown.output;
  EXPECT_EQ(run("archive verify '" + (dir_ / "nema").string() + "'").exitCode, 2);
}

// The archive is part of the run: where its copy cannot be made the run fails and leaves
// neither an output file nor an entry.
TEST_F(ArchiveCli, AnArchiveThatCannotBeWrittenFailsTheRun) {
  testing::writeFile(dir_ / "ARHIVA", "a file where the archive folder should be");
  const auto r = run(send(1, "--date 15.12.2025"));
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.output.find("Greška kod arhiviranja datoteke"), std::string::npos) << r.output;
  EXPECT_FALSE(fs::exists(output("F0015001.TXT")));
  fs::remove(dir_ / "ARHIVA");
  EXPECT_TRUE(entries().empty());
}

}  // namespace
}  // namespace obrazac
