#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;
using testing::runCli;
using testing::runShell;

// The sample installation with obligor 1 sent: form link 001500101 and its submission file.
class PrintCli : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testing::TempDir;
    ASSERT_EQ(run("init --demo").exitCode, 0);
    ASSERT_EQ(run("send --employer 1 --type 01 --year 2025 --month 11 --from 1 --to 30 "
                  "--date 15.12.2025")
                  .exitCode,
              0);
  }
  static void TearDownTestSuite() { delete dir_; }
  static testing::CliResult run(const std::string& args) {
    return runCli("--dir '" + dir_->path().string() + "' " + args);
  }
  static fs::path pdf(const std::string& name) { return dir_->path() / (name + ".pdf"); }
  static int pages(const fs::path& pdf) {
    const auto info = runShell("pdfinfo '" + pdf.string() + "' | sed -n 's/^Pages: *//p'");
    return info.output.empty() ? -1 : std::stoi(info.output);
  }
  static std::string text(const fs::path& pdf) {
    return runShell("pdftotext -layout '" + pdf.string() + "' -").output;
  }
  // No PDF and no half-written one beside it.
  static bool nothingWritten(const std::string& name) {
    for (const auto& e : fs::directory_iterator(dir_->path()))
      if (e.path().filename().string().starts_with(name + ".pdf")) return false;
    return true;
  }
  static testing::TempDir* dir_;
};

testing::TempDir* PrintCli::dir_ = nullptr;

TEST_F(PrintCli, WritesEachReportAsPdf) {
  const struct {
    const char* name;
    std::string args;
    int pages;
    const char* shows;
  } cases[] = {
      {"a", "page-a --link 001500101", 1, "PRIMJER d.o.o."},
      {"a-no-hash", "page-a --link 001500101 --no-hash", 1, "PRIMJER d.o.o."},
      {"b", "page-b --link 001500101", 1, "IV. PODACI PO OSIGURANICIMA"},
      {"b-abc", "page-b --link 001500101 --alphabetical", 1, "IV. PODACI PO OSIGURANICIMA"},
      {"file-a", "file '" + (dir_->path() / "izlaz" / "F0015001.TXT").string() + "' --page-a", 1,
       "PRIMJER d.o.o."},
      {"file-b", "file '" + (dir_->path() / "izlaz" / "F0015001.TXT").string() + "' --page-b", 1,
       "IV. PODACI PO OSIGURANICIMA"},
      {"obligors", "obligors", 1, "PRIMJER d.o.o."},
      {"employees", "employees --employer 1", 1, "PRIMJER d.o.o."},
      {"kinds-of-obligor", "kinds-of-obligor", 1, ""},
      {"kinds-of-calculation", "kinds-of-calculation", 1, ""},
      {"bases", "bases", 1, ""},
      {"increased-duration", "increased-duration", 1, ""},
      {"rates", "rates", 5, ""},
      {"municipalities", "municipalities --order name", 11, "ZAGREB"},
      {"some-pages", "municipalities --pages 1-3,5", 4, ""},
  };
  for (const auto& c : cases) {
    const auto r = run("print " + c.args + " --pdf '" + pdf(c.name).string() + "'");
    EXPECT_EQ(r.exitCode, 0) << c.args << "\n" << r.output;
    EXPECT_EQ(pages(pdf(c.name)), c.pages) << c.args;
    EXPECT_NE(text(pdf(c.name)).find(c.shows), std::string::npos) << c.args;
  }
}

TEST_F(PrintCli, ControlsAlsoWriteTheTextCopy) {
  fs::remove(dir_->path() / "TEXTSIF.TXT");
  ASSERT_EQ(run("print controls --pdf '" + pdf("controls").string() + "'").exitCode, 0);
  EXPECT_GT(fs::file_size(dir_->path() / "TEXTSIF.TXT"), 0u);
}

TEST_F(PrintCli, NothingToPrintWritesNoFile) {
  const struct {
    const char* name;
    const char* args;
    const char* says;
  } cases[] = {
      {"findings", "findings", "There are no records available to process."},
      {"no-form", "page-b --link 999999999", "There are no records available to process."},
      {"backwards", "municipalities --pages 3-1", "ne odabire nijednu"},
      {"past-end", "obligors --pages 7", "ne odabire nijednu"},
  };
  for (const auto& c : cases) {
    const auto r = run(std::string("print ") + c.args + " --pdf '" + pdf(c.name).string() + "'");
    EXPECT_EQ(r.exitCode, 1) << c.args;
    EXPECT_NE(r.output.find(c.says), std::string::npos) << r.output;
    EXPECT_TRUE(nothingWritten(c.name)) << c.args;
  }
}

// A submission file without a type 5 record has no page B; the user is told so once.
TEST_F(PrintCli, AFileWithoutRowsHasNoPageBAndSaysSoOnce) {
  std::ifstream in(dir_->path() / "izlaz" / "F0015001.TXT", std::ios::binary);
  ASSERT_TRUE(in);
  std::ofstream out(dir_->path() / "bez5.txt", std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    const std::string record = line.substr(0, line.find_last_not_of("\r\n") + 1);
    if (!record.empty() && record.back() != '5') out << line << "\n";
  }
  out.close();
  const auto r = run("print file '" + (dir_->path() / "bez5.txt").string() + "' --page-b --pdf '" +
                     pdf("bez5").string() + "'");
  EXPECT_EQ(r.exitCode, 1) << r.output;
  const std::string says = "There are no records available to process.";
  const auto first = r.output.find(says);
  ASSERT_NE(first, std::string::npos) << r.output;
  EXPECT_EQ(r.output.find(says, first + 1), std::string::npos) << r.output;
  EXPECT_TRUE(nothingWritten("bez5"));
}

TEST_F(PrintCli, BadArgumentsExitTwo) {
  for (const std::string args : {
           "page-a",  // no --link and no --collective
           "page-a --link 001500101 --collective",
           "page-b",
           "file --page-a",  // no file
           "file x.txt",     // neither page
           "employees",
           "employees --employer x",
           "municipalities --order size",
           "rates --link 1",  // an option the report does not take
           "bogus",
           "obligors extra",
       }) {
    const auto r = run("print " + args + " --pdf '" + pdf("bad").string() + "'");
    EXPECT_EQ(r.exitCode, 2) << args << "\n" << r.output;
  }
  EXPECT_EQ(run("print obligors").exitCode, 2);  // no --pdf
  EXPECT_TRUE(nothingWritten("bad"));
}

TEST_F(PrintCli, UnwritablePlaceLeavesNoHalfFile) {
  const fs::path missing = dir_->path() / "nema" / "x.pdf";
  const auto r = run("print obligors --pdf '" + missing.string() + "'");
  EXPECT_EQ(r.exitCode, 2) << r.output;
  EXPECT_FALSE(fs::exists(missing.parent_path()));
}

// A disk that takes no more bytes (a file size limit stands in for it, its signal ignored so
// the write fails instead) keeps the old PDF whole and fails the command; a part file of a
// killed print beside it goes.
TEST_F(PrintCli, AFullDiskKeepsTheOldPdf) {
  const fs::path out = pdf("full");
  testing::writeFile(out, "the good old pdf");
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  const fs::path leftOver = dir_->path() / ("full.pdf.part" + std::to_string(gone));
  testing::writeFile(leftOver, "%PDF cut off");
  const auto r =
      runShell("trap '' XFSZ; ulimit -f 8; " + std::string(OBRAZAC_CLI_PATH) + " --dir '" +
               dir_->path().string() + "' print obligors --pdf '" + out.string() + "' 2>&1");
  EXPECT_EQ(r.exitCode, 2) << r.output;
  EXPECT_NE(r.output.find("nije zapisana"), std::string::npos) << r.output;
  EXPECT_EQ(testing::readFile(out), "the good old pdf");
  for (const auto& e : fs::directory_iterator(dir_->path()))
    EXPECT_EQ(e.path().filename().string().find("full.pdf.part"), std::string::npos) << e.path();
}

// A working folder that cannot be written is still printed from.
TEST_F(PrintCli, AReadOnlyFolderIsPrintedFrom) {
  testing::TempDir place;
  const fs::path folder = place / "radna", outFolder = place / "pdf";
  fs::copy(dir_->path(), folder, fs::copy_options::recursive);
  fs::remove_all(folder / ".locks");
  fs::create_directories(outFolder);
  fs::permissions(place.path(), fs::perms::all);
  fs::permissions(outFolder, fs::perms::all);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  // The superuser writes anywhere: the command runs as nobody then.
  const std::string as =
      geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  const auto r = runShell(as + OBRAZAC_CLI_PATH + " --dir '" + folder.string() +
                          "' print obligors --pdf '" + (outFolder / "o.pdf").string() + "' 2>&1");
  EXPECT_EQ(r.exitCode, 0) << r.output;
  EXPECT_EQ(pages(outFolder / "o.pdf"), 1);
  EXPECT_FALSE(fs::exists(folder / ".locks"));
  fs::permissions(folder, fs::perms::owner_all);
}

TEST_F(PrintCli, HelpListsEveryReport) {
  const auto r = runCli("print --help");
  EXPECT_EQ(r.exitCode, 0);
  for (const char* report : {"page-a", "page-b", "file", "findings", "controls", "obligors",
                             "employees", "kinds-of-obligor", "kinds-of-calculation", "bases",
                             "increased-duration", "rates", "municipalities", "--pages"})
    EXPECT_NE(r.output.find(report), std::string::npos) << report;
}

}  // namespace
}  // namespace obrazac
