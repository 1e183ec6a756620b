// The walker of a process: the records of one table in the order of one key, from the key values
// the caller puts into the cleared buffer, kept or skipped by the caller's filter, with the
// progress figures a progress window shows (records fetched, records expected, the whole-number
// percentage and its text "37% Complete").
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "data/table.h"
#include "frame/batch_pacer.h"

namespace obrazac {

// "37% Complete".
std::string percentText(int percent);

class RecordWalker final : public Walk {
 public:
  // What the filter makes of a record: walk it, pass over it, or end the walk before it.
  enum class Range { Take, Skip, End };
  using Start = std::function<void(Record&)>;
  using Filter = std::function<Range(const Record&)>;
  // Told the new percentage whenever its whole number changes.
  using PercentChanged = std::function<void(int percent)>;

  // The table must be open; it stays open.
  RecordWalker(Table& table, std::string_view key, Start start = {}, Filter filter = {});

  // Records expected when the caller knows better than the table's count (0: the table's count).
  void setRecordsToProcess(std::int64_t n) { preset_ = n; }
  void onPercentChanged(PercentChanged f) { percentChanged_ = std::move(f); }

  void reset() override;
  Fetch next() override;
  std::int64_t processed() const override { return processed_; }

  std::int64_t recordsToProcess() const { return toProcess_; }
  int percent() const override { return percent_; }
  // The store's code of the error that ended the walk (0: none).
  int error() const { return error_; }

 private:
  void count();

  Table& table_;
  int key_;
  Start start_;
  Filter filter_;
  PercentChanged percentChanged_;
  std::int64_t preset_ = 0;
  std::int64_t toProcess_ = 0;
  std::int64_t processed_ = 0;
  int percent_ = 0;
  int error_ = 0;
  bool ended_ = false;
};

}  // namespace obrazac
