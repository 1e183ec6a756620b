#include "data/record_manager.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "data/codepage.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

using testing::TempDir;

class RecordManagerTest : public ::testing::Test {
 protected:
  TempDir dir_;
  Context ctx_{dir_.path()};

  RecordManager manager(std::string_view prefix, Context* ctx = nullptr) {
    RecordManager m(ctx ? *ctx : ctx_, prefix);
    EXPECT_EQ(m.open(), 0);
    return m;
  }

  static void set(Record& r, std::string_view field, std::int64_t v) {
    r.setInteger(r.index(field), v);
  }
  static void set(Record& r, std::string_view field, std::string_view utf8) {
    r.setText(r.index(field), cp1250(utf8));
  }

  void addObligor(int number, std::string_view name) {
    auto m = manager("POS");
    m.record().clear();
    set(m.record(), "REDBROJ", number);
    set(m.record(), "NAZIV", name);
    ASSERT_TRUE(m.insert().ok());
  }
  void addEmployee(int obligor, std::string_view jmbg, int lastDay = 31) {
    auto m = manager("RAD");
    m.record().clear();
    set(m.record(), "REDBROJ", obligor);
    set(m.record(), "JMBG", jmbg);
    set(m.record(), "DODANA", lastDay);
    ASSERT_TRUE(m.insert().ok());
  }
  void addFormRow(std::string_view link, std::string_view jmbg) {
    auto m = manager("OSI");
    m.record().clear();
    set(m.record(), "KONVEZA", link);
    set(m.record(), "JMBG", jmbg);
    set(m.record(), "GODOBRA", 2005);
    ASSERT_TRUE(m.insert().ok());
  }
  std::int64_t count(std::string_view prefix) {
    Context other(dir_.path());
    Table& t = other.table(prefix);
    if (t.open(AccessMode::ReadOnly) != 0) return 0;
    return t.records();
  }
  // Positions the manager's table on the record whose key value is primed by `prime`.
  template <typename Prime>
  static void read(RecordManager& m, std::string_view key, Prime prime) {
    m.record().clear();
    prime(m.record());
    m.table().watch();
    ASSERT_EQ(m.table().get(key), 0);
  }
};

TEST_F(RecordManagerTest, AutoNumberStartsAtOneAndFollowsTheHighest) {
  auto m = manager("OPC");
  for (const char* code : {"1333", "0019", "0027"}) {
    m.record().clear();
    set(m.record(), "SIFRA", code);
    ASSERT_TRUE(m.insert().ok());
  }
  m.record().clear();
  m.table().set("KEYREDB");
  std::vector<std::int64_t> numbers;
  while (m.table().next() == 0) numbers.push_back(m.record().integer(0));
  EXPECT_EQ(numbers, (std::vector<std::int64_t>{1, 2, 3}));
}

TEST_F(RecordManagerTest, DuplicateNamesTheKeyByItsDescription) {
  addObligor(1, "Prva d.o.o.");
  auto m = manager("POS");
  m.record().clear();
  set(m.record(), "REDBROJ", 1);
  set(m.record(), "NAZIV", "Druga d.o.o.");
  const SaveResult r = m.insert();
  EXPECT_EQ(r.outcome, SaveOutcome::DuplicateKey);
  EXPECT_EQ(r.keyDescription, "Redni broj fime");
  EXPECT_EQ(count("POS"), 1);
}

TEST_F(RecordManagerTest, FieldRulesRefuseYearsOutsideTheirRange) {
  struct Case {
    const char* prefix;
    const char* year;
    bool accepted;
  } cases[] = {{"OSI", "2000", false}, {"OSI", "2001", true},  {"OSI", "2100", true},
               {"OSI", "2101", false}, {"GRE", "1999", false}, {"GRE", "2005", true},
               {"GRE", "20x5", false}};
  for (const auto& c : cases) {
    auto m = manager(c.prefix);
    m.record().clear();
    const int f = m.record().index("GODOBRA");
    ASSERT_EQ(m.record().assign(f, c.year), std::nullopt);
    const SaveResult r = m.insert();
    EXPECT_EQ(r.ok(), c.accepted) << c.prefix << " " << c.year;
    if (!c.accepted) {
      EXPECT_EQ(r.outcome, SaveOutcome::FieldRule);
      EXPECT_EQ(r.rule->label, cp1250("Obračunska godina"));
      EXPECT_EQ(r.rule->low, 2001);
      EXPECT_EQ(r.rule->high, 2100);
    }
  }
}

TEST_F(RecordManagerTest, ReservedNumberIsFilledByTheInsertOrReleasedByCancel) {
  auto m = manager("OPC");
  m.record().clear();
  ASSERT_TRUE(m.reserveAutoNumber().ok());
  EXPECT_EQ(m.record().integer(0), 1);
  EXPECT_EQ(count("OPC"), 1);
  ASSERT_TRUE(m.cancelReservation().ok());
  EXPECT_EQ(count("OPC"), 0);

  m.record().clear();
  ASSERT_TRUE(m.reserveAutoNumber().ok());
  set(m.record(), "NAZIV", "ZAGREB");
  ASSERT_TRUE(m.insert().ok());
  EXPECT_EQ(count("OPC"), 1);
  m.record().clear();
  set(m.record(), "REDBROJ", 1);
  ASSERT_EQ(m.table().get("KEYREDB"), 0);
  EXPECT_EQ(m.record().display("NAZIV"), "ZAGREB");
}

TEST_F(RecordManagerTest, ChangeByAnotherContextIsDetectedAndShown) {
  addObligor(7, "Original");
  Context other(dir_.path());
  auto mine = manager("POS");
  auto theirs = manager("POS", &other);
  const auto prime = [](Record& r) { set(r, "REDBROJ", 7); };
  read(mine, "KEYREDBROJ", prime);
  read(theirs, "KEYREDBROJ", prime);
  set(theirs.record(), "NAZIV", "Njihovo");
  ASSERT_TRUE(theirs.update().ok());
  set(mine.record(), "NAZIV", "Moje");
  EXPECT_EQ(mine.update().outcome, SaveOutcome::RecordChanged);
  EXPECT_EQ(mine.record().display("NAZIV"), "Njihovo");
  set(mine.record(), "NAZIV", "Moje");
  EXPECT_TRUE(mine.update().ok());  // compared with the version now shown
}

TEST_F(RecordManagerTest, DeletingAnObligorTakesExactlyItsEmployees) {
  addObligor(1, "Prva");
  addObligor(2, "Druga");
  for (const char* jmbg : {"1503975123451", "0101980330001", "0202981330002"}) addEmployee(1, jmbg);
  addEmployee(2, "1503975123451");
  addFormRow("001000103", "1503975123451");

  auto m = manager("POS");
  read(m, "KEYREDBROJ", [](Record& r) { set(r, "REDBROJ", 1); });
  ASSERT_TRUE(m.remove().ok());
  EXPECT_EQ(count("POS"), 1);
  EXPECT_EQ(count("RAD"), 1);
  EXPECT_EQ(count("OSI"), 1);  // form rows do not belong to the employee relation's cascade

  // The store's own delete never cascades.
  read(m, "KEYREDBROJ", [](Record& r) { set(r, "REDBROJ", 2); });
  ASSERT_EQ(m.table().remove(), 0);
  EXPECT_EQ(count("RAD"), 1);
}

TEST_F(RecordManagerTest, DeletingAFormHeaderTakesExactlyTheRowsWithItsLink) {
  {
    auto a = manager("A");
    for (const char* link : {"001000103", "001000203"}) {
      a.record().clear();
      set(a.record(), "KONVEZA", link);
      ASSERT_TRUE(a.insert().ok());
    }
  }
  addFormRow("001000103", "1503975123451");
  addFormRow("001000103", "0101980330001");
  addFormRow("001000203", "1503975123451");
  addFormRow("0010001", "0101980330001");  // a shorter link is another form
  auto a = manager("A");
  read(a, "KEYIDENTIKATOR", [](Record& r) { set(r, "KONVEZA", "001000103"); });
  ASSERT_TRUE(a.remove().ok());
  EXPECT_EQ(count("A"), 1);
  EXPECT_EQ(count("OSI"), 2);
}

TEST_F(RecordManagerTest, ACascadeKilledBeforeCommitLeavesEverything) {
  addObligor(1, "Prva");
  for (const char* jmbg : {"1503975123451", "0101980330001", "0202981330002"}) addEmployee(1, jmbg);
  ctx_.closeAll();

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    Context doomed(dir_.path());
    RecordManager m(doomed, "POS");
    m.open();
    m.record().clear();
    m.record().setInteger(0, 1);
    m.table().get("KEYREDBROJ");
    CascadeHooks hooks;
    hooks.beforeCommit = [] { raise(SIGKILL); };
    m.remove(hooks);
    _exit(0);  // not reached
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(count("POS"), 1);
  EXPECT_EQ(count("RAD"), 3);

  auto m = manager("POS");
  read(m, "KEYREDBROJ", [](Record& r) { set(r, "REDBROJ", 1); });
  ASSERT_TRUE(m.remove().ok());
  EXPECT_EQ(count("POS"), 0);
  EXPECT_EQ(count("RAD"), 0);
}

}  // namespace
}  // namespace obrazac
