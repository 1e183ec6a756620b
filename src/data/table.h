// One declared table as one context sees it: its record buffer, open state, current record and
// walk position, and the error code of its last operation (0 = success, else a store error with
// its text). Two backends serve this contract: keyed tables on SQLite and text-file tables.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/record.h"
#include "data/share_lock.h"
#include "data/store_error.h"

namespace obrazac {

// A saved place of a record, to read it again later.
struct Position {
  std::int64_t row = 0;  // 0: none
  bool operator==(const Position&) const = default;
};

class Table {
 public:
  explicit Table(const TableDecl& decl, std::filesystem::path file)
      : decl_(decl), file_(std::move(file)), record_(decl) {}
  virtual ~Table() = default;
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  const TableDecl& decl() const { return decl_; }
  const std::filesystem::path& file() const { return file_; }
  Record& record() { return record_; }
  const Record& record() const { return record_; }

  int error() const { return error_; }
  std::string_view errorText() const { return storeErrorText(error_); }
  // The storage driver's own message behind the last failure (code 90 and its kin); empty
  // where the backend has none.
  virtual std::string driverError() const { return {}; }

  virtual bool isOpen() const = 0;
  virtual int open(AccessMode mode = AccessMode::DenyNone) = 0;
  virtual void close() = 0;
  virtual int create() = 0;
  virtual int empty() = 0;
  void clear() { record_.clear(); }

  // Walks: set positions before the first record (of a key whose components are not less than
  // the buffer's, or in insertion order); setLast after the last one of a key.
  virtual int set(int keyIndex) = 0;
  virtual int setLast(int keyIndex) = 0;
  virtual int setPhysical() = 0;
  // A walk of a key standing at a saved record, so next() reads the record after it and
  // previous() the one before (a list pages on from its first or last row this way); 35 when
  // the record is gone or left out of the key. The buffer is not touched.
  virtual int setAt(int keyIndex, Position p) {
    (void)keyIndex, (void)p;
    return fail(err::kUnsupportedFunction);
  }
  // A walk of a key standing after the last record whose first `components` key components
  // equal the buffer's: previous() then reads the end of a range.
  virtual int setLastOf(int keyIndex, int components) {
    (void)keyIndex, (void)components;
    return fail(err::kUnsupportedFunction);
  }
  virtual int next() = 0;
  virtual int previous() = 0;
  virtual int get(int keyIndex) = 0;
  int set(std::string_view key) { return set(decl_.keyIndex(key)); }
  int setLast(std::string_view key) { return setLast(decl_.keyIndex(key)); }
  int get(std::string_view key) { return get(decl_.keyIndex(key)); }

  // Whether another record than `except` has the probe's value in that key; touches neither
  // the buffer nor the position (used to name the key a duplicate collides on).
  virtual bool keyValueExists(int keyIndex, const Record& probe, Position except) = 0;

  Position position() const { return current_; }
  virtual int reget(Position p) = 0;

  virtual int add() = 0;
  virtual int append() = 0;
  virtual int build() = 0;
  virtual int put() = 0;
  virtual int remove() = 0;  // the store's delete of the current record
  void watch() { watchNext_ = true; }
  virtual std::int64_t records() = 0;
  virtual int send(std::string_view option) = 0;

  // Groups the writes of a run into one transaction on this table's file (80 where unsupported).
  virtual int begin() = 0;
  virtual int commit() = 0;
  virtual int rollback() = 0;

 protected:
  int fail(int code) { return error_ = code; }
  int ok() { return error_ = err::kOk; }

  const TableDecl& decl_;
  std::filesystem::path file_;
  Record record_;
  int error_ = 0;
  Position current_;
  bool watchNext_ = false;
};

}  // namespace obrazac
