#include "transfer/previous_year.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/previous_year_folder.h"
#include "support/table_dump.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

namespace fs = std::filesystem;
using testing::EmployeeLayout;
using testing::TempDir;

class PreviousYearTakeover : public ::testing::Test {
 protected:
  TempDir root_;
  fs::path work_ = root_ / "2005";
  fs::path old_ = root_ / "obrazac 2004";

  // This year's folder already holds an obligor and an employee of its own.
  void SetUp() override {
    Context ctx(work_);
    fs::create_directories(work_);
    Table& obligors = ctx.table("POS");
    ASSERT_EQ(obligors.open(), 0);
    testing::fill(obligors.record(), {{"REDBROJ", "9"}, {"NAZIV", "Nova firma"}});
    ASSERT_EQ(obligors.add(), 0);
    Table& employees = ctx.table("RAD");
    ASSERT_EQ(employees.open(), 0);
    testing::fill(
        employees.record(),
        {{"REDBROJ", "9"}, {"JMBG", "1111111111111"}, {"GODOBRA", "2005"}, {"IZNOS8", "10.00"}});
    ASSERT_EQ(employees.add(), 0);
  }

  std::vector<Record> employees(const fs::path& dir) {
    Context ctx(dir);
    Table& t = ctx.table("RAD");
    std::vector<Record> rows;
    EXPECT_EQ(t.open(AccessMode::ReadOnly), 0);
    t.setPhysical();
    while (t.next() == 0) rows.push_back(t.record());
    return rows;
  }
};

TEST_F(PreviousYearTakeover, TakesOverObligorsAndConvertsEveryEmployee) {
  for (const auto layout : {EmployeeLayout::Current, EmployeeLayout::LastYear}) {
    SCOPED_TRACE(layout == EmployeeLayout::Current ? "employee layout" : "last year's layout");
    fs::remove_all(old_);
    testing::buildPreviousYearFolder(old_, layout);
    const auto oldFolder = testing::folderContents(old_);
    const std::vector<Record> before = employees(work_);

    RecordingReporter reporter;
    ASSERT_EQ(takeOverPreviousYear(work_, old_, reporter), TransferOutcome::Done);
    EXPECT_EQ(reporter.messages,
              (std::vector<std::string>{work_.string(), "Procitano:3 upisano:3"}));

    EXPECT_EQ(testing::dumpTables(work_)["TBPOSLOD.DAT"],
              testing::dumpTables(old_)["TBPOSLOD.DAT"]);
    const std::vector<Record> after = employees(work_);
    ASSERT_EQ(after.size(), before.size() + 3);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));

    // Each old row against its converted row, field by field.
    const auto& oldRows = testing::previousYearEmployees();
    for (std::size_t i = 0; i < oldRows.size(); ++i) {
      const Record& row = after[before.size() + i];
      std::map<std::string, std::string> old(oldRows[i].begin(), oldRows[i].end());
      for (const char* kept : {"REDBROJ", "JMBG", "PREZIME", "OPCINA", "VRSOBV", "VRSTAUPLA",
                               "CLANDN", "OSNOVA1", "OSNOVA3", "OSNOVA4", "OSNOVA5"}) {
        EXPECT_EQ(row.display(kept), old[kept]) << kept << " of row " << i;
      }
      EXPECT_EQ(row.display("GODOBRA"), "0");
      EXPECT_EQ(row.display("MJEOBRA"), "0");
      EXPECT_EQ(row.display("ODDANA"), "1");
      EXPECT_EQ(row.display("DODANA"), "31");
      for (const char* zero : {"IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11", "PRVISTUP1",
                               "PRVISTUP2", "DRUGISTUP1", "DRUGISTUP2"})
        EXPECT_EQ(row.display(zero), "0.00") << zero << " of row " << i;
    }

    // Last year's folder is only read; no work copy or staging folder stays behind.
    EXPECT_EQ(testing::folderContents(old_), oldFolder);
    for (const auto& [name, _] : testing::folderContentsBesideBackups(work_))
      EXPECT_EQ(fs::path(name).extension(), ".DAT") << name;
    EXPECT_FALSE(fs::exists(work_ / "ZAP2004.DAT"));
  }
}

TEST_F(PreviousYearTakeover, RunningTwiceAddsEveryEmployeeAgain) {
  testing::buildPreviousYearFolder(old_);
  for (int run = 0; run < 2; ++run) {
    RecordingReporter reporter;
    ASSERT_EQ(takeOverPreviousYear(work_, old_, reporter), TransferOutcome::Done);
    EXPECT_EQ(reporter.messages.back(), "Procitano:3 upisano:3");
  }
  EXPECT_EQ(employees(work_).size(), 1u + 2 * 3);
}

// An old employee whose name holds a control byte stays behind, named; the others come over.
TEST_F(PreviousYearTakeover, AnEmployeeWithAControlByteIsLeftBehind) {
  testing::buildPreviousYearFolder(old_);
  std::string jmbg;
  {
    Context ctx(old_);
    Table& old = ctx.table("RAD");
    ASSERT_EQ(old.open(), 0);
    old.setPhysical();
    ASSERT_EQ(old.next(), 0);
    Record& r = old.record();
    jmbg = r.text(r.index("JMBG"));
    r.setText(r.index("PREZIME"), "ANA\x01");
    ASSERT_EQ(old.put(), 0);
  }
  fs::remove_all(old_ / ".locks");

  RecordingReporter reporter;
  ASSERT_EQ(takeOverPreviousYear(work_, old_, reporter), TransferOutcome::Done);
  EXPECT_EQ(
      reporter.messages,
      (std::vector<std::string>{
          work_.string(),
          "JMBG " + jmbg + " nije preuzet. Polje RAD:PREZIME: nedopušten kontrolni znak (U+0001)",
          "Procitano:3 upisano:2"}));
  EXPECT_EQ(employees(work_).size(), 1u + 2);
}

TEST_F(PreviousYearTakeover, AFailureLeavesTheWorkingFolderAsItWas) {
  struct Case {
    const char* name;
    std::function<void(const fs::path& old, const fs::path& work)> prepare;
    const char* message;  // the last message begins with it
    const char* names;    // and names this
  };
  std::unique_ptr<Context> holder;
  const Case cases[] = {
      {"missing old folder", [](const fs::path& old, const fs::path&) { fs::remove_all(old); },
       "Greška kod preuzimanja podataka ", "obrazac 2004"},
      {"no employees' table",
       [](const fs::path& old, const fs::path&) { fs::remove(old / "TBZAPOSL.DAT"); },
       "Greška kod preuzimanja podataka ", "TBZAPOSL.DAT"},
      {"employees' file is not an employees' table",
       [](const fs::path& old, const fs::path&) {
         fs::copy_file(old / "TBPOSLOD.DAT", old / "TBZAPOSL.DAT",
                       fs::copy_options::overwrite_existing);
       },
       "Open ZAP2004 ", ""},
      {"obligors' file is not a table",
       [](const fs::path& old, const fs::path&) {
         testing::writeFile(old / "TBPOSLOD.DAT", "nije tablica\r\n");
       },
       "Open TBPOSLOD ", ""},
      {"old table damaged",
       [](const fs::path& old, const fs::path&) {
         testing::writeFile(old / "TBZAPOSL.DAT",
                            std::string("SQLite format 3\0", 16) + std::string(4000, '\xA5'));
       },
       "Greška kod preuzimanja podataka ", "TBZAPOSL.DAT"},
      {"employees open in a window",
       [&holder](const fs::path&, const fs::path& work) {
         holder = std::make_unique<Context>(work);
         ASSERT_EQ(holder->table("RAD").open(), 0);
       },
       "Greška kod preuzimanja podataka ", "TBZAPOSL.DAT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(old_);
    testing::buildPreviousYearFolder(old_);
    c.prepare(old_, work_);
    const auto before = testing::folderContentsBesideBackups(work_);

    RecordingReporter reporter;
    EXPECT_EQ(takeOverPreviousYear(work_, old_, reporter), TransferOutcome::Failed);
    ASSERT_FALSE(reporter.messages.empty());
    EXPECT_EQ(reporter.messages.back().rfind(c.message, 0), 0u) << reporter.messages.back();
    EXPECT_NE(reporter.messages.back().find(c.names), std::string::npos)
        << reporter.messages.back();
    EXPECT_EQ(testing::folderContentsBesideBackups(work_), before);
    holder.reset();
  }

  // The working folder is no previous year: taking it over would only double every employee.
  const auto before = testing::folderContentsBesideBackups(work_);
  RecordingReporter reporter;
  EXPECT_EQ(takeOverPreviousYear(work_, work_ / ".", reporter), TransferOutcome::Failed);
  EXPECT_EQ(testing::folderContentsBesideBackups(work_), before);
}

}  // namespace
}  // namespace obrazac
