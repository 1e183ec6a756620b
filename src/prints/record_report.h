// A list report made one record at a time: the records of one table in the order of one key,
// from the first key values `start` puts into the cleared buffer while `inRange` holds, each
// laid out as its band as it comes. Whoever walks the table hands the records over: a window's
// paced walk (so its Cancel is answered between batches and no second pass reads the table
// again), or buildReport at once (the command line, the tests).
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "data/context.h"
#include "prints/band_layout.h"

namespace obrazac::prints {

class RecordReport {
 public:
  using Start = std::function<void(Record&)>;
  using InRange = std::function<bool(const Record&)>;
  using AddBand = std::function<void(BandLayout&, const Record&)>;

  RecordReport(std::string_view prefix, std::string_view key, BandLayout::Frame frame, AddBand band,
               Start start = {}, InRange inRange = {})
      : prefix_(prefix),
        key_(key),
        layout_(std::move(frame)),
        band_(std::move(band)),
        start_(std::move(start)),
        inRange_(std::move(inRange)) {}

  std::string_view prefix() const { return prefix_; }
  std::string_view key() const { return key_; }
  void start(Record& r) const {
    if (start_) start_(r);
  }
  bool inRange(const Record& r) const { return !inRange_ || inRange_(r); }
  // Lays out the band of one record in range.
  void add(const Record& r) { band_(layout_, r); }
  // The pages laid out so far; none when no record was added.
  Pages finish() { return layout_.finish(); }

 private:
  std::string_view prefix_, key_;
  BandLayout layout_;
  AddBand band_;
  Start start_;
  InRange inRange_;
};

// Walks the report's table in one go and returns its pages.
Pages buildReport(Context& ctx, RecordReport& report);

}  // namespace obrazac::prints
