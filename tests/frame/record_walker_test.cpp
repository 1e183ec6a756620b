#include "frame/record_walker.h"

#include <gtest/gtest.h>

#include "data/dictionary_builders.h"
#include "data/keyed_table.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

using namespace decl;

TableDecl numberedTable() {
  TableDecl t;
  t.file = "TBHODA.DAT";
  t.prefix = "HOD";
  t.fields = {str("GRUPA", 2), longInt("BROJ")};
  t.keys = {key("KEYGRUPA", {"GRUPA", "BROJ"}, kPrimary)};
  return t;
}

class RecordWalkerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table_ = std::make_unique<KeyedTable>(decl_, dir_ / "TBHODA.DAT");
    ASSERT_EQ(table_->open(), 0);
    table_->begin();
    for (int i = 1; i <= 200; ++i) {
      table_->record().clear();
      table_->record().setText(0, i <= 50 ? "A" : "B");
      table_->record().setInteger(1, i);
      ASSERT_EQ(table_->add(), 0);
    }
    table_->commit();
  }

  testing::TempDir dir_;
  TableDecl decl_ = numberedTable();
  std::unique_ptr<KeyedTable> table_;
};

TEST_F(RecordWalkerTest, WalksTheTableAndTellsEachNewPercentage) {
  RecordWalker walker(*table_, "KEYGRUPA");
  std::vector<int> told;
  walker.onPercentChanged([&](int p) { told.push_back(p); });
  walker.reset();
  EXPECT_EQ(walker.recordsToProcess(), 200);
  int walked = 0;
  while (walker.next() == Fetch::Record) ++walked;
  EXPECT_EQ(walked, 200);
  EXPECT_EQ(walker.processed(), 200);
  ASSERT_EQ(told.size(), 100u);  // every whole number once, rewritten only when it changes
  EXPECT_EQ(told.front(), 1);
  EXPECT_EQ(told.back(), 100);
  EXPECT_EQ(percentText(37), "37% Complete");
}

TEST_F(RecordWalkerTest, StartsAtTheCallersKeyAndEndsWhereTheFilterSays) {
  RecordWalker walker(
      *table_, "KEYGRUPA", [](Record& r) { r.setText(0, "B"); },
      [](const Record& r) {
        if (r.integer(1) > 150) return RecordWalker::Range::End;
        return r.integer(1) % 2 ? RecordWalker::Range::Skip : RecordWalker::Range::Take;
      });
  walker.setRecordsToProcess(50);
  walker.reset();
  std::vector<std::int64_t> numbers;
  while (walker.next() == Fetch::Record) numbers.push_back(table_->record().integer(1));
  ASSERT_EQ(numbers.size(), 50u);
  EXPECT_EQ(numbers.front(), 52);
  EXPECT_EQ(numbers.back(), 150);
  EXPECT_EQ(walker.percent(), 100);
  EXPECT_EQ(walker.next(), Fetch::Done);  // and stays done
}

TEST_F(RecordWalkerTest, ClosedTableIsAnErrorOfTheWalk) {
  table_->close();
  RecordWalker walker(*table_, "KEYGRUPA");
  walker.reset();
  EXPECT_EQ(walker.next(), Fetch::Error);
  EXPECT_NE(walker.error(), 0);
}

}  // namespace
}  // namespace obrazac
