// A processing run changes the forms, the list and the output file together or not at all:
// killed at any moment, refused because another run works in the folder, or stopped by an
// output folder it cannot write.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <optional>

#include "form/sending_header.h"
#include "submission/collective_assembly.h"
#include "submission/control_number.h"
#include "submission/run_guard.h"
#include "submission/sending_run.h"
#include "support/kill_points.h"
#include "support/parameter_record.h"
#include "support/payment_fixture.h"

namespace obrazac::submission {
namespace {

namespace fs = std::filesystem;
using testing::stateOf;

const Date kEarlier = Date::fromParts(12, 15, 2025);
const Date kLater = Date::fromParts(12, 16, 2025);

bool send(const fs::path& dir, int obligor, Date sent,
          std::optional<form::CollectiveJob> job = std::nullopt) {
  Context ctx(dir);
  RecordingReporter reporter;
  form::SendingHeader h = sampleMonthHeader(obligor);
  h.formNumber = obligor == 3 ? "50" : "1";
  h.sendingDate = sent;
  if (job) {
    h.method = form::SendingMethod::Collective;
    h.job = *job;
  }
  if (!form::chooseEmployer(ctx, h).ok()) return false;
  return runSending(ctx, h, reporter).status.ok();
}

bool assemble(const fs::path& dir, Date sent) {
  Context ctx(dir);
  RecordingReporter reporter;
  return runCollectiveAssembly(ctx, sent, reporter).status.ok();
}

void execSql(const fs::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
  sqlite3_close(db);
}

// A table file whose rows can no longer be read while its layout still opens: the page holding
// the table's rows is overwritten.
void breakRowsOf(const fs::path& file, const std::string& table) {
  int rootPage = 0, pageSize = 0;
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* st = nullptr;
  const std::string sql =
      "SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM "
      "sqlite_master WHERE type = 'table' AND name = '" +
      table + "'";
  ASSERT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
  rootPage = sqlite3_column_int(st, 0);
  pageSize = sqlite3_column_int(st, 1);
  sqlite3_finalize(st);
  sqlite3_close(db);
  std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(static_cast<std::streamoff>(rootPage - 1) * pageSize);
  const std::string garbage(static_cast<std::size_t>(pageSize), '\x7f');
  f.write(garbage.data(), pageSize);
}

// The sample installation with its folders given within the working folder, so a copy of it
// works in its own place.
class AllOrNothing : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::copyFolder(testing::SampleFolder::templateFolder(), before_);
    Context ctx(before_);
    testing::setParameter(ctx, "RADDIR", "");
    testing::setParameter(ctx, "ULAZDIR", "ulaz/");
    testing::setParameter(ctx, "IZLAZDIR", "izlaz/");
  }

  // The three obligors sent collectively and joined into VELOR.RM0 on the earlier date.
  void sendCollectively() {
    ASSERT_TRUE(send(before_, 1, kEarlier, form::CollectiveJob::NewFile));
    ASSERT_TRUE(send(before_, 2, kEarlier, form::CollectiveJob::AddToFile));
    ASSERT_TRUE(send(before_, 3, kEarlier, form::CollectiveJob::AddToFile));
    ASSERT_TRUE(assemble(before_, kEarlier));
  }

  testing::TempDir root_;
  fs::path before_ = root_ / "prije";
};

// A failure of the store is the run's failure, never a run with no data or a success: it says
// what failed in the store's words, and the folder stays as it was.
TEST_F(AllOrNothing, AFailedReadOrWriteFailsTheRunAndChangesNothing) {
  ASSERT_TRUE(send(before_, 1, kEarlier, form::CollectiveJob::NewFile));
  struct Case {
    const char* name;
    std::function<void(Context& other)> spoil;
    std::function<bool(const fs::path&, RecordingReporter&)> run;
    std::string says;
  };
  auto sendAdding = [](const fs::path& dir, RecordingReporter& reporter) {
    Context ctx(dir);
    form::SendingHeader h = sampleMonthHeader(2);
    h.sendingDate = kLater;
    h.method = form::SendingMethod::Collective;
    h.job = form::CollectiveJob::AddToFile;
    return form::chooseEmployer(ctx, h).ok() && runSending(ctx, h, reporter).status.ok();
  };
  const Case cases[] = {
      {"an employee table another program holds",
       [](Context& other) { ASSERT_EQ(other.table("RAD").open(AccessMode::DenyAll), 0); },
       sendAdding, "Greška 5 (Access Denied): mjesečni podaci obveznika 2 (TBZAPOSL.DAT)"},
      {"a list that refuses the obligor",
       [](Context& other) {
         execSql(other.table("TBT").file(),
                 "CREATE TRIGGER refuse BEFORE INSERT ON TBTMPDAT BEGIN SELECT RAISE(ABORT, "
                 "'disk I/O error'); END");
       },
       sendAdding, "upis u popis obrađenih obveznika TBTMPDAT.DAT"},
      {"a list that cannot be read",
       [](Context& other) { breakRowsOf(other.table("TBT").file(), "TBTMPDAT"); },
       [](const fs::path& dir, RecordingReporter& reporter) {
         Context ctx(dir);
         return runCollectiveAssembly(ctx, kLater, reporter).status.ok();
       },
       "(popis obrađenih obveznika TBTMPDAT.DAT)"},
  };
  for (const Case& c : cases) {
    const fs::path work = root_ / "radna";
    testing::copyFolder(before_, work);
    Context other(work);
    c.spoil(other);
    const auto before = stateOf(work);
    RecordingReporter reporter;
    EXPECT_FALSE(c.run(work, reporter)) << c.name;
    EXPECT_TRUE(stateOf(work) == before) << c.name;
    other.closeAll();
    const std::string said = ::testing::PrintToString(reporter.messages);
    EXPECT_NE(said.find(c.says), std::string::npos) << c.name << ": " << said;
    EXPECT_EQ(said.find("OBVEZNIK JE USPJEŠNO OBRAĐEN"), std::string::npos) << c.name;
  }
}

// Page A of each of these forms (of every form in the collective's list when none is named)
// carries the control number of `file` as it stands on disk.
testing::FolderCheck pageANames(const std::string& file, std::vector<std::string> links = {}) {
  return [file, links](const fs::path& dir) {
    const ControlNumber onDisk = controlNumberOfFile(dir / "izlaz" / file);
    ASSERT_TRUE(onDisk.ok()) << onDisk.error;
    Context ctx(dir);
    std::vector<std::string> forms = links;
    if (forms.empty()) {
      Table& list = ctx.table("TBT");
      ASSERT_EQ(list.open(AccessMode::ReadOnly), 0);
      list.setPhysical();
      Record& t = list.record();
      while (list.next() == 0) forms.push_back(t.text(t.index("IDENTIFIKATOR")));
    }
    ASSERT_FALSE(forms.empty());
    Table& a = ctx.table("A");
    ASSERT_EQ(a.open(AccessMode::ReadOnly), 0);
    Record& r = a.record();
    for (const std::string& link : forms) {
      r.clear();
      r.setText(r.index("KONVEZA"), link);
      ASSERT_EQ(a.get("KEYIDENTIKATOR"), 0) << link;
      EXPECT_EQ(r.text(r.index("KONZNAK")), groupedControlNumber(onDisk.digits))
          << "page A of " << link << " and " << file;
    }
  };
}

// The same form sent again on a later date replaces the file page A names.
TEST_F(AllOrNothing, AKilledSendingLeavesTheOldFormAndFileOrTheNewOnes) {
  ASSERT_TRUE(send(before_, 1, kEarlier));
  testing::expectAllOrNothing(
      before_, [](const fs::path& dir) { return send(dir, 1, kLater); }, 12,
      pageANames("F0015001.TXT", {"001500101"}));
}

TEST_F(AllOrNothing, AKilledCollectiveAssemblyLeavesTheOldFileOrTheNewOne) {
  sendCollectively();
  testing::expectAllOrNothing(
      before_, [](const fs::path& dir) { return assemble(dir, kLater); }, 12,
      pageANames("VELOR.RM0"));
}

// While one run works in the folder, a second one is refused before it writes anything: the
// collective file and the pages A of the first stay as they are.
TEST_F(AllOrNothing, ASecondRunAtOnceIsRefusedAndChangesNothing) {
  sendCollectively();
  Context first(before_);
  RecordingReporter firstReporter;
  RunGuard working(first, firstReporter);
  ASSERT_TRUE(working.begin({"A"}, before_ / "izlaz"));
  const auto before = stateOf(before_);

  const std::string refusal = "Greška 5 (Access Denied): tablicu TBVELOR drži druga obrada";
  Context second(before_);
  RecordingReporter reporter;
  EXPECT_FALSE(runCollectiveAssembly(second, kLater, reporter).status.ok());
  form::SendingHeader h = sampleMonthHeader(1);
  ASSERT_TRUE(form::chooseEmployer(second, h).ok());
  EXPECT_FALSE(runSending(second, h, reporter).status.ok());
  EXPECT_EQ(reporter.messages, (std::vector<std::string>{refusal, refusal}));
  second.closeAll();
  EXPECT_TRUE(stateOf(before_) == before);

  EXPECT_TRUE(working.commit().empty());
  EXPECT_TRUE(assemble(before_, kLater));
}

// An output folder the run cannot write into stops it before the first change, with the folder
// and the reason.
TEST_F(AllOrNothing, AnOutputFolderThatCannotTakeTheFileRefusesTheRun) {
  ASSERT_TRUE(send(before_, 1, kEarlier));
  testing::writeFile(before_ / "datoteka", "a file where the folder should be");
  fs::create_directories(before_ / "zasticena");
  fs::permissions(before_ / "zasticena", fs::perms::owner_read | fs::perms::owner_exec);
  struct Case {
    const char* folder;
    std::string message;
  };
  std::vector<Case> cases{
      {"nema/",
       "Greška 3 (Path Not Found): izlazna mapa " + (before_ / "nema").string() + " ne postoji"},
      {"datoteka/", "Greška 3 (Path Not Found): izlazna mapa " + (before_ / "datoteka").string() +
                        " ne postoji"},
  };
  if (geteuid() != 0)  // the superuser writes anywhere
    cases.push_back({"zasticena/", "Greška 5 (Access Denied): u izlaznu mapu " +
                                       (before_ / "zasticena").string() + " nije moguće pisati"});
  for (const auto& c : cases) {
    Context ctx(before_);
    testing::setParameter(ctx, "IZLAZDIR", c.folder);
    const auto before = stateOf(before_);
    RecordingReporter reporter;
    form::SendingHeader h = sampleMonthHeader(1);
    ASSERT_TRUE(form::chooseEmployer(ctx, h).ok());
    EXPECT_FALSE(runSending(ctx, h, reporter).status.ok()) << c.folder;
    EXPECT_FALSE(runCollectiveAssembly(ctx, kLater, reporter).status.ok());
    EXPECT_EQ(reporter.messages, (std::vector<std::string>{c.message, c.message}));
    ctx.closeAll();
    EXPECT_TRUE(stateOf(before_) == before) << c.folder;
  }
  fs::permissions(before_ / "zasticena", fs::perms::owner_all);
}

}  // namespace
}  // namespace obrazac::submission
