#include "transfer/export_import.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/kill_points.h"
#include "support/payment_fixture.h"
#include "support/previous_year_folder.h"
#include "support/table_dump.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;
using testing::folderContents;
using testing::folderContentsBesideBackups;
using testing::TempDir;

constexpr const char* kQuestion = "Da li želite postojeće podatke zamijeniti ?";

class ExportImport : public ::testing::Test {
 protected:
  TempDir root_;
  fs::path work_ = root_ / "radna";

  // A working folder with rows in several tables, a text-file table, a table file of the other
  // extension and files that are no table files.
  void SetUp() override {
    testing::buildPreviousYearFolder(work_);
    Context ctx(work_);
    Table& rows = ctx.table("OSI");
    ASSERT_EQ(rows.open(), 0);
    for (const char* person : {"Šimić Ivo", "Ćosić Ana"}) {
      testing::fill(rows.record(), {{"RBOSOB", "1"},
                                    {"JMBG", "2902960385006"},
                                    {"PREZIME", person},
                                    {"IZNOS8", "7000.00"},
                                    {"GODOBRA", "2005"},
                                    {"KONVEZA", "002000101"}});
      ASSERT_EQ(rows.add(), 0);
    }
    Table& kinds = ctx.table("VOB");
    ASSERT_EQ(kinds.open(), 0);
    testing::fill(kinds.record(), {{"SIFRA", "01"}, {"SKROPIS", "Pravna osoba"}});
    ASSERT_EQ(kinds.add(), 0);
    ctx.closeAll();
    testing::writeFile(work_ / "TBUPLATE.DAT", "00001 red uplate\r\n");
    testing::writeFile(work_ / "ARHIVA.tps", std::string("tps\0\1\2", 6));
    testing::writeFile(work_ / "TBVELOR.TXT", "nije tablica\r\n");
    fs::create_directories(work_ / "podmapa");
    testing::writeFile(work_ / "podmapa" / "X.DAT", "u podmapi");
  }

  static std::vector<std::string> tableFiles(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& [name, _] : folderContents(dir)) {
      const auto ext = fs::path(name).extension();
      if (ext == ".DAT" || ext == ".dat" || ext == ".tps") names.push_back(name);
    }
    return names;
  }
};

TEST_F(ExportImport, ExportThenImportIntoAFreshFolderGivesTheSameTables) {
  const fs::path backup = root_ / "sigurnosna kopija" / "2005";
  RecordingReporter exported;
  ASSERT_EQ(exportData(work_, backup, exported), TransferOutcome::Done);
  EXPECT_EQ(exported.messages, std::vector<std::string>{"Export je završen. Provjerite"});
  EXPECT_EQ(tableFiles(backup), tableFiles(work_));
  EXPECT_EQ(tableFiles(backup).size(), folderContents(backup).size())
      << "only table files, no locks, staging or subfolders";

  // A stick written elsewhere may show the names in small letters.
  fs::rename(backup / "TBPOSLOD.DAT", backup / "tbposlod.dat");
  const fs::path fresh = root_ / "novo računalo";
  RecordingReporter imported({Answer::Yes});
  ASSERT_EQ(importData(fresh, backup, imported), TransferOutcome::Done);
  EXPECT_EQ(imported.questions, std::vector<std::string>{kQuestion});
  EXPECT_EQ(imported.messages, std::vector<std::string>{"Podaci su importirani !"});

  EXPECT_EQ(tableFiles(fresh), tableFiles(work_));
  const auto tables = testing::dumpTables(work_);
  EXPECT_EQ(testing::dumpTables(fresh), tables);
  EXPECT_EQ(tables.at("TBOSIGUR.DAT").at("KEYPREZIME").size(), 2u);
  for (const char* bytes : {"TBUPLATE.DAT", "ARHIVA.tps"})
    EXPECT_EQ(testing::readFile(fresh / bytes), testing::readFile(work_ / bytes)) << bytes;
}

TEST_F(ExportImport, ExportCopiesTheCommittedStateOfATableOpenForWriting) {
  Context window(work_);
  Table& obligors = window.table("POS");
  ASSERT_EQ(obligors.open(), 0);
  ASSERT_EQ(obligors.begin(), 0);
  testing::fill(obligors.record(), {{"REDBROJ", "77"}, {"NAZIV", "Još nije spremljeno"}});
  ASSERT_EQ(obligors.add(), 0);

  RecordingReporter reporter;
  ASSERT_EQ(exportData(work_, root_ / "kopija", reporter), TransferOutcome::Done);
  obligors.rollback();
  EXPECT_EQ(testing::dumpTables(root_ / "kopija")["TBPOSLOD.DAT"],
            testing::dumpTables(work_)["TBPOSLOD.DAT"]);
}

TEST_F(ExportImport, ExportIntoTheWorkingFolderItselfCopiesNothing) {
  const auto before = folderContentsBesideBackups(work_);
  RecordingReporter reporter;
  EXPECT_EQ(exportData(work_, work_ / "." / "", reporter), TransferOutcome::Done);
  EXPECT_EQ(reporter.messages, std::vector<std::string>{"Export je završen. Provjerite"});
  EXPECT_EQ(folderContentsBesideBackups(work_), before);
}

TEST_F(ExportImport, ImportFromAFolderWithoutObligorsIsRefusedBeforeTheQuestion) {
  const fs::path noObligors = root_ / "bez poslodavaca";
  fs::create_directories(noObligors);
  fs::copy_file(work_ / "TBZAPOSL.DAT", noObligors / "TBZAPOSL.DAT");
  const auto before = folderContentsBesideBackups(work_);
  for (const fs::path& source : {noObligors, root_ / "nema je", fs::path()}) {
    RecordingReporter reporter({Answer::Yes});
    EXPECT_EQ(importData(work_, source, reporter), TransferOutcome::Failed) << source;
    EXPECT_TRUE(reporter.questions.empty());
    EXPECT_EQ(reporter.messages, std::vector<std::string>{"Greška. Pogrešan pretinac!"});
  }
  EXPECT_EQ(folderContentsBesideBackups(work_), before);
}

TEST_F(ExportImport, DecliningTheQuestionChangesNothing) {
  const fs::path other = root_ / "druga";
  testing::buildPreviousYearFolder(other);
  fs::remove(other / "TBZAPOSL.DAT");
  const auto before = folderContentsBesideBackups(work_);
  for (const Answer answer : {Answer::No, Answer::Cancel}) {
    RecordingReporter reporter({answer});
    EXPECT_EQ(importData(work_, other, reporter), TransferOutcome::Cancelled);
    EXPECT_EQ(reporter.questions, std::vector<std::string>{kQuestion});
    EXPECT_TRUE(reporter.messages.empty());
  }
  EXPECT_EQ(folderContentsBesideBackups(work_), before);
}

TEST_F(ExportImport, ACopyFailingHalfWayLeavesTheWorkingFolderAsItWasAndNamesTheFile) {
  const fs::path source = root_ / "izvor";
  {
    RecordingReporter reporter;
    ASSERT_EQ(exportData(work_, source, reporter), TransferOutcome::Done);
  }
  // The source's tables differ from the working ones, so a partial import would show.
  {
    Context ctx(source);
    Table& obligors = ctx.table("POS");
    ASSERT_EQ(obligors.open(), 0);
    testing::fill(obligors.record(), {{"REDBROJ", "50"}, {"NAZIV", "Iz izvora"}});
    ASSERT_EQ(obligors.add(), 0);
  }
  fs::remove_all(source / ".locks");
  const std::string damaged = std::string("SQLite format 3\0", 16) + std::string(4000, '\xA5');

  struct Case {
    const char* name;
    std::function<void()> prepare;
    std::function<void()> restore;
    fs::path named;  // the file the message names
  };
  std::unique_ptr<Context> window;
  const std::string sourceOsigur = testing::readFile(source / "TBOSIGUR.DAT");
  // A value written by another program, which no field of a record can hold.
  auto sourcePhone = [&](std::string_view phone) {
    {
      Context ctx(source);
      Table& obligors = ctx.table("POS");
      ASSERT_EQ(obligors.open(), 0);
      Record& r = obligors.record();
      r.clear();
      r.setInteger(r.index("REDBROJ"), 50);
      ASSERT_EQ(obligors.get("KEYREDBROJ"), 0);
      r.setText(r.index("TELEFON"), phone);
      ASSERT_EQ(obligors.put(), 0);
    }
    fs::remove_all(source / ".locks");
  };
  const Case cases[] = {
      {"a damaged source table", [&] { testing::writeFile(source / "TBOSIGUR.DAT", damaged); },
       [&] { testing::writeFile(source / "TBOSIGUR.DAT", sourceOsigur); }, source / "TBOSIGUR.DAT"},
      // TBPOSLOD.DAT and the tables before it are already in place when TBZAPOSL.DAT fails.
      {"a folder in place of a working table",
       [&] {
         fs::rename(work_ / "TBZAPOSL.DAT", root_ / "zaposleni");
         fs::create_directories(work_ / "TBZAPOSL.DAT");
         testing::writeFile(work_ / "TBZAPOSL.DAT" / "moje.txt", "moje");
       },
       [&] {
         fs::remove_all(work_ / "TBZAPOSL.DAT");
         fs::rename(root_ / "zaposleni", work_ / "TBZAPOSL.DAT");
       },
       work_ / "TBZAPOSL.DAT"},
      {"a control character in a source table", [&] { sourcePhone("01\t234"); },
       [&] { sourcePhone(""); }, source / "TBPOSLOD.DAT"},
      {"a working table open in a window",
       [&] {
         window = std::make_unique<Context>(work_);
         ASSERT_EQ(window->table("OSI").open(AccessMode::ReadOnly), 0);
       },
       [&] { window.reset(); }, work_ / "TBOSIGUR.DAT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.prepare();
    const auto before = folderContentsBesideBackups(work_);
    RecordingReporter reporter({Answer::Yes});
    EXPECT_EQ(importData(work_, source, reporter), TransferOutcome::Failed);
    ASSERT_EQ(reporter.messages.size(), 1u);
    const std::string expected = "Greška kod importa podataka ! " + c.named.string() + ": ";
    EXPECT_EQ(reporter.messages[0].rfind(expected, 0), 0u) << reporter.messages[0];
    EXPECT_EQ(folderContentsBesideBackups(work_), before);
    c.restore();
  }

  // Export all or nothing too: the target gets no table when one of them cannot be copied.
  testing::writeFile(work_ / "TBOSIGU3.DAT", damaged);
  RecordingReporter reporter;
  EXPECT_EQ(exportData(work_, root_ / "kopija", reporter), TransferOutcome::Failed);
  ASSERT_EQ(reporter.messages.size(), 1u);
  EXPECT_EQ(
      reporter.messages[0].rfind("Greška kod exporta " + (work_ / "TBOSIGU3.DAT").string(), 0), 0u)
      << reporter.messages[0];
  EXPECT_TRUE(folderContents(root_ / "kopija").empty());
}

// Killed while it copies or while it swaps, the import leaves the old tables or the new ones,
// never a mix or a table missing, and no staging folder once the next command started.
TEST_F(ExportImport, AKilledImportLeavesTheOldTablesOrTheNewOnes) {
  const fs::path source = testing::SampleFolder::templateFolder();
  testing::expectAllOrNothing(work_, [&](const fs::path& dir) {
    RecordingReporter reporter({Answer::Yes});
    return importData(dir, source, reporter) == TransferOutcome::Done;
  });
}

}  // namespace
}  // namespace obrazac
