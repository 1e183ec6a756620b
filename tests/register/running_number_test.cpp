#include "register/running_number.h"

#include <gtest/gtest.h>

#include "data/context.h"
#include "support/temp_dir.h"

namespace obrazac {
namespace {

TEST(RunningNumber, OnePastTheHighestAndTheBufferKept) {
  testing::TempDir dir;
  Context ctx(dir.path());
  Table& pos = ctx.table("POS");
  ASSERT_EQ(pos.open(), 0);
  EXPECT_EQ(nextRunningNumber(pos), 1);

  Record& r = pos.record();
  for (int number : {3, 12, 7}) {
    r.clear();
    r.setInteger(r.index("REDBROJ"), number);
    r.setText(r.index("NAZIV"), "obveznik " + std::to_string(number));
    ASSERT_EQ(pos.add(), 0);
  }
  r.clear();
  r.setInteger(r.index("REDBROJ"), 7);
  ASSERT_EQ(pos.get("KEYREDBROJ"), 0);
  r.setText(r.index("NAZIV"), "upisuje se");
  const Record typed = r;
  const Position at = pos.position();

  EXPECT_EQ(nextRunningNumber(pos), 13);
  EXPECT_TRUE(pos.record() == typed);
  EXPECT_EQ(pos.position(), at);
}

}  // namespace
}  // namespace obrazac
