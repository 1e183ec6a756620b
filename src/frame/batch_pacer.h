// The pace of a process: one timer tick walks a batch of records, and the batch size adapts to
// the speed of the walk so that a tick lasts between about half and one and a half time slices
// whatever one record costs, and the window answers its Cancel button between ticks. The clock
// is injected (hundredths of a second), so the rule can be followed with a fake one.
#pragma once

#include <cstdint>
#include <functional>

namespace obrazac {

// Hundredths of a second from any fixed origin.
using TickClock = std::function<std::int64_t()>;

// A clock of the running program.
TickClock steadyTickClock();

// What the walk gives when asked for the next record.
enum class Fetch { Record, Done, Error };
// What the procedure's own work on a fetched record says: carry on, end this tick, stop.
enum class Take { Carry, EndTick, Stop };

// What feeds a process: the records of a view, or anything counted like them.
class Walk {
 public:
  virtual ~Walk() = default;
  // Back to before the first record; progress back to 0.
  virtual void reset() = 0;
  virtual Fetch next() = 0;
  // Records fetched since the last reset.
  virtual std::int64_t processed() const = 0;
  // Progress 0..100 (a walk that cannot tell stays at 0).
  virtual int percent() const { return 0; }
};

enum class ProcessState { Running, Completed, Cancelled, NothingToProcess };

// One process over a walk: opened once (the first record fetched), then ticked until it is no
// longer Running. Completed needs at least one record walked to its end; an error of the walk,
// a Stop of the work or cancel() end it Cancelled.
class ProcessRun {
 public:
  using TakeRecord = std::function<Take()>;

  ProcessRun(Walk& walk, TakeRecord take, TickClock clock, int timeSlice = 100);

  ProcessState open();
  ProcessState tick();
  void cancel();

  ProcessState state() const { return state_; }
  int recordsPerCycle() const { return recordsPerCycle_; }
  int timeSlice() const { return timeSlice_; }

 private:
  // Fetches the next record; ends the process when there is none.
  bool fetch();

  Walk& walk_;
  TakeRecord take_;
  TickClock clock_;
  int timeSlice_;
  int recordsPerCycle_ = 1;
  ProcessState state_ = ProcessState::Running;
};

}  // namespace obrazac
