#include "prints/table_scan.h"

namespace obrazac::prints {
namespace {

// Keeps a table open for the length of one read and closes it when this read opened it.
class ReadingTable {
 public:
  explicit ReadingTable(Table& t) : table_(t), opened_(!t.isOpen()) {
    if (opened_) error_ = t.open(AccessMode::ReadOnly);
  }
  ~ReadingTable() {
    if (opened_ && error_ == 0) table_.close();
  }
  ReadingTable(const ReadingTable&) = delete;
  ReadingTable& operator=(const ReadingTable&) = delete;
  int error() const { return error_; }

 private:
  Table& table_;
  bool opened_;
  int error_ = 0;
};

}  // namespace

int scanTable(Context& ctx, std::string_view prefix, std::string_view key,
              const std::function<bool(const Record&)>& visit,
              const std::function<void(Record&)>& start) {
  Table& t = ctx.table(prefix);
  const ReadingTable reading(t);
  if (reading.error()) return reading.error();
  t.clear();
  if (start) start(t.record());
  if (const int rc = t.set(key)) return rc;
  while (t.next() == 0)
    if (!visit(t.record())) return 0;
  return t.error() == err::kRecordNotAvailable ? 0 : t.error();
}

int readByKey(Context& ctx, std::string_view prefix, std::string_view key,
              const std::function<void(Record&)>& fill) {
  Table& t = ctx.table(prefix);
  const ReadingTable reading(t);
  if (reading.error()) return reading.error();
  t.clear();
  fill(t.record());
  return t.get(key);
}

}  // namespace obrazac::prints
