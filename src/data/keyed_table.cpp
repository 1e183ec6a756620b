#include "data/keyed_table.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace obrazac {
namespace {

constexpr int kBusyTimeoutMs = 5000;
constexpr int kFirstField = 3;  // rowid, _version, walk key, then the fields

struct Generations {
  std::mutex mutex;
  std::unordered_map<std::string, FileGeneration> counts;  // nodes never move
};

Generations& generations() {
  static Generations g;
  return g;
}

std::string canonicalName(const std::filesystem::path& file) {
  std::error_code ec;
  auto p = std::filesystem::weakly_canonical(file, ec);
  return ec ? file.string() : p.string();
}

}  // namespace

FileGeneration& fileGeneration(const std::filesystem::path& file) {
  const std::string name = canonicalName(file);
  auto& g = generations();
  std::lock_guard lock(g.mutex);
  return g.counts[name];
}

KeyedTable::KeyedTable(const TableDecl& decl, std::filesystem::path file)
    : Table(decl, std::move(file)), schema_(decl) {}

KeyedTable::~KeyedTable() {
  close();
}

int KeyedTable::sqliteError(int rc) {
  driverError_ = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
  return fail(sql::storeCodeOf(rc));
}

int KeyedTable::open(AccessMode mode) {
  if (db_) return fail(err::kFileAlreadyOpen);
  std::error_code ec;
  const bool exists = std::filesystem::exists(file_, ec);
  if (!exists) {
    if (!std::filesystem::is_directory(file_.parent_path().empty() ? "." : file_.parent_path(), ec))
      return fail(err::kPathNotFound);
    if (!decl_.create) return fail(err::kFileNotFound);
    if (mode == AccessMode::ReadOnly) return fail(err::kFileNotFound);
  }
  if (int rc = lock_.acquire(file_, mode)) return fail(rc);
  const int flags = mode == AccessMode::ReadOnly
                        ? SQLITE_OPEN_READONLY
                        : SQLITE_OPEN_READWRITE | (decl_.create ? SQLITE_OPEN_CREATE : 0);
  int rc = sql::open(file_.string(), &db_, flags | SQLITE_OPEN_NOMUTEX);
  if (rc == SQLITE_OK) {
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db_, 1);
    rc = ensureSchema();
  }
  if (rc != SQLITE_OK) {
    const int code = sqliteError(rc);
    close();
    return fail(code);
  }
  generation_ = &fileGeneration(file_);
  walkKey_ = -1;
  place_ = Place::BeforeFirst;
  current_ = {};
  return ok();
}

// Creates the table and its key indexes in a new file; checks the columns of an existing one.
int KeyedTable::ensureSchema() {
  sql::Statement probe(db_, "SELECT name, pk FROM pragma_table_info(?1)");
  if (probe.prepareResult() != SQLITE_OK) return probe.prepareResult();
  probe.bindText(1, bareTableName());
  std::vector<std::string> columns;
  bool rowNumberIsRowid = false;
  int rc;
  while ((rc = probe.step()) == SQLITE_ROW) {
    columns.emplace_back(probe.text(0));
    if (schema_.rowNumberField >= 0 &&
        columns.back() == decl_.fields[static_cast<std::size_t>(schema_.rowNumberField)].name)
      rowNumberIsRowid = probe.integer(1) == 1;
  }
  if (rc != SQLITE_DONE) return rc;
  if (!columns.empty()) {
    for (const auto& f : decl_.fields)
      if (std::find(columns.begin(), columns.end(), f.name) == columns.end()) return SQLITE_NOTADB;
    if (schema_.rowNumberField >= 0 && !rowNumberIsRowid) return adoptRowNumber();
    return SQLITE_OK;
  }
  return inTransaction([this] { return createSchema(); });
}

std::string KeyedTable::bareTableName() const {
  return schema_.table.substr(1, schema_.table.size() - 2);
}

int KeyedTable::createSchema() {
  int rc = sql::exec(db_, schema_.createTableSql());
  for (std::size_t k = 0; rc == SQLITE_OK && k < schema_.keys.size(); ++k)
    if (schema_.hasIndex(k)) rc = sql::exec(db_, schema_.createIndexSql(k));
  return rc;
}

// A file written before its row-number key became the row identifier: its rows move once into
// the new layout, in their order, a zero number taking the next free one.
int KeyedTable::adoptRowNumber() {
  return inTransaction([this] {
    const std::string old = sql::quoted(bareTableName() + "_old");
    const std::string number =
        sql::quoted(decl_.fields[static_cast<std::size_t>(schema_.rowNumberField)].name);
    std::string columns = schema_.columnList;
    for (std::size_t k = 0; k < schema_.keys.size(); ++k)
      if (schema_.hasIndex(k)) columns += ", " + schema_.keyColumn(k);
    std::string values = columns;
    values.replace(values.find(number), number.size(), "NULLIF(" + number + ", 0)");
    int rc = sql::exec(db_, "ALTER TABLE " + schema_.table + " RENAME TO " + old);
    for (std::size_t k = 0; rc == SQLITE_OK && k < schema_.keys.size(); ++k)
      rc = sql::exec(db_, schema_.dropIndexSql(k));
    if (rc == SQLITE_OK) rc = createSchema();
    if (rc == SQLITE_OK)
      rc = sql::exec(db_, "INSERT INTO " + schema_.table + " (" + columns + ") SELECT " + values +
                              " FROM " + old + " ORDER BY rowid");
    if (rc == SQLITE_OK) rc = sql::exec(db_, "DROP TABLE " + old);
    return rc;
  });
}

template <class Work>
int KeyedTable::inTransaction(Work work) {
  if (const int rc = sql::exec(db_, "BEGIN IMMEDIATE")) return rc;
  int rc = work();
  if (rc == SQLITE_OK) rc = sql::exec(db_, "COMMIT");
  if (rc != SQLITE_OK) sql::exec(db_, "ROLLBACK");
  return rc;
}

void KeyedTable::close() {
  if (!db_) return;
  if (bulk_) finishBulk(true);
  if (txn_ != Txn::None) commit();
  keyStatements_.clear();
  for (auto* s :
       {&insert_, &update_, &updateWatched_, &delete_, &byRow_, &physFwd_, &physBwd_, &count_})
    s->reset();
  sqlite3_close_v2(db_);
  db_ = nullptr;
  lock_.release();
  dropReadAhead();
}

int KeyedTable::create() {
  if (db_) return ok();
  std::error_code ec;
  if (std::filesystem::exists(file_, ec)) return ok();
  const int rc = open(AccessMode::DenyAll);
  close();
  return rc;
}

int KeyedTable::empty() {
  if (!db_) return fail(err::kFileNotOpen);
  if (lock_.mode() != AccessMode::DenyAll) return fail(err::kExclusiveAccessRequired);
  const int rc = sql::exec(db_, "DELETE FROM " + schema_.table);
  if (rc != SQLITE_OK) return sqliteError(rc);
  wrote();
  current_ = {};
  return ok();
}

template <class MakeSql>
sql::Statement& KeyedTable::cached(std::unique_ptr<sql::Statement>& slot, MakeSql makeSql) {
  if (!slot) slot = std::make_unique<sql::Statement>(db_, makeSql());
  return *slot;
}

KeyedTable::KeyStatements& KeyedTable::keyStatements(int key) {
  auto it = keyStatements_.find(key);
  if (it != keyStatements_.end()) return it->second;
  const std::string k = schema_.keyColumn(static_cast<std::size_t>(key));
  const std::string head = schema_.selectSql(k);
  KeyStatements s;
  s.forward = sql::Statement(
      db_, head + " WHERE (" + k + ", rowid) > (?1, ?2) ORDER BY " + k + ", rowid LIMIT ?3");
  s.backward = sql::Statement(db_, head + " WHERE (" + k + ", rowid) < (?1, ?2) ORDER BY " + k +
                                       " DESC, rowid DESC LIMIT ?3");
  s.backwardAll = sql::Statement(
      db_, head + " WHERE " + k + " IS NOT NULL ORDER BY " + k + " DESC, rowid DESC LIMIT ?3");
  s.equal = sql::Statement(db_, head + " WHERE " + k + " = ?1 ORDER BY rowid LIMIT 1");
  s.equalOther = sql::Statement(
      db_, "SELECT 1 FROM " + schema_.table + " WHERE " + k + " = ?1 AND rowid <> ?2 LIMIT 1");
  s.ofRow = sql::Statement(db_, "SELECT " + k + " FROM " + schema_.table + " WHERE rowid = ?1");
  return keyStatements_.emplace(key, std::move(s)).first->second;
}

int KeyedTable::set(int keyIndex) {
  if (!db_) return fail(err::kFileNotOpen);
  if (keyIndex < 0 || keyIndex >= static_cast<int>(schema_.keys.size()))
    return fail(err::kInvalidRecordDeclaration);
  walkKey_ = keyIndex;
  place_ = Place::BeforeFirst;
  const auto& key = schema_.keys[static_cast<std::size_t>(keyIndex)];
  // A cleared buffer starts at the very beginning of the key order, whatever its encoding.
  placeKey_ = key.isEmpty(record_) ? std::string() : key.encodePrefix(record_, key.fields.size());
  placeRow_ = 0;
  dropReadAhead();
  return ok();
}

int KeyedTable::setLast(int keyIndex) {
  if (const int rc = set(keyIndex)) return rc;
  place_ = Place::AfterLast;
  return ok();
}

int KeyedTable::setAt(int keyIndex, Position p) {
  if (!db_) return fail(err::kFileNotOpen);
  if (keyIndex < 0 || keyIndex >= static_cast<int>(schema_.keys.size()))
    return fail(err::kInvalidRecordDeclaration);
  auto& s = keyStatements(keyIndex).ofRow;
  s.bind(1, p.row);
  const int rc = s.step();
  const bool inKey = rc == SQLITE_ROW && !s.isNull(0);
  std::string key;
  if (inKey) schema_.readKey(s, 0, static_cast<std::size_t>(keyIndex), key);
  s.reset();
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) return sqliteError(rc);
  if (!inKey) return fail(err::kRecordNotFound);
  walkKey_ = keyIndex;
  place_ = Place::AtRow;
  placeKey_ = std::move(key);
  placeRow_ = p.row;
  dropReadAhead();
  return ok();
}

int KeyedTable::setLastOf(int keyIndex, int components) {
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

int KeyedTable::setPhysical() {
  if (!db_) return fail(err::kFileNotOpen);
  walkKey_ = -1;
  place_ = Place::BeforeFirst;
  placeKey_.clear();
  placeRow_ = 0;
  dropReadAhead();
  return ok();
}

void KeyedTable::takeRow(const sql::Statement& s, int walkKey, Row& row) {
  row.rowid = s.integer(0);
  row.version = s.integer(1);
  if (walkKey >= 0)
    schema_.readKey(s, 2, static_cast<std::size_t>(walkKey), row.key);
  else
    row.key.clear();
  schema_.loadRecord(s, kFirstField, row.record);
}

int KeyedTable::fill(bool forward) {
  aheadCount_ = 0;
  aheadNext_ = 0;
  aheadForward_ = forward;
  aheadGeneration_ = generation_->load();
  sql::Statement* s;
  const bool physical = walkKey_ < 0;
  if (physical) {
    const auto walkSql = [this](const char* where) {
      return [this, where] { return schema_.selectSql("NULL") + where; };
    };
    s = forward ? &cached(physFwd_, walkSql(" WHERE rowid > ?2 ORDER BY rowid LIMIT ?3"))
                : &cached(physBwd_, walkSql(" WHERE rowid < ?2 ORDER BY rowid DESC LIMIT ?3"));
    s->bind(2, place_ == Place::AfterLast     ? INT64_MAX
               : place_ == Place::BeforeFirst ? INT64_MIN
                                              : placeRow_);
  } else {
    auto& ks = keyStatements(walkKey_);
    if (!forward && place_ == Place::AfterLast) {
      s = &ks.backwardAll;
    } else {
      s = forward ? &ks.forward : &ks.backward;
      schema_.bindPlace(*s, 1, 2, static_cast<std::size_t>(walkKey_), placeKey_, placeRow_);
    }
  }
  if (s->prepareResult() != SQLITE_OK) return sqliteError(s->prepareResult());
  s->bind(3, batch_);
  int rc;
  while ((rc = s->step()) == SQLITE_ROW) {
    // Rows of earlier batches are reused so a long walk does not allocate per row.
    if (aheadCount_ == ahead_.size()) ahead_.push_back(Row{0, 0, {}, Record(decl_)});
    takeRow(*s, walkKey_, ahead_[aheadCount_++]);
  }
  s->reset();
  if (rc != SQLITE_DONE) return sqliteError(rc);
  batch_ = std::min(batch_ * 2, maxBatch_);
  return ok();
}

int KeyedTable::step(bool forward) {
  if (!db_) return fail(err::kFileNotOpen);
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

// The row's record becomes the buffer by exchange, not copy: a row is read once, and the
// exchanged storage is reused when the read-ahead is filled again.
void KeyedTable::becomeCurrent(Row& row) {
  std::swap(record_, row.record);
  current_ = Position{row.rowid};
  currentVersion_ = row.version;
  watched_ = watchNext_;
  watchNext_ = false;
}

int KeyedTable::get(int keyIndex) {
  if (!db_) return fail(err::kFileNotOpen);
  if (keyIndex < 0 || keyIndex >= static_cast<int>(schema_.keys.size()))
    return fail(err::kInvalidRecordDeclaration);
  const auto encoded = schema_.keys[static_cast<std::size_t>(keyIndex)].encode(record_);
  if (!encoded) return fail(err::kRecordNotFound);
  auto& s = keyStatements(keyIndex).equal;
  schema_.bindKey(s, 1, static_cast<std::size_t>(keyIndex), *encoded);
  return readOne(s, keyIndex);
}

// Steps a statement that finds at most one record and makes it the current one.
int KeyedTable::readOne(sql::Statement& s, int walkKey) {
  Row row{0, 0, {}, Record(decl_)};
  const int rc = s.step();
  if (rc == SQLITE_ROW) takeRow(s, walkKey, row);
  s.reset();
  if (rc == SQLITE_DONE) return fail(err::kRecordNotFound);
  if (rc != SQLITE_ROW) return sqliteError(rc);
  becomeCurrent(row);
  return ok();
}

bool KeyedTable::keyValueExists(int keyIndex, const Record& probe, Position except) {
  if (!db_ || keyIndex < 0 || keyIndex >= static_cast<int>(schema_.keys.size())) return false;
  const auto encoded = schema_.keys[static_cast<std::size_t>(keyIndex)].encode(probe);
  if (!encoded) return false;
  auto& s = keyStatements(keyIndex).equalOther;
  schema_.bindKey(s, 1, static_cast<std::size_t>(keyIndex), *encoded);
  s.bind(2, except.row);
  const bool found = s.step() == SQLITE_ROW;
  s.reset();
  return found;
}

int KeyedTable::reget(Position p) {
  if (!db_) return fail(err::kFileNotOpen);
  auto& s = cached(byRow_, [this] { return schema_.selectSql("NULL") + " WHERE rowid = ?1"; });
  s.bind(1, p.row);
  return readOne(s, -1);
}

void KeyedTable::wrote() {
  ++*generation_;
  dropReadAhead();
}

int KeyedTable::writeRecord(sql::Statement& s) {
  if (s.prepareResult() != SQLITE_OK) return sqliteError(s.prepareResult());
  schema_.bindRecord(s, record_, parameterValues_);
  const int rc = s.step();
  s.reset();
  if (rc != SQLITE_DONE) return sqliteError(rc);
  return ok();
}

int KeyedTable::add() {
  if (!db_) return fail(err::kFileNotOpen);
  if (const int rc = writeRecord(cached(insert_, [this] { return schema_.insertSql(); })))
    return rc;
  tookRow();
  currentVersion_ = 0;
  watched_ = false;
  wrote();
  return ok();
}

// The inserted row becomes the current one; a row number left zero shows the number it took.
void KeyedTable::tookRow() {
  current_ = Position{sqlite3_last_insert_rowid(db_)};
  if (schema_.rowNumberField >= 0) record_.setInteger(schema_.rowNumberField, current_.row);
}

int KeyedTable::startBulk() {
  if (txn_ == Txn::None) {
    if (const int rc = sql::exec(db_, "BEGIN IMMEDIATE")) return sqliteError(rc);
    txn_ = Txn::Bulk;
  }
  for (std::size_t k = 0; k < schema_.keys.size(); ++k)
    if (schema_.hasIndex(k))
      if (const int rc = sql::exec(db_, schema_.dropIndexSql(k))) return sqliteError(rc);
  bulk_ = true;
  return ok();
}

int KeyedTable::append() {
  if (!db_) return fail(err::kFileNotOpen);
  if (!bulk_)
    if (const int rc = startBulk()) return rc;
  if (const int rc = writeRecord(cached(insert_, [this] { return schema_.insertSql(); })))
    return rc;
  tookRow();
  wrote();
  return ok();
}

// Puts the key indexes back after appends; a unique key with duplicates undoes the bulk load.
int KeyedTable::finishBulk(bool keep) {
  int rc = SQLITE_OK;
  for (std::size_t k = 0; rc == SQLITE_OK && k < schema_.keys.size(); ++k)
    if (schema_.hasIndex(k)) rc = sql::exec(db_, schema_.createIndexSql(k));
  bulk_ = false;
  if (rc != SQLITE_OK || !keep) {
    const int code = rc != SQLITE_OK ? sqliteError(rc) : ok();
    sql::exec(db_, "ROLLBACK");
    txn_ = Txn::None;
    wrote();
    return fail(code);
  }
  if (txn_ == Txn::Bulk) {
    if ((rc = sql::exec(db_, "COMMIT")) != SQLITE_OK) return sqliteError(rc);
    txn_ = Txn::None;
  }
  return ok();
}

int KeyedTable::build() {
  if (!db_) return fail(err::kFileNotOpen);
  if (bulk_) return finishBulk(true);
  if (const int rc = sql::exec(db_, "REINDEX " + schema_.table)) return sqliteError(rc);
  return ok();
}

int KeyedTable::put() {
  if (!db_) return fail(err::kFileNotOpen);
  if (current_.row == 0) return fail(err::kRecordNotAvailable);
  auto& s = watched_ ? cached(updateWatched_, [this] { return schema_.updateSql(true); })
                     : cached(update_, [this] { return schema_.updateSql(false); });
  if (s.prepareResult() != SQLITE_OK) return sqliteError(s.prepareResult());
  schema_.bindRecord(s, record_, parameterValues_);
  s.bind(schema_.parameterCount() + 1, current_.row);
  if (watched_) s.bind(schema_.parameterCount() + 2, currentVersion_);
  const int rc = s.step();
  s.reset();
  if (rc != SQLITE_DONE) return sqliteError(rc);
  if (sqlite3_changes(db_) == 0)
    return fail(watched_ ? err::kRecordChanged : err::kRecordNotAvailable);
  ++currentVersion_;
  watched_ = false;
  if (schema_.rowNumberField >= 0) current_ = Position{record_.integer(schema_.rowNumberField)};
  wrote();
  return ok();
}

int KeyedTable::remove() {
  if (!db_) return fail(err::kFileNotOpen);
  if (current_.row == 0) return fail(err::kRecordNotAvailable);
  auto& s =
      cached(delete_, [this] { return "DELETE FROM " + schema_.table + " WHERE rowid = ?1"; });
  s.bind(1, current_.row);
  const int rc = s.step();
  s.reset();
  if (rc != SQLITE_DONE) return sqliteError(rc);
  if (sqlite3_changes(db_) == 0) return fail(err::kRecordNotAvailable);
  current_ = {};
  wrote();
  return ok();
}

std::int64_t KeyedTable::records() {
  if (!db_) {
    fail(err::kFileNotOpen);
    return 0;
  }
  auto& s = cached(count_, [this] { return "SELECT count(*) FROM " + schema_.table; });
  const int rc = s.step();
  const std::int64_t n = rc == SQLITE_ROW ? s.integer(0) : 0;
  s.reset();
  if (rc != SQLITE_ROW)
    sqliteError(rc);
  else
    ok();
  return n;
}

int KeyedTable::send(std::string_view option) {
  if (option == "QUICKSCAN=on") {
    batch_ = maxBatch_ = 4096;
  } else if (option == "QUICKSCAN=off") {
    batch_ = 8;
    maxBatch_ = 512;
  }
  // "Recover=n": locks die with their process, so there is never a stale one to release.
  return ok();
}

int KeyedTable::begin() {
  if (!db_) return fail(err::kFileNotOpen);
  if (txn_ != Txn::None) return ok();
  if (const int rc = sql::exec(db_, "BEGIN IMMEDIATE")) return sqliteError(rc);
  txn_ = Txn::User;
  return ok();
}

int KeyedTable::commit() {
  if (!db_) return fail(err::kFileNotOpen);
  if (bulk_)
    if (const int rc = finishBulk(true)) return rc;
  if (txn_ == Txn::None) return ok();
  if (const int rc = sql::exec(db_, "COMMIT")) return sqliteError(rc);
  txn_ = Txn::None;
  return ok();
}

int KeyedTable::rollback() {
  if (!db_) return fail(err::kFileNotOpen);
  if (txn_ == Txn::None) return ok();
  bulk_ = false;
  sql::exec(db_, "ROLLBACK");
  txn_ = Txn::None;
  wrote();
  return ok();
}

}  // namespace obrazac
