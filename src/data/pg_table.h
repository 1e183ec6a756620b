// The keyed-table backend on a PostgreSQL server: one SQL table per table file in the database
// of the installation's store, laid out as on SQLite (keyed_schema.h: the same key encodings in
// indexed BYTEA columns, so orders and Croatian collation are the same) and walked the same way,
// by row values in batches of growing size. Every statement is prepared once per connection with
// its values bound as parameters.
//
// The tables of one context share its connection and so its transaction (begin on one table
// begins it for all). Sharing modes across stations are advisory locks of the session on the
// table's name: an open that conflicts with another station's is refused at once (error 5), and
// a station that goes away releases its locks with its session. A role that may read a table but
// not write it gets error 5 on a writing open, so the caller falls back to a read-only open.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "data/keyed_schema.h"
#include "data/keyed_table.h"
#include "data/pg_connection.h"
#include "data/table.h"

namespace obrazac {

class Context;

class PgTable final : public Table {
 public:
  PgTable(const TableDecl& decl, std::filesystem::path file, Context& context);
  ~PgTable() override;

  using Table::get;
  using Table::set;
  using Table::setLast;

  bool isOpen() const override { return conn_ != nullptr; }
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

 private:
  struct Row {
    std::int64_t rowid = 0;
    std::int64_t version = 0;
    std::string key;
    Record record;
  };
  enum class Place { BeforeFirst, AfterLast, AtRow };
  struct KeyStatements {
    pg::Statement forward, backward, backwardAll, equal, equalOther, ofRow;
  };

  int serverError(int code, const std::string& driverError);
  int failed(const pg::Statement& s, int code) { return serverError(code, s.driverError()); }
  int ensureSchema(AccessMode mode);
  int tableColumns(std::vector<std::string>& columns);
  int createSchema();
  int mayUse(AccessMode mode);
  int lockSharing(AccessMode mode);
  void unlockSharing();
  int advisoryLock(const char* function, int which);
  bool validKey(int keyIndex) const {
    return keyIndex >= 0 && keyIndex < static_cast<int>(schema_.keys.size());
  }
  KeyStatements& keyStatements(int key);
  pg::Statement& cached(std::unique_ptr<pg::Statement>& slot, const std::string& text);
  int step(bool forward);
  int fill(bool forward);
  void takeRow(const pg::Statement& s, int walkKey, Row& row);
  void becomeCurrent(Row& row);
  int readOne(pg::Statement& s, int walkKey);
  void wrote();
  void dropReadAhead() { aheadCount_ = aheadNext_ = 0; }
  int insertRecord(bool& inserted);
  int finishBulk(bool keep);

  Context& context_;
  KeyedSchema schema_;
  pg::Connection* conn_ = nullptr;  // the context's, while open
  AccessMode mode_ = AccessMode::DenyNone;
  std::string driverError_;

  int walkKey_ = -1;
  Place place_ = Place::BeforeFirst;
  std::string placeKey_;
  std::int64_t placeRow_ = 0;
  std::vector<Row> ahead_;
  std::size_t aheadCount_ = 0;
  std::size_t aheadNext_ = 0;
  bool aheadForward_ = true;
  FileGeneration* generation_ = nullptr;
  std::uint64_t aheadGeneration_ = 0;
  std::int64_t batch_ = 8;
  std::int64_t maxBatch_ = 512;

  std::int64_t currentVersion_ = 0;
  bool watched_ = false;
  enum class Txn { None, User, Bulk } txn_ = Txn::None;
  bool bulk_ = false;
  bool bulkDuplicate_ = false;  // an append met a unique key's value: the build undoes the load

  std::map<int, KeyStatements> keyStatements_;
  std::unique_ptr<pg::Statement> insert_, update_, updateWatched_, delete_, byRow_, physFwd_,
      physBwd_, count_;
};

}  // namespace obrazac
