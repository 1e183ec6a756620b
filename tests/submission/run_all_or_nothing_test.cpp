// A processing run changes the forms, the list and the output file together or not at all:
// killed at any moment, refused because another run works in the folder, or stopped by an
// output folder it cannot write.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include "form/sending_header.h"
#include "submission/collective_assembly.h"
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

// The same form sent again on a later date replaces the file page A names.
TEST_F(AllOrNothing, AKilledSendingLeavesTheOldFormAndFileOrTheNewOnes) {
  ASSERT_TRUE(send(before_, 1, kEarlier));
  testing::expectAllOrNothing(before_, [](const fs::path& dir) { return send(dir, 1, kLater); });
}

TEST_F(AllOrNothing, AKilledCollectiveAssemblyLeavesTheOldFileOrTheNewOne) {
  sendCollectively();
  testing::expectAllOrNothing(before_, [](const fs::path& dir) { return assemble(dir, kLater); });
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
