// A walk over a number of things already in memory (the lines of a summary, the rows of a list
// read beforehand), for a report procedure whose pages are built from them.
#pragma once

#include <cstdint>

#include "frame/batch_pacer.h"

namespace obrazac {

class CountWalk final : public Walk {
 public:
  explicit CountWalk(std::int64_t count) : count_(count) {}
  void reset() override { done_ = 0; }
  Fetch next() override {
    if (done_ >= count_) return Fetch::Done;
    ++done_;
    return Fetch::Record;
  }
  std::int64_t processed() const override { return done_; }
  int percent() const override { return count_ ? static_cast<int>(done_ * 100 / count_) : 0; }

 private:
  std::int64_t count_;
  std::int64_t done_ = 0;
};

}  // namespace obrazac
