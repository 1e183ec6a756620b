#include "frame/batch_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace obrazac {
namespace {

// A walk of `count` records, each of which moves the fake clock on by `cost` hundredths.
class TimedWalk final : public Walk {
 public:
  TimedWalk(std::int64_t count, std::int64_t cost, std::int64_t& now)
      : count_(count), cost_(cost), now_(now) {}
  void reset() override { processed_ = 0; }
  Fetch next() override {
    if (failAt_ && processed_ + 1 == failAt_) return Fetch::Error;
    if (processed_ == count_) return Fetch::Done;
    ++processed_;
    now_ += cost_;
    return Fetch::Record;
  }
  std::int64_t processed() const override { return processed_; }
  std::int64_t failAt_ = 0;

 private:
  std::int64_t count_, cost_, processed_ = 0;
  std::int64_t& now_;
};

// Each size as many times as it is given.
std::vector<int> repeated(std::initializer_list<std::pair<int, int>> runs) {
  std::vector<int> v;
  for (const auto& [size, times] : runs) v.insert(v.end(), static_cast<std::size_t>(times), size);
  return v;
}

struct Paced {
  std::int64_t now = 0;
  std::vector<int> batchSizes;  // the batch size as each record is taken
};

TEST(ProcessRunTest, BatchSizeFollowsTheSpeedOfTheRecords) {
  const struct {
    const char* name;
    std::int64_t records, cost;
    std::vector<int> firstTick;  // batch sizes seen by the records of the first tick
    int afterFirstTick;
  } cases[] = {
      // Fast records (2 hundredths each): the batch doubles after every batch while the tick
      // has run under half the slice, and the doubled size counts from the tick's start.
      {"fast", 100, 2, repeated({{1, 1}, {2, 1}, {4, 2}, {8, 4}, {16, 8}, {32, 16}}), 64},
      // One record takes more than one and a half slices: the batch stays 1.
      {"slow", 5, 160, {1}, 1},
      // A record of 0.9 slices: neither doubled nor halved.
      {"steady", 5, 90, {1}, 1},
  };
  for (const auto& c : cases) {
    Paced p;
    TimedWalk walk(c.records, c.cost, p.now);
    ProcessRun* self = nullptr;
    ProcessRun run(
        walk,
        [&] {
          p.batchSizes.push_back(self->recordsPerCycle());
          return Take::Carry;
        },
        [&] { return p.now; });
    self = &run;
    ASSERT_EQ(run.open(), ProcessState::Running) << c.name;
    EXPECT_EQ(run.tick(), ProcessState::Running) << c.name;
    EXPECT_EQ(p.batchSizes, c.firstTick) << c.name;
    EXPECT_EQ(run.recordsPerCycle(), c.afterFirstTick) << c.name;
  }
}

TEST(ProcessRunTest, LongTicksHalveTheBatch) {
  std::int64_t now = 0;
  TimedWalk walk(1000, 1, now);
  int taken = 0;
  // Records get slower after the first tick: 8 hundredths each.
  std::int64_t cost = 1;
  ProcessRun run(
      walk,
      [&] {
        ++taken;
        now += cost - 1;
        return Take::Carry;
      },
      [&] { return now; });
  ASSERT_EQ(run.open(), ProcessState::Running);
  run.tick();
  const int fast = run.recordsPerCycle();
  ASSERT_GE(fast, 64);
  cost = 8;  // a batch of 64 or more now runs far past 1.5 slices
  run.tick();
  EXPECT_EQ(run.recordsPerCycle(), fast / 2);
}

TEST(ProcessRunTest, HowAProcessEnds) {
  const struct {
    const char* name;
    std::int64_t records;
    std::int64_t failAt;
    Take take;
    bool cancel;
    ProcessState open, end;
  } cases[] = {
      {"nothing", 0, 0, Take::Carry, false, ProcessState::NothingToProcess,
       ProcessState::NothingToProcess},
      {"walked to the end", 7, 0, Take::Carry, false, ProcessState::Running,
       ProcessState::Completed},
      {"walk error", 7, 4, Take::Carry, false, ProcessState::Running, ProcessState::Cancelled},
      {"work stops", 7, 0, Take::Stop, false, ProcessState::Running, ProcessState::Cancelled},
      {"cancelled", 7, 0, Take::EndTick, true, ProcessState::Running, ProcessState::Cancelled},
  };
  for (const auto& c : cases) {
    std::int64_t now = 0;
    TimedWalk walk(c.records, 0, now);
    walk.failAt_ = c.failAt;
    ProcessRun run(
        walk, [&] { return c.take; }, [&] { return now; });
    EXPECT_EQ(run.open(), c.open) << c.name;
    if (c.cancel) {
      run.tick();
      run.cancel();
    }
    for (int i = 0; i < 20 && run.state() == ProcessState::Running; ++i) run.tick();
    EXPECT_EQ(run.state(), c.end) << c.name;
  }
}

}  // namespace
}  // namespace obrazac
