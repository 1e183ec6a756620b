#include "frame/batch_pacer.h"

#include <chrono>

namespace obrazac {

namespace {
constexpr int kLargestBatch = 1 << 30;
}

TickClock steadyTickClock() {
  return [] {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() / 10;
  };
}

ProcessRun::ProcessRun(Walk& walk, TakeRecord take, TickClock clock, int timeSlice)
    : walk_(walk), take_(std::move(take)), clock_(std::move(clock)), timeSlice_(timeSlice) {}

ProcessState ProcessRun::open() {
  walk_.reset();
  recordsPerCycle_ = 1;
  state_ = ProcessState::Running;
  if (walk_.next() != Fetch::Record) state_ = ProcessState::NothingToProcess;
  return state_;
}

void ProcessRun::cancel() {
  if (state_ == ProcessState::Running) state_ = ProcessState::Cancelled;
}

bool ProcessRun::fetch() {
  switch (walk_.next()) {
    case Fetch::Record:
      return true;
    case Fetch::Done:
      state_ = walk_.processed() ? ProcessState::Completed : ProcessState::Cancelled;
      return false;
    case Fetch::Error:
      state_ = ProcessState::Cancelled;
      return false;
  }
  return false;
}

// The batch grows while a tick is fast and shrinks when it runs long; the records of the tick
// count from its start, so a doubled batch size applies at once.
ProcessState ProcessRun::tick() {
  if (state_ != ProcessState::Running) return state_;
  const std::int64_t startCount = walk_.processed();
  const std::int64_t start = clock_();
  for (;;) {
    while (walk_.processed() - startCount < recordsPerCycle_) {
      switch (take_ ? take_() : Take::Carry) {
        case Take::Stop:
          state_ = ProcessState::Cancelled;
          return state_;
        case Take::EndTick:
          return state_;
        case Take::Carry:
          break;
      }
      if (!fetch()) return state_;
    }
    const std::int64_t t = clock_() - start;
    if (5 * t < 4 * timeSlice_ && recordsPerCycle_ < kLargestBatch) recordsPerCycle_ *= 2;
    if (2 * t < timeSlice_) continue;
    if (2 * t > 3 * timeSlice_ && recordsPerCycle_ > 1) recordsPerCycle_ /= 2;
    return state_;
  }
}

}  // namespace obrazac
