// The keyed-table backend: one SQLite database per table file, walked by key with row values
// (never OFFSET) and read ahead in growing batches. A walk's read-ahead is dropped whenever this
// process writes the same file, so a context never reads back a row it already changed.
#pragma once

#include <sqlite3.h>

#include <atomic>
#include <map>
#include <memory>
#include <vector>

#include "data/keyed_schema.h"
#include "data/table.h"

namespace obrazac {

// Incremented on every write through this process to the file: a walk's read-ahead is valid only
// while the count stands. A file's counter lives as long as the process, so a table looks it up
// once when it opens and then reads and bumps it without a lock or a path lookup per record.
using FileGeneration = std::atomic<std::uint64_t>;
FileGeneration& fileGeneration(const std::filesystem::path& file);

class KeyedTable final : public Table {
 public:
  KeyedTable(const TableDecl& decl, std::filesystem::path file);
  ~KeyedTable() override;

  using Table::get;
  using Table::set;
  using Table::setLast;

  bool isOpen() const override { return db_ != nullptr; }
  int open(AccessMode mode = AccessMode::DenyNone) override;
  void close() override;
  int create() override;
  int empty() override;

  int set(int keyIndex) override;
  int setLast(int keyIndex) override;
  int setPhysical() override;
  int setAt(int keyIndex, Position p) override;
  int setLastOf(int keyIndex, int components) override;
  int next() override { return step(true); }
  int previous() override { return step(false); }
  int get(int keyIndex) override;
  int reget(Position p) override;
  bool keyValueExists(int keyIndex, const Record& probe, Position except) override;

  int add() override;
  int append() override;
  int build() override;
  int put() override;
  int remove() override;
  std::int64_t records() override;
  int send(std::string_view option) override;

  int begin() override;
  int commit() override;
  int rollback() override;

  std::string driverError() const override { return driverError_; }
  const KeyedSchema& schema() const { return schema_; }

 private:
  struct Row {
    std::int64_t rowid = 0;
    std::int64_t version = 0;
    std::string key;
    Record record;
  };
  enum class Place { BeforeFirst, AfterLast, AtRow };
  struct KeyStatements {
    sql::Statement forward, backward, backwardAll, equal, equalOther, ofRow;
  };

  int sqliteError(int rc);
  int ensureSchema();
  int createSchema();
  int adoptRowNumber();
  std::string bareTableName() const;
  template <class Work>
  int inTransaction(Work work);  // work() in its own transaction, undone unless it succeeds
  void tookRow();
  int step(bool forward);
  int fill(bool forward);
  void takeRow(const sql::Statement& s, int walkKey, Row& row);  // walkKey -1: no key column
  void becomeCurrent(Row& row);                                  // uses the row up
  int readOne(sql::Statement& s, int walkKey);
  void wrote();
  void dropReadAhead() {
    aheadCount_ = aheadNext_ = 0;
  }  // another change to this file by this process: read-ahead is stale
  KeyStatements& keyStatements(int key);
  // The statement in `slot`, prepared from makeSql() the first time only.
  template <class MakeSql>
  sql::Statement& cached(std::unique_ptr<sql::Statement>& slot, MakeSql makeSql);
  int writeRecord(sql::Statement& s);
  int startBulk();
  int finishBulk(bool keep);

  KeyedSchema schema_;
  sqlite3* db_ = nullptr;
  ShareLock lock_;
  std::string driverError_;

  // Walk state: the order (-1 insertion order), where it stands and the read-ahead.
  int walkKey_ = -1;
  Place place_ = Place::BeforeFirst;
  std::string placeKey_;
  std::int64_t placeRow_ = 0;
  std::vector<Row> ahead_;
  std::size_t aheadCount_ = 0;
  std::size_t aheadNext_ = 0;
  bool aheadForward_ = true;
  FileGeneration* generation_ = nullptr;  // this file's write count, from open on
  std::uint64_t aheadGeneration_ = 0;
  std::int64_t batch_ = 8;
  std::int64_t maxBatch_ = 512;

  std::int64_t currentVersion_ = 0;
  bool watched_ = false;
  enum class Txn { None, User, Bulk } txn_ = Txn::None;
  bool bulk_ = false;

  std::map<int, KeyStatements> keyStatements_;
  std::vector<std::string> parameterValues_;  // bound in place by writes, see bindRecord
  std::unique_ptr<sql::Statement> insert_, update_, updateWatched_, delete_, byRow_, physFwd_,
      physBwd_, count_;
};

}  // namespace obrazac
