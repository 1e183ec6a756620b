#include "data/pg_table.h"

#include <algorithm>

#include "data/context.h"

namespace obrazac {
namespace {

constexpr int kFirstField = 3;  // _row, _version, walk key, then the fields
// The two advisory locks of a table's sharing mode, as ShareLock's two bytes: holding an access
// is a shared lock, denying it to others an exclusive one.
constexpr int kReadAccess = 0;
constexpr int kWriteAccess = 1;

bool denies(AccessMode mode, int access) {
  return mode == AccessMode::DenyAll || (access == kWriteAccess && mode == AccessMode::DenyWrite);
}

// The key of this table's read-ahead generation: the server's database and the table, so every
// context of the process on these tables sees the others' writes.
std::filesystem::path generationName(const Context& ctx, const KeyedSchema& schema) {
  return std::filesystem::path("/postgresql") / pg::withoutPassword(ctx.store().uri) / schema.table;
}

}  // namespace

PgTable::PgTable(const TableDecl& decl, std::filesystem::path file, Context& context)
    : Table(decl, std::move(file)), context_(context), schema_(decl, SqlDialect::Postgres) {}

PgTable::~PgTable() {
  close();
}

int PgTable::serverError(int code, const std::string& driverError) {
  driverError_ = driverError;
  return fail(code);
}

int PgTable::open(AccessMode mode) {
  if (conn_) return fail(err::kFileAlreadyOpen);
  std::string why;
  conn_ = context_.server(why);
  if (!conn_) return serverError(err::kFileSystemError, why);
  int rc = ensureSchema(mode);
  if (rc == err::kOk) rc = mayUse(mode);
  if (rc == err::kOk) rc = lockSharing(mode);
  if (rc != err::kOk) {
    conn_ = nullptr;
    return fail(rc);
  }
  mode_ = mode;
  generation_ = &fileGeneration(generationName(context_, schema_));
  walkKey_ = -1;
  place_ = Place::BeforeFirst;
  current_ = {};
  dropReadAhead();
  return ok();
}

int PgTable::tableColumns(std::vector<std::string>& columns) {
  pg::Statement s(*conn_,
                  "SELECT column_name::text FROM information_schema.columns "
                  "WHERE table_schema = current_schema() AND table_name = $1");
  s.bindText(1, schema_.table.substr(1, schema_.table.size() - 2));
  if (const int rc = s.execute()) return failed(s, rc);
  while (s.nextRow()) columns.emplace_back(s.text(0));
  return err::kOk;
}

// Creates the table and its key indexes when the database lacks it; checks the columns of one
// that is there.
int PgTable::ensureSchema(AccessMode mode) {
  std::vector<std::string> columns;
  if (const int rc = tableColumns(columns)) return rc;
  if (columns.empty()) {
    if (!decl_.create || mode == AccessMode::ReadOnly) return err::kFileNotFound;
    if (const int rc = createSchema()) {
      // Another station may have made it at the same moment.
      if (tableColumns(columns) != err::kOk || columns.empty()) return rc;
    }
    return err::kOk;
  }
  for (const auto& f : decl_.fields)
    if (std::find(columns.begin(), columns.end(), f.name) == columns.end())
      return serverError(err::kInvalidDataFile, "stupac " + f.name + " ne postoji");
  return err::kOk;
}

int PgTable::createSchema() {
  std::string why;
  const bool own = !conn_->inTransaction();
  if (own)
    if (const int rc = conn_->begin(why)) return serverError(rc, why);
  int rc = conn_->run(schema_.createTableSql().c_str(), why);
  for (std::size_t k = 0; rc == err::kOk && k < schema_.keys.size(); ++k)
    rc = conn_->run(schema_.createIndexSql(k).c_str(), why);
  if (own) rc = rc == err::kOk ? conn_->commit(why) : (conn_->rollback(why), rc);
  return rc ? serverError(rc, why) : err::kOk;
}

// Whether the role may do what the mode asks: read, and for any mode but read-only also add,
// change and delete.
int PgTable::mayUse(AccessMode mode) {
  pg::Statement s(*conn_, mode == AccessMode::ReadOnly ? "SELECT has_table_privilege($1, 'SELECT')"
                                                       : "SELECT has_table_privilege($1, 'SELECT') "
                                                         "AND has_table_privilege($1, 'INSERT') "
                                                         "AND has_table_privilege($1, 'UPDATE') "
                                                         "AND has_table_privilege($1, 'DELETE')");
  s.bindText(1, schema_.table);
  if (const int rc = s.execute()) return failed(s, rc);
  if (!s.nextRow() || s.blob(0) != std::string_view("\1", 1))
    return serverError(err::kAccessDenied, "uloga nema prava pisanja u tablicu " + schema_.table);
  return err::kOk;
}

int PgTable::advisoryLock(const char* function, int which) {
  pg::Statement s(*conn_, std::string("SELECT ") + function + "(hashtext($1), $2::int)");
  s.bindText(1, schema_.table);
  s.bind(2, which);
  if (const int rc = s.execute()) return failed(s, rc);
  // The try functions answer true or false; the unlocks are not asked.
  return s.nextRow() && s.blob(0) == std::string_view("\0", 1) ? err::kAccessDenied : err::kOk;
}

int PgTable::lockSharing(AccessMode mode) {
  const auto lock = [&](int access) {
    return advisoryLock(
        denies(mode, access) ? "pg_try_advisory_lock" : "pg_try_advisory_lock_shared", access);
  };
  if (const int rc = lock(kReadAccess)) return rc;
  if (mode == AccessMode::ReadOnly) return err::kOk;
  if (const int rc = lock(kWriteAccess)) {
    advisoryLock(denies(mode, kReadAccess) ? "pg_advisory_unlock" : "pg_advisory_unlock_shared",
                 kReadAccess);
    return rc;
  }
  return err::kOk;
}

void PgTable::unlockSharing() {
  for (const int access : {kReadAccess, kWriteAccess}) {
    if (access == kWriteAccess && mode_ == AccessMode::ReadOnly) continue;
    advisoryLock(denies(mode_, access) ? "pg_advisory_unlock" : "pg_advisory_unlock_shared",
                 access);
  }
}

void PgTable::close() {
  if (!conn_) return;
  if (bulk_) finishBulk(true);
  if (txn_ != Txn::None) commit();
  unlockSharing();
  keyStatements_.clear();
  for (auto* s :
       {&insert_, &update_, &updateWatched_, &delete_, &byRow_, &physFwd_, &physBwd_, &count_})
    s->reset();
  conn_ = nullptr;
  dropReadAhead();
}

// Makes the table where the database lacks it; one that is there stays as it is, whatever the
// role may do with it.
int PgTable::create() {
  if (conn_) return ok();
  std::string why;
  conn_ = context_.server(why);
  if (!conn_) return serverError(err::kFileSystemError, why);
  const int rc = ensureSchema(AccessMode::DenyAll);
  conn_ = nullptr;
  return fail(rc);
}

int PgTable::empty() {
  if (!conn_) return fail(err::kFileNotOpen);
  if (mode_ != AccessMode::DenyAll) return fail(err::kExclusiveAccessRequired);
  pg::Statement del(*conn_, "DELETE FROM " + schema_.table);
  if (const int rc = del.execute()) return failed(del, rc);
  wrote();
  current_ = {};
  return ok();
}

pg::Statement& PgTable::cached(std::unique_ptr<pg::Statement>& slot, const std::string& text) {
  if (!slot) slot = std::make_unique<pg::Statement>(*conn_, text);
  return *slot;
}

PgTable::KeyStatements& PgTable::keyStatements(int key) {
  auto it = keyStatements_.find(key);
  if (it != keyStatements_.end()) return it->second;
  const std::string k = schema_.keyColumn(static_cast<std::size_t>(key));
  const std::string head = schema_.selectSql(k);
  KeyStatements s;
  s.forward = pg::Statement(
      *conn_, head + " WHERE (" + k + ", _row) > ($1, $2) ORDER BY " + k + ", _row LIMIT $3");
  s.backward = pg::Statement(*conn_, head + " WHERE (" + k + ", _row) < ($1, $2) ORDER BY " + k +
                                         " DESC, _row DESC LIMIT $3");
  s.backwardAll = pg::Statement(
      *conn_, head + " WHERE " + k + " IS NOT NULL ORDER BY " + k + " DESC, _row DESC LIMIT $1");
  s.equal = pg::Statement(*conn_, head + " WHERE " + k + " = $1 ORDER BY _row LIMIT 1");
  s.equalOther = pg::Statement(
      *conn_, "SELECT 1 FROM " + schema_.table + " WHERE " + k + " = $1 AND _row <> $2 LIMIT 1");
  s.ofRow = pg::Statement(*conn_, "SELECT " + k + " FROM " + schema_.table + " WHERE _row = $1");
  return keyStatements_.emplace(key, std::move(s)).first->second;
}

int PgTable::set(int keyIndex) {
  if (!conn_) return fail(err::kFileNotOpen);
  if (!validKey(keyIndex)) return fail(err::kInvalidRecordDeclaration);
  walkKey_ = keyIndex;
  place_ = Place::BeforeFirst;
  const auto& key = schema_.keys[static_cast<std::size_t>(keyIndex)];
  placeKey_ = key.isEmpty(record_) ? std::string() : key.encodePrefix(record_, key.fields.size());
  placeRow_ = 0;
  dropReadAhead();
  return ok();
}

int PgTable::setLast(int keyIndex) {
  if (const int rc = set(keyIndex)) return rc;
  place_ = Place::AfterLast;
  return ok();
}

int PgTable::setAt(int keyIndex, Position p) {
  if (!conn_) return fail(err::kFileNotOpen);
  if (!validKey(keyIndex)) return fail(err::kInvalidRecordDeclaration);
  auto& s = keyStatements(keyIndex).ofRow;
  s.bind(1, p.row);
  if (const int rc = s.execute()) return failed(s, rc);
  if (!s.nextRow() || s.isNull(0)) return fail(err::kRecordNotFound);
  walkKey_ = keyIndex;
  place_ = Place::AtRow;
  schema_.readKey(s, 0, static_cast<std::size_t>(keyIndex), placeKey_);
  placeRow_ = p.row;
  dropReadAhead();
  return ok();
}

int PgTable::setLastOf(int keyIndex, int components) {
  if (const int rc = set(keyIndex)) return rc;
  const auto& key = schema_.keys[static_cast<std::size_t>(keyIndex)];
  auto end =
      keyPrefixEnd(key.encodePrefix(record_, static_cast<std::size_t>(std::max(components, 0))));
  if (components <= 0 || !end) {
    place_ = Place::AfterLast;
    return ok();
  }
  placeKey_ = std::move(*end);
  placeRow_ = 0;
  return ok();
}

int PgTable::setPhysical() {
  if (!conn_) return fail(err::kFileNotOpen);
  walkKey_ = -1;
  place_ = Place::BeforeFirst;
  placeKey_.clear();
  placeRow_ = 0;
  dropReadAhead();
  return ok();
}

void PgTable::takeRow(const pg::Statement& s, int walkKey, Row& row) {
  row.rowid = s.integer(0);
  row.version = s.integer(1);
  if (walkKey >= 0)
    schema_.readKey(s, 2, static_cast<std::size_t>(walkKey), row.key);
  else
    row.key.clear();
  schema_.loadRecord(s, kFirstField, row.record);
}

int PgTable::fill(bool forward) {
  aheadCount_ = 0;
  aheadNext_ = 0;
  aheadForward_ = forward;
  aheadGeneration_ = generation_->load();
  pg::Statement* s;
  int limitParam;
  if (walkKey_ < 0) {
    s = forward ? &cached(physFwd_,
                          schema_.selectSql("NULL") + " WHERE _row > $1 ORDER BY _row LIMIT $2")
                : &cached(physBwd_, schema_.selectSql("NULL") +
                                        " WHERE _row < $1 ORDER BY _row DESC LIMIT $2");
    s->bind(1, place_ == Place::AfterLast     ? INT64_MAX
               : place_ == Place::BeforeFirst ? INT64_MIN
                                              : placeRow_);
    limitParam = 2;
  } else if (!forward && place_ == Place::AfterLast) {
    s = &keyStatements(walkKey_).backwardAll;
    limitParam = 1;
  } else {
    auto& ks = keyStatements(walkKey_);
    s = forward ? &ks.forward : &ks.backward;
    schema_.bindPlace(*s, 1, 2, static_cast<std::size_t>(walkKey_), placeKey_, placeRow_);
    limitParam = 3;
  }
  s->bind(limitParam, batch_);
  if (const int rc = s->execute()) return failed(*s, rc);
  while (s->nextRow()) {
    if (aheadCount_ == ahead_.size()) ahead_.push_back(Row{0, 0, {}, Record(decl_)});
    takeRow(*s, walkKey_, ahead_[aheadCount_++]);
  }
  batch_ = std::min(batch_ * 2, maxBatch_);
  return ok();
}

int PgTable::step(bool forward) {
  if (!conn_) return fail(err::kFileNotOpen);
  if (forward && place_ == Place::AfterLast) return fail(err::kRecordNotAvailable);
  const bool usable = aheadNext_ < aheadCount_ && aheadForward_ == forward &&
                      aheadGeneration_ == generation_->load();
  if (!usable) {
    if (const int rc = fill(forward)) return rc;
    if (aheadCount_ == 0) return fail(err::kRecordNotAvailable);
  }
  Row& row = ahead_[aheadNext_++];
  place_ = Place::AtRow;
  placeKey_ = row.key;
  placeRow_ = row.rowid;
  becomeCurrent(row);
  return ok();
}

void PgTable::becomeCurrent(Row& row) {
  std::swap(record_, row.record);
  current_ = Position{row.rowid};
  currentVersion_ = row.version;
  watched_ = watchNext_;
  watchNext_ = false;
}

int PgTable::get(int keyIndex) {
  if (!conn_) return fail(err::kFileNotOpen);
  if (!validKey(keyIndex)) return fail(err::kInvalidRecordDeclaration);
  const auto encoded = schema_.keys[static_cast<std::size_t>(keyIndex)].encode(record_);
  if (!encoded) return fail(err::kRecordNotFound);
  auto& s = keyStatements(keyIndex).equal;
  schema_.bindKey(s, 1, static_cast<std::size_t>(keyIndex), *encoded);
  return readOne(s, keyIndex);
}

int PgTable::readOne(pg::Statement& s, int walkKey) {
  if (const int rc = s.execute()) return failed(s, rc);
  if (!s.nextRow()) return fail(err::kRecordNotFound);
  Row row{0, 0, {}, Record(decl_)};
  takeRow(s, walkKey, row);
  becomeCurrent(row);
  return ok();
}

bool PgTable::keyValueExists(int keyIndex, const Record& probe, Position except) {
  if (!conn_ || !validKey(keyIndex)) return false;
  const auto encoded = schema_.keys[static_cast<std::size_t>(keyIndex)].encode(probe);
  if (!encoded) return false;
  auto& s = keyStatements(keyIndex).equalOther;
  schema_.bindKey(s, 1, static_cast<std::size_t>(keyIndex), *encoded);
  s.bind(2, except.row);
  return s.execute() == err::kOk && s.rows() > 0;
}

int PgTable::reget(Position p) {
  if (!conn_) return fail(err::kFileNotOpen);
  auto& s = cached(byRow_, schema_.selectSql("NULL") + " WHERE _row = $1");
  s.bind(1, p.row);
  return readOne(s, -1);
}

void PgTable::wrote() {
  ++*generation_;
  dropReadAhead();
}

// Inserts the buffer; `inserted` false when a unique key already holds its values (the insert
// does nothing then, so a transaction around it stays usable).
int PgTable::insertRecord(bool& inserted) {
  auto& s = cached(insert_, schema_.insertSql());
  std::vector<std::string> values;
  schema_.bindRecord(s, record_, values);
  if (const int rc = s.execute()) return failed(s, rc);
  inserted = s.nextRow();
  if (inserted) current_ = Position{s.integer(0)};
  return err::kOk;
}

int PgTable::add() {
  if (!conn_) return fail(err::kFileNotOpen);
  bool inserted = false;
  if (const int rc = insertRecord(inserted)) return rc;
  if (!inserted) return fail(err::kDuplicateKey);
  currentVersion_ = 0;
  watched_ = false;
  wrote();
  return ok();
}

// Appends go into one transaction up to the build; a unique key's value met twice undoes them
// all there, as a key index rebuilt over duplicates does on the embedded store.
int PgTable::append() {
  if (!conn_) return fail(err::kFileNotOpen);
  if (!bulk_) {
    if (txn_ == Txn::None) {
      std::string why;
      if (const int rc = conn_->begin(why)) return serverError(rc, why);
      txn_ = Txn::Bulk;
    }
    bulk_ = true;
    bulkDuplicate_ = false;
  }
  bool inserted = false;
  if (const int rc = insertRecord(inserted)) return rc;
  if (!inserted) bulkDuplicate_ = true;
  wrote();
  return ok();
}

int PgTable::finishBulk(bool keep) {
  bulk_ = false;
  std::string why;
  if (!keep || bulkDuplicate_) {
    conn_->rollback(why);
    txn_ = Txn::None;
    wrote();
    return fail(bulkDuplicate_ ? err::kDuplicateKey : err::kOk);
  }
  if (txn_ == Txn::Bulk) {
    txn_ = Txn::None;
    if (const int rc = conn_->commit(why)) return serverError(rc, why);
  }
  return ok();
}

int PgTable::build() {
  if (!conn_) return fail(err::kFileNotOpen);
  if (bulk_) return finishBulk(true);
  return ok();  // the server keeps its indexes as it writes
}

int PgTable::put() {
  if (!conn_) return fail(err::kFileNotOpen);
  if (current_.row == 0) return fail(err::kRecordNotAvailable);
  auto& s = watched_ ? cached(updateWatched_, schema_.updateSql(true))
                     : cached(update_, schema_.updateSql(false));
  std::vector<std::string> values;
  schema_.bindRecord(s, record_, values);
  s.bind(schema_.parameterCount() + 1, current_.row);
  if (watched_) s.bind(schema_.parameterCount() + 2, currentVersion_);
  // Inside a transaction a refused change (a duplicate key) must not undo the writes before it.
  std::string why;
  const bool guarded = conn_->inTransaction();
  if (guarded)
    if (const int rc = conn_->run("SAVEPOINT obrazac_put", why)) return serverError(rc, why);
  const int rc = s.execute();
  if (guarded)
    conn_->run(rc ? "ROLLBACK TO SAVEPOINT obrazac_put" : "RELEASE SAVEPOINT obrazac_put", why);
  if (rc) return failed(s, rc);
  if (s.changes() == 0) return fail(watched_ ? err::kRecordChanged : err::kRecordNotAvailable);
  ++currentVersion_;
  watched_ = false;
  wrote();
  return ok();
}

int PgTable::remove() {
  if (!conn_) return fail(err::kFileNotOpen);
  if (current_.row == 0) return fail(err::kRecordNotAvailable);
  auto& s = cached(delete_, "DELETE FROM " + schema_.table + " WHERE _row = $1");
  s.bind(1, current_.row);
  if (const int rc = s.execute()) return failed(s, rc);
  if (s.changes() == 0) return fail(err::kRecordNotAvailable);
  current_ = {};
  wrote();
  return ok();
}

std::int64_t PgTable::records() {
  if (!conn_) {
    fail(err::kFileNotOpen);
    return 0;
  }
  auto& s = cached(count_, "SELECT count(*) FROM " + schema_.table);
  if (const int rc = s.execute()) {
    failed(s, rc);
    return 0;
  }
  ok();
  return s.nextRow() ? s.integer(0) : 0;
}

int PgTable::send(std::string_view option) {
  if (option == "QUICKSCAN=on") {
    batch_ = maxBatch_ = 4096;
  } else if (option == "QUICKSCAN=off") {
    batch_ = 8;
    maxBatch_ = 512;
  }
  return ok();
}

int PgTable::begin() {
  if (!conn_) return fail(err::kFileNotOpen);
  if (txn_ != Txn::None) return ok();
  std::string why;
  if (const int rc = conn_->begin(why)) return serverError(rc, why);
  txn_ = Txn::User;
  return ok();
}

int PgTable::commit() {
  if (!conn_) return fail(err::kFileNotOpen);
  if (bulk_)
    if (const int rc = finishBulk(true)) return rc;
  if (txn_ == Txn::None) return ok();
  txn_ = Txn::None;
  std::string why;
  if (const int rc = conn_->commit(why)) return serverError(rc, why);
  return ok();
}

int PgTable::rollback() {
  if (!conn_) return fail(err::kFileNotOpen);
  if (txn_ == Txn::None) return ok();
  bulk_ = false;
  txn_ = Txn::None;
  std::string why;
  conn_->rollback(why);
  wrote();
  return ok();
}

}  // namespace obrazac
