// The rows a list shows: at most one page of a table's records in the order of a key, within an
// optional range on the key's leading components and an optional filter. It reads the table
// store from the rows it holds (a walk standing at its first or last row), never counting or
// skipping records, so a list over a million records opens and pages at once. The table's
// record buffer belongs to the thread: after every move it holds the highlighted record, or is
// cleared when the page is empty. A store error other than the end of the view stops the move
// and is kept in error().
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "data/table.h"

namespace obrazac {

class BrowsePager {
 public:
  struct Row {
    Position position;
    Record record;
  };

  // The active sort order: a key, the leading components a range fixes to the values that
  // primeRange puts into a record, and a filter.
  struct Order {
    int key = 0;
    int rangeComponents = 0;
    std::function<void(Record&)> primeRange;
    std::function<bool(const Record&)> filter;
  };

  explicit BrowsePager(Table& table);

  Table& table() { return table_; }
  const Table& table() const { return table_; }
  void setOrder(Order order);
  const Order& order() const { return order_; }
  // The key component a locator or the thumb sets: the first one after the range.
  int freeComponent() const { return order_.rangeComponents; }
  int freeField() const;  // its field index in the record, -1 when the range fixes every one

  void setPageSize(int rows);
  int pageSize() const { return pageSize_; }
  // Keep the highlighted row on the same line when the page is refilled.
  bool retainRow = true;

  const std::deque<Row>& rows() const { return rows_; }
  bool empty() const { return rows_.empty(); }
  int current() const { return current_; }  // -1 when the page is empty
  const Row* highlighted() const;
  void setCurrent(int row);
  int error() const { return error_; }

  // Moves. Running into either end of the view just stops.
  void top();
  void bottom();
  void down();
  void up();
  void pageDown();
  void pageUp();
  // Refills the page around the highlighted row; a highlighted record that is gone gives way
  // to the record that follows it. An empty page fills from the top.
  void refill();
  // Refills around the record at a position (a form has just saved it), falling back to the
  // first record not less than `values` when it cannot be read there any more.
  void refillAt(Position position, const Record& values);
  // Refills from the first record whose key is not less than the key values of the probe;
  // past the last record the last page shows.
  void locate(const Record& probe);

  // The scroll thumb from 0 to 100: near the ends it shows the first or last page, in between
  // it locates the value of the free key component that lies that far between the lowest and
  // the highest record of the view; thumbPosition() says where the highlighted record lies.
  void thumbTo(int percent);
  int thumbPosition();

  // Whether a record lies in the active range (its leading key components match).
  bool inRange(const Record& r) const;
  // Puts the range values into a cleared record (the range fields of a new record).
  void primeRange(Record& r) const;

 private:
  struct Anchor {
    Position position;
    std::optional<Record> values;
  };

  void beginMove();
  void settle();
  bool readOne(bool forward);
  void standAtStart();
  void standAtEnd();
  void standAfter(const Row& row);
  int fill(bool forward, int count);
  bool holds(Position p) const;
  void refillFrom(const Anchor& anchor);
  std::optional<Record> edgeRecord(bool last);
  bool edges();

  Table& table_;
  Order order_;
  std::vector<int> keyFields_;
  bool keyNoCase_ = false;
  int pageSize_ = 1;
  std::deque<Row> rows_;
  int current_ = -1;
  int error_ = 0;
  Record rangeProbe_;
  // The first and last record of the view, kept for the thumb until the file is written.
  std::optional<Record> low_, high_;
  std::optional<Record> edgesRange_;
  std::uint64_t edgesGeneration_ = 0;
  int edgesKey_ = -1;
};

}  // namespace obrazac
