#include "frame/browse_pager.h"

#include <gtest/gtest.h>

#include "data/dictionary_builders.h"
#include "data/keyed_table.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

using namespace decl;
using testing::TempDir;

// Numbered rows in groups: a key on the number alone and one on group and number for ranges.
TableDecl groupedTable() {
  TableDecl t;
  t.file = "TBLISTA.DAT";
  t.prefix = "LST";
  t.fields = {str("GRUPA", 2), longInt("BROJ"), str("NAZIV", 20)};
  t.keys = {key("KEYBROJ", {"BROJ"}, kPrimary), key("KEYGRUPA", {"GRUPA", "BROJ"}, kUnique)};
  return t;
}

class BrowsePagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table_ = std::make_unique<KeyedTable>(decl_, dir_ / "TBLISTA.DAT");
    ASSERT_EQ(table_->open(), 0);
  }

  // Rows numbered 10, 20, ... in groups "A" (first half) and "B".
  void addRows(int count) {
    table_->begin();
    for (int i = 1; i <= count; ++i) ASSERT_EQ(add(i * 10, i <= count / 2 ? "A" : "B"), 0);
    table_->commit();
  }
  BrowsePager::Order order(const char* key) {
    BrowsePager::Order o;
    o.key = decl_.keyIndex(key);
    return o;
  }
  int add(int number, const char* group) {
    Record& r = table_->record();
    r.clear();
    r.setText(0, group);
    r.setInteger(1, number);
    r.setText(2, "red " + std::to_string(number));
    return table_->add();
  }

  std::vector<std::int64_t> page(const BrowsePager& p) {
    std::vector<std::int64_t> numbers;
    for (const auto& row : p.rows()) numbers.push_back(row.record.integer(1));
    return numbers;
  }
  std::int64_t highlighted(const BrowsePager& p) { return p.highlighted()->record.integer(1); }

  TableDecl decl_ = groupedTable();
  TempDir dir_;
  std::unique_ptr<KeyedTable> table_;
};

TEST_F(BrowsePagerTest, MovesKeepAFullPageAndTheBufferOnTheHighlightedRecord) {
  addRows(10);
  BrowsePager p(*table_);
  p.setPageSize(4);
  p.top();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{10, 20, 30, 40}));
  EXPECT_EQ(highlighted(p), 10);
  EXPECT_EQ(table_->record().integer(1), 10);

  p.down();
  p.pageDown();  // the page moves on by four, the highlight stays on its line
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{50, 60, 70, 80}));
  EXPECT_EQ(highlighted(p), 60);
  p.pageDown();  // at the end the last page stays full and the highlight goes to its last row
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{70, 80, 90, 100}));
  EXPECT_EQ(highlighted(p), 100);
  p.pageDown();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{70, 80, 90, 100}));
  p.down();
  EXPECT_EQ(highlighted(p), 100);
  EXPECT_EQ(table_->record().integer(1), 100);

  p.pageUp();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{30, 40, 50, 60}));
  EXPECT_EQ(highlighted(p), 60);
  p.top();
  p.up();
  EXPECT_EQ(highlighted(p), 10);
  p.bottom();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{70, 80, 90, 100}));
  EXPECT_EQ(highlighted(p), 100);
}

TEST_F(BrowsePagerTest, EmptyTableGivesAnEmptyPageAndAClearedBuffer) {
  BrowsePager p(*table_);
  p.setPageSize(5);
  table_->record().setInteger(1, 7);
  for (auto move : {&BrowsePager::top, &BrowsePager::bottom, &BrowsePager::pageDown,
                    &BrowsePager::down, &BrowsePager::refill}) {
    (p.*move)();
    EXPECT_TRUE(p.empty());
    EXPECT_EQ(p.current(), -1);
    EXPECT_EQ(p.highlighted(), nullptr);
  }
  EXPECT_EQ(table_->record().integer(1), 0);
}

TEST_F(BrowsePagerTest, RefillShowsASavedRecordOnTheHighlightedLine) {
  addRows(20);
  BrowsePager p(*table_);
  p.setPageSize(5);
  p.top();
  p.down();
  p.down();                     // the highlight on the third line
  ASSERT_EQ(add(155, "B"), 0);  // a new record far down the order
  p.refillAt(table_->position(), table_->record());
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{140, 150, 155, 160, 170}));
  EXPECT_EQ(highlighted(p), 155);

  // Near the end the page still fills: the record moves down instead.
  ASSERT_EQ(add(205, "B"), 0);
  p.refillAt(table_->position(), table_->record());
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{170, 180, 190, 200, 205}));
  EXPECT_EQ(highlighted(p), 205);
}

TEST_F(BrowsePagerTest, DeletedHighlightedRecordGivesWayToTheNextOne) {
  addRows(8);
  BrowsePager p(*table_);
  p.setPageSize(3);
  p.top();
  p.down();  // 20
  ASSERT_EQ(table_->remove(), 0);
  p.refill();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{10, 30, 40}));
  EXPECT_EQ(highlighted(p), 30);

  p.bottom();  // the last record goes: the page keeps full and shows the new last one
  ASSERT_EQ(table_->remove(), 0);
  p.refill();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{50, 60, 70}));
  EXPECT_EQ(highlighted(p), 70);
}

TEST_F(BrowsePagerTest, RangeShowsOnlyItsRecordsAtBothEnds) {
  addRows(10);  // 10..50 in A, 60..100 in B
  BrowsePager p(*table_);
  std::string group = "A";
  auto byGroup = order("KEYGRUPA");
  byGroup.rangeComponents = 1;
  byGroup.primeRange = [&](Record& r) { r.setText(0, group); };
  p.setOrder(byGroup);
  p.setPageSize(3);
  p.bottom();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{30, 40, 50}));
  p.pageDown();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{30, 40, 50}));
  group = "B";  // the range follows its variable
  p.top();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{60, 70, 80}));
  p.pageUp();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{60, 70, 80}));
  group = "C";
  p.top();
  EXPECT_TRUE(p.empty());

  Record fresh(decl_);
  group = "B";
  p.primeRange(fresh);
  EXPECT_EQ(fresh.text(0), "B ");
}

TEST_F(BrowsePagerTest, FilterLeavesRecordsOut) {
  addRows(10);
  BrowsePager p(*table_);
  auto even = order("KEYBROJ");
  even.filter = [](const Record& r) { return r.integer(1) % 20 == 0; };
  p.setOrder(even);
  p.setPageSize(3);
  p.top();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{20, 40, 60}));
  p.pageDown();
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{60, 80, 100}));
}

TEST_F(BrowsePagerTest, LocateFindsTheFirstRecordNotLessThanTheProbe) {
  addRows(10);
  BrowsePager p(*table_);
  p.setPageSize(3);
  p.retainRow = false;
  p.top();
  Record probe(decl_);
  probe.setInteger(1, 45);
  p.locate(probe);
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{50, 60, 70}));
  EXPECT_EQ(highlighted(p), 50);
  probe.setInteger(1, 95);
  p.locate(probe);
  EXPECT_EQ(page(p), (std::vector<std::int64_t>{80, 90, 100}));
  EXPECT_EQ(highlighted(p), 100);
  probe.setInteger(1, 500);  // past the end: the last page
  p.locate(probe);
  EXPECT_EQ(highlighted(p), 100);
}

TEST_F(BrowsePagerTest, ThumbMapsItsPositionOntoTheKeyValues) {
  addRows(100);  // 10 .. 1000
  BrowsePager p(*table_);
  p.setPageSize(5);
  p.retainRow = false;
  p.thumbTo(0);
  EXPECT_EQ(highlighted(p), 10);
  p.thumbTo(100);
  EXPECT_EQ(highlighted(p), 1000);
  p.thumbTo(50);
  EXPECT_EQ(highlighted(p), 510);
  EXPECT_EQ(p.thumbPosition(), 50);
  EXPECT_EQ(table_->record().integer(1), 510);
}

TEST_F(BrowsePagerTest, ThumbOnATextKeyStepsThroughTheAlphabet) {
  table_->begin();
  for (int i = 0; i < 26; ++i) {
    Record& r = table_->record();
    r.clear();
    r.setText(0, std::string(1, char('A' + i)));
    r.setInteger(1, i + 1);
    ASSERT_EQ(table_->add(), 0);
  }
  table_->commit();
  BrowsePager p(*table_);
  p.setOrder(order("KEYGRUPA"));
  p.setPageSize(4);
  p.retainRow = false;
  p.thumbTo(50);
  const std::string middle = p.highlighted()->record.text(0);
  EXPECT_GT(middle, "J ");
  EXPECT_LT(middle, "R ");
  const int at = p.thumbPosition();
  EXPECT_GT(at, 40);
  EXPECT_LT(at, 60);
}

}  // namespace
}  // namespace obrazac
