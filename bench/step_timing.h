// Wall-clock and processor time of one measured step of a benchmark that compares the program
// with raw SQLite. Processor time (this process's user and system time) hardly moves when other
// programs share the machine; wall time includes the waits for the disk. Each step starts with
// nothing left for the disk to write from the step before, so neither pays for the other's
// writes.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string_view>

namespace obrazac::bench {

struct Timing {
  double wall = 0;
  double cpu = 0;
};

inline double processorSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

inline Timing measure(const std::function<void()>& step) {
  ::sync();
  const auto wallStart = std::chrono::steady_clock::now();
  const double cpuStart = processorSeconds();
  step();
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count(),
          processorSeconds() - cpuStart};
}

// The best wall and the best processor time of two measurements of one step.
inline Timing best(const Timing& a, const Timing& b) {
  return {std::min(a.wall, b.wall), std::min(a.cpu, b.cpu)};
}

// Reads a count option "--name=N" (N at least 1) into value; false when arg is not that option
// or N is not a count.
inline bool countOption(std::string_view arg, std::string_view name, std::int64_t& value) {
  if (arg.substr(0, name.size()) != name) return false;
  arg.remove_prefix(name.size());
  const auto* end = arg.data() + arg.size();
  return std::from_chars(arg.data(), end, value).ptr == end && value >= 1;
}

}  // namespace obrazac::bench
