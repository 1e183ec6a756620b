#include "data/keyed_table.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "data/codepage.h"
#include "data/date.h"
#include "data/dictionary_builders.h"
#include "data/fixed_width.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

using namespace decl;
using testing::TempDir;

// A small table with one key of each kind the store knows.
TableDecl personTable() {
  TableDecl t;
  t.file = "TBTEST.DAT";
  t.prefix = "TST";
  t.fields = {shortInt("BROJ"), str("SIFRA", 4), str("IME", 20), dec("IZNOS", 11, 2),
              date("DATUM")};
  t.keys = {key("KEYBROJ", {"BROJ"}, kPrimary | kAutoNumber, "Broj"),
            key("KEYSIFRA", {"SIFRA"}, kUnique, "Šifra"),
            key("KEYIME", {"IME"}, kDup | kNoCase, "Ime")};
  return t;
}

class KeyedTableFixture : public ::testing::Test {
 protected:
  TableDecl decl_ = personTable();
  TempDir dir_;
  std::filesystem::path file_ = dir_ / "TBTEST.DAT";

  std::unique_ptr<KeyedTable> openTable(AccessMode mode = AccessMode::DenyNone) {
    auto t = std::make_unique<KeyedTable>(decl_, file_);
    EXPECT_EQ(t->open(mode), 0) << t->errorText();
    return t;
  }

  static int add(Table& t, int number, std::string_view code, std::string_view nameUtf8) {
    auto& r = t.record();
    r.clear();
    r.setInteger(r.index("BROJ"), number);
    r.setText(r.index("SIFRA"), code);
    r.setText(r.index("IME"), cp1250(nameUtf8));
    return t.add();
  }

  static std::vector<std::string> walk(Table& t, std::string_view key, bool backwards = false) {
    std::vector<std::string> names;
    t.clear();
    if (backwards)
      t.setLast(key);
    else
      t.set(key);
    while ((backwards ? t.previous() : t.next()) == 0) names.push_back(t.record().display("IME"));
    EXPECT_EQ(t.error(), err::kRecordNotAvailable);
    return names;
  }

  static std::vector<std::int64_t> numbers(Table& t) {
    std::vector<std::int64_t> out;
    t.clear();
    t.set("KEYBROJ");
    while (t.next() == 0) out.push_back(t.record().integer(0));
    return out;
  }
};

// Every behaviour holds in both layouts of the number key: an indexed key column, or the number
// kept as the row identifier.
class KeyedTableTest : public KeyedTableFixture, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override { decl_.keys[0].rowNumber = GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(NumberKey, KeyedTableTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "RowNumber" : "Indexed"; });

TEST_P(KeyedTableTest, NamesWalkInCroatianAlphabeticalOrderIgnoringCase) {
  auto t = openTable();
  const char* names[] = {"Žarko", "Zoran",  "Ćiro", "Čedo",  "cvita",
                         "Šime",  "Slavko", "Đuro", "Dario", "Ana"};
  int n = 0;
  for (const char* name : names) {
    ++n;
    ASSERT_EQ(add(*t, n, std::to_string(n), name), 0);
  }
  const std::vector<std::string> expected = {"Ana",  "cvita",  "Čedo", "Ćiro",  "Dario",
                                             "Đuro", "Slavko", "Šime", "Zoran", "Žarko"};
  EXPECT_EQ(walk(*t, "KEYIME"), expected);
  EXPECT_EQ(walk(*t, "KEYIME", true), std::vector<std::string>(expected.rbegin(), expected.rend()));
}

TEST_P(KeyedTableTest, DuplicatesOfANonUniqueKeyFollowInsertionOrder) {
  auto t = openTable();
  for (int i = 1; i <= 5; ++i) ASSERT_EQ(add(*t, i, std::to_string(i), i % 2 ? "ISTI" : "isti"), 0);
  std::vector<std::int64_t> order;
  t->clear();
  t->set("KEYIME");
  while (t->next() == 0) order.push_back(t->record().integer(0));
  EXPECT_EQ(order, (std::vector<std::int64_t>{1, 2, 3, 4, 5}));
}

TEST_P(KeyedTableTest, UniqueKeyRejectsASecondRecordAndChangesNothing) {
  auto t = openTable();
  ASSERT_EQ(add(*t, 1, "0001", "Prvi"), 0);
  EXPECT_EQ(add(*t, 2, "0001", "Drugi"), err::kDuplicateKey);
  EXPECT_EQ(t->errorText(), "Creates Duplicate Key");
  EXPECT_EQ(add(*t, 1, "0002", "Treći"), err::kDuplicateKey);
  EXPECT_EQ(t->records(), 1);
  // Trailing blanks never make two values differ.
  EXPECT_EQ(add(*t, 3, "0001  ", "Četvrti"), err::kDuplicateKey);
}

TEST_P(KeyedTableTest, BlankKeyIsLeftOutOfThatKeyOnly) {
  auto t = openTable();
  ASSERT_EQ(add(*t, 1, "", "Bez šifre"), 0);
  ASSERT_EQ(add(*t, 2, "", "Isto bez"), 0);  // several blank values do not collide
  ASSERT_EQ(add(*t, 3, "0003", "Sa šifrom"), 0);
  EXPECT_EQ(walk(*t, "KEYSIFRA"), std::vector<std::string>{"Sa šifrom"});
  EXPECT_EQ(walk(*t, "KEYBROJ").size(), 3u);
  t->clear();
  EXPECT_EQ(t->get("KEYSIFRA"), err::kRecordNotFound);
}

TEST_P(KeyedTableTest, SetPositionsBeforeTheFirstRecordNotLessThanTheBuffer) {
  auto t = openTable();
  for (int i = 1; i <= 6; ++i) ASSERT_EQ(add(*t, i * 10, std::to_string(i), "x"), 0);
  auto& r = t->record();
  r.clear();
  r.setInteger(0, 35);
  t->set("KEYBROJ");
  ASSERT_EQ(t->next(), 0);
  EXPECT_EQ(r.integer(0), 40);
  r.clear();
  r.setInteger(0, 35);
  t->set("KEYBROJ");
  ASSERT_EQ(t->previous(), 0);
  EXPECT_EQ(r.integer(0), 30);
  // Changing direction in the middle of a walk turns round at the current record.
  ASSERT_EQ(t->next(), 0);
  ASSERT_EQ(t->next(), 0);
  EXPECT_EQ(r.integer(0), 50);
  ASSERT_EQ(t->previous(), 0);
  EXPECT_EQ(r.integer(0), 40);
}

TEST_P(KeyedTableTest, SetAtPagesOnFromASavedRecordInBothDirections) {
  auto t = openTable();
  // Equal names tie in insertion order, so the saved record is found among its duplicates.
  const char* names[] = {"Ana", "Ivo", "Ivo", "Ivo", "Zora"};
  for (int i = 0; i < 5; ++i) ASSERT_EQ(add(*t, i + 1, std::to_string(i + 1), names[i]), 0);
  const int byName = decl_.keyIndex("KEYIME");
  t->clear();
  t->set(byName);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(t->next(), 0);
  const Position middle = t->position();  // the second "Ivo", record 3
  t->clear();
  ASSERT_EQ(t->setAt(byName, middle), 0);
  EXPECT_EQ(t->record().integer(0), 0) << "the buffer is not touched";
  ASSERT_EQ(t->next(), 0);
  EXPECT_EQ(t->record().integer(0), 4);
  ASSERT_EQ(t->setAt(byName, middle), 0);
  ASSERT_EQ(t->previous(), 0);
  EXPECT_EQ(t->record().integer(0), 2);

  ASSERT_EQ(t->reget(middle), 0);
  ASSERT_EQ(t->remove(), 0);
  EXPECT_EQ(t->setAt(byName, middle), err::kRecordNotFound);
  ASSERT_EQ(add(*t, 9, "9", ""), 0);  // left out of the name key
  EXPECT_EQ(t->setAt(byName, t->position()), err::kRecordNotFound);
}

TEST_P(KeyedTableTest, SetLastOfStandsAfterTheEndOfARange) {
  decl_.keys.push_back(key("KEYIMEBROJ", {"IME", "BROJ"}, kUnique));
  auto t = openTable();
  int n = 0;
  for (const char* name : {"Ana", "Ivo", "Ivo", "Ivo", "Zora"}) {
    ++n;
    ASSERT_EQ(add(*t, n, std::to_string(n), name), 0);
  }
  const int k = decl_.keyIndex("KEYIMEBROJ");
  auto& r = t->record();
  auto primeName = [&](const char* name) {
    r.clear();
    r.setText(r.index("IME"), name);
  };
  primeName("Ivo");
  ASSERT_EQ(t->setLastOf(k, 1), 0);
  ASSERT_EQ(t->previous(), 0);
  EXPECT_EQ(r.integer(0), 4) << "the last Ivo";
  primeName("Ivo");
  ASSERT_EQ(t->setLastOf(k, 1), 0);
  ASSERT_EQ(t->next(), 0);
  EXPECT_EQ(r.integer(0), 5) << "the first record after the range";
  primeName("Zora");
  ASSERT_EQ(t->setLastOf(k, 1), 0);
  EXPECT_EQ(t->next(), err::kRecordNotAvailable);
}

TEST_P(KeyedTableTest, ValuesRoundTripThroughTheFile) {
  {
    auto t = openTable();
    auto& r = t->record();
    r.clear();
    r.setInteger(r.index("BROJ"), -7);
    r.setText(r.index("IME"), cp1250("Đurđa Šoštarić"));
    r.setDecimal(r.index("IZNOS"), *Decimal::parse("-1234.565"));
    r.setInteger(r.index("DATUM"), Date::fromParts(2, 29, 2004).dayNumber());
    ASSERT_EQ(t->add(), 0);
  }
  auto t = openTable();
  t->setPhysical();
  ASSERT_EQ(t->next(), 0);
  const auto& r = t->record();
  EXPECT_EQ(r.integer(r.index("BROJ")), -7);
  EXPECT_EQ(r.text(r.index("IME")), padRight(cp1250("Đurđa Šoštarić"), 20));
  EXPECT_EQ(r.display("IZNOS"), "-1234.57");
  EXPECT_EQ(r.display("DATUM"), "2004-02-29");
}

TEST_P(KeyedTableTest, WatchedRecordChangedByAnotherContextIsNotOverwritten) {
  auto first = openTable();
  auto second = openTable();
  ASSERT_EQ(add(*first, 1, "0001", "Original"), 0);
  for (auto* t : {first.get(), second.get()}) {
    t->clear();
    t->record().setInteger(0, 1);
    t->watch();
    ASSERT_EQ(t->get("KEYBROJ"), 0);
  }
  second->record().setText(2, "Drugi");
  ASSERT_EQ(second->put(), 0);
  first->record().setText(2, "Prvi");
  EXPECT_EQ(first->put(), err::kRecordChanged);
  ASSERT_EQ(first->reget(first->position()), 0);
  EXPECT_EQ(first->record().display("IME"), "Drugi");
  // Without a watch the later write wins.
  first->record().setText(2, "Prvi");
  EXPECT_EQ(first->put(), 0);
}

TEST_P(KeyedTableTest, SharingModesRefuseConflictingOpensAtOnce) {
  struct Case {
    AccessMode held, wanted;
    int expected;
  } cases[] = {
      {AccessMode::DenyAll, AccessMode::DenyNone, err::kAccessDenied},
      {AccessMode::DenyNone, AccessMode::DenyAll, err::kAccessDenied},
      {AccessMode::DenyWrite, AccessMode::DenyNone, err::kAccessDenied},
      {AccessMode::DenyWrite, AccessMode::ReadOnly, 0},
      {AccessMode::DenyNone, AccessMode::DenyNone, 0},
  };
  openTable();  // creates the file
  for (const auto& c : cases) {
    KeyedTable holder(decl_, file_), other(decl_, file_);
    ASSERT_EQ(holder.open(c.held), 0);
    EXPECT_EQ(other.open(c.wanted), c.expected);
  }
}

TEST_P(KeyedTableTest, EmptyNeedsExclusiveOpen) {
  auto t = openTable();
  ASSERT_EQ(add(*t, 1, "1", "a"), 0);
  EXPECT_EQ(t->empty(), err::kExclusiveAccessRequired);
  t->close();
  t = openTable(AccessMode::DenyAll);
  EXPECT_EQ(t->empty(), 0);
  EXPECT_EQ(t->records(), 0);
}

TEST_P(KeyedTableTest, MissingFileWithoutCreateIsNotFoundAndNothingIsCreated) {
  decl_.create = false;
  KeyedTable t(decl_, file_);
  EXPECT_EQ(t.open(), err::kFileNotFound);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
  EXPECT_EQ(t.open(), err::kFileNotFound);
  decl_.create = true;
  KeyedTable again(decl_, file_);
  ASSERT_EQ(again.open(), 0);
  EXPECT_EQ(again.open(), err::kFileAlreadyOpen);
}

TEST_P(KeyedTableTest, AppendThenBuildGivesTheKeyOrder) {
  auto t = openTable(AccessMode::DenyAll);
  for (int i = 500; i >= 1; --i) {
    auto& r = t->record();
    r.clear();
    r.setInteger(0, i);
    r.setText(1, std::to_string(i));
    ASSERT_EQ(t->append(), 0);
  }
  ASSERT_EQ(t->build(), 0);
  t->clear();
  t->set("KEYBROJ");
  for (int i = 1; i <= 500; ++i) {
    ASSERT_EQ(t->next(), 0);
    ASSERT_EQ(t->record().integer(0), i);
  }
  EXPECT_EQ(t->next(), err::kRecordNotAvailable);
  // A unique key broken by the appends is refused at build and the appends are undone.
  add(*t, 1000, "X1", "a");
  for (int i = 0; i < 2; ++i) {
    t->record().setInteger(0, 2000 + i);
    ASSERT_EQ(t->append(), 0);
  }
  EXPECT_EQ(t->build(), err::kDuplicateKey);
  EXPECT_EQ(t->records(), 501);
}

TEST_P(KeyedTableTest, ReadAheadNeverReturnsARowThisProcessDeleted) {
  auto walker = openTable();
  for (int i = 1; i <= 40; ++i) ASSERT_EQ(add(*walker, i, std::to_string(i), "x"), 0);
  // The writer names the file as the walker does or by another way to it; each time it deletes
  // the row that follows the first in key order.
  const std::filesystem::path writerPaths[] = {file_, dir_ / "." / "TBTEST.DAT"};
  std::int64_t deleted = 1;
  for (const auto& path : writerPaths) {
    SCOPED_TRACE(path);
    ++deleted;
    KeyedTable writer(decl_, path);
    ASSERT_EQ(writer.open(), 0);
    walker->clear();
    walker->set("KEYBROJ");
    ASSERT_EQ(walker->next(), 0);  // reads ahead several rows
    writer.clear();
    writer.record().setInteger(0, deleted);
    ASSERT_EQ(writer.get("KEYBROJ"), 0);
    ASSERT_EQ(writer.remove(), 0);
    ASSERT_EQ(walker->next(), 0);
    EXPECT_EQ(walker->record().integer(0), deleted + 1);
  }
}

TEST_P(KeyedTableTest, TheFileOpensInTheStockShellWithNamedColumns) {
  {
    auto t = openTable();
    ASSERT_EQ(add(*t, 1, "0001", "Šime"), 0);
  }
  const std::string cmd = "sqlite3 '" + file_.string() + "' 'SELECT BROJ, SIFRA, IME FROM TBTEST'";
  FILE* p = popen(cmd.c_str(), "r");
  ASSERT_NE(p, nullptr);
  char buf[256] = {};
  const std::size_t n = fread(buf, 1, sizeof buf - 1, p);
  pclose(p);
  EXPECT_EQ(std::string(buf, n), "1|0001|Šime\n");
}

class RowNumberKeyTest : public KeyedTableFixture {
 protected:
  void SetUp() override { decl_.keys[0].rowNumber = true; }
};

TEST_F(RowNumberKeyTest, ZeroTakesTheNextNumberAndAChangedNumberMovesTheRow) {
  auto t = openTable();
  ASSERT_EQ(add(*t, 5, "5", "Pet"), 0);
  ASSERT_EQ(add(*t, 0, "6", "Bez broja"), 0);
  EXPECT_EQ(t->record().integer(0), 6);
  auto& r = t->record();
  r.setInteger(0, 2);
  ASSERT_EQ(t->put(), 0);
  ASSERT_EQ(t->reget(t->position()), 0);
  EXPECT_EQ(r.display("IME"), "Bez broja");
  EXPECT_EQ(numbers(*t), (std::vector<std::int64_t>{2, 5}));
  // The number cannot be cleared, and nothing changes.
  r.setInteger(0, 0);
  EXPECT_NE(t->put(), 0);
  EXPECT_EQ(numbers(*t), (std::vector<std::int64_t>{2, 5}));
}

TEST_F(RowNumberKeyTest, AFileWithTheIndexedLayoutIsTakenOverWithItsRows) {
  decl_.keys[0].rowNumber = false;
  {
    auto t = openTable();
    for (const int n : {30, 10, 0, 20}) ASSERT_EQ(add(*t, n, std::to_string(n), "x"), 0);
  }
  decl_.keys[0].rowNumber = true;
  auto t = openTable();
  EXPECT_EQ(numbers(*t), (std::vector<std::int64_t>{10, 20, 30, 31}));
  EXPECT_EQ(walk(*t, "KEYSIFRA").size(), 4u);
  t->clear();
  t->record().setText(1, "0");
  ASSERT_EQ(t->get("KEYSIFRA"), 0);
  EXPECT_EQ(t->record().integer(0), 31) << "a zero number took the next one";
  EXPECT_EQ(add(*t, 10, "99", "y"), err::kDuplicateKey);
}

}  // namespace
}  // namespace obrazac
