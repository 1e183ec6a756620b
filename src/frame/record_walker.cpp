#include "frame/record_walker.h"

#include <algorithm>

#include "data/store_error.h"

namespace obrazac {

std::string percentText(int percent) {
  return std::to_string(percent) + "% Complete";
}

RecordWalker::RecordWalker(Table& table, std::string_view key, Start start, Filter filter)
    : table_(table),
      key_(table.decl().keyIndex(key)),
      start_(std::move(start)),
      filter_(std::move(filter)) {}

void RecordWalker::reset() {
  processed_ = 0;
  percent_ = 0;
  ended_ = false;
  toProcess_ = preset_ ? preset_ : table_.records();
  table_.clear();
  if (start_) start_(table_.record());
  error_ = table_.set(key_);
}

Fetch RecordWalker::next() {
  if (error_) return Fetch::Error;
  if (ended_) return Fetch::Done;
  for (;;) {
    if (table_.next() != 0) {
      if (table_.error() != err::kRecordNotAvailable) {
        error_ = table_.error();
        return Fetch::Error;
      }
      ended_ = true;
      return Fetch::Done;
    }
    const Range r = filter_ ? filter_(table_.record()) : Range::Take;
    if (r == Range::Skip) continue;
    if (r == Range::End) {
      ended_ = true;
      return Fetch::Done;
    }
    break;
  }
  ++processed_;
  count();
  return Fetch::Record;
}

// The percentage of the records expected; a walk longer than expected stays at 100.
void RecordWalker::count() {
  if (toProcess_ <= 0) return;
  const int p = static_cast<int>(std::min<std::int64_t>(100, processed_ * 100 / toProcess_));
  if (p == percent_) return;
  percent_ = p;
  if (percentChanged_) percentChanged_(p);
}

}  // namespace obrazac
