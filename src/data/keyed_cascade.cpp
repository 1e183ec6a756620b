#include "data/keyed_cascade.h"

#include <map>
#include <optional>
#include <set>

#include "data/context.h"
#include "data/dictionary.h"
#include "data/keyed_schema.h"
#include "data/keyed_table.h"
#include "data/sqlite_statement.h"
#include "data/store_error.h"

namespace obrazac {
namespace {

class CascadeRun {
 public:
  CascadeRun(const std::filesystem::path& workDir, const TableDecl& parent)
      : workDir_(workDir), parent_(parent) {}
  ~CascadeRun() {
    if (db_) sqlite3_close_v2(db_);
  }

  CascadeOutcome run(std::int64_t rowid, const Record& record, const CascadeHooks& hooks) {
    int rc = sql::open(tablePath(workDir_, parent_).string(), &db_,
                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
    if (rc == SQLITE_OK) {
      sqlite3_busy_timeout(db_, 5000);
      sqlite3_extended_result_codes(db_, 1);
      rc = attachChildren(parent_);
    }
    if (rc == SQLITE_OK) rc = sql::exec(db_, "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) return failed(rc);
    rc = deleteChildren(parent_, record);
    if (rc == SQLITE_OK && !outcome_.restricted) {
      const KeyedSchema schema(parent_);
      sql::Statement del(db_, "DELETE FROM " + schema.qualifiedTable("main") + " WHERE rowid = ?1");
      del.bind(1, rowid);
      rc = del.step();
      if (rc == SQLITE_DONE && sqlite3_changes(db_) == 0) {
        outcome_.code = err::kRecordNotAvailable;
      } else if (rc == SQLITE_DONE) {
        rc = SQLITE_OK;
      }
    }
    if (rc != SQLITE_OK || outcome_.code != 0 || outcome_.restricted) {
      sql::exec(db_, "ROLLBACK");
      return rc != SQLITE_OK ? failed(rc) : outcome_;
    }
    if (hooks.beforeCommit) hooks.beforeCommit();
    if ((rc = sql::exec(db_, "COMMIT")) != SQLITE_OK) {
      sql::exec(db_, "ROLLBACK");
      return failed(rc);
    }
    for (const auto& file : touched_) ++fileGeneration(file);
    return outcome_;
  }

 private:
  CascadeOutcome failed(int rc) {
    outcome_.code = sql::storeCodeOf(rc);
    outcome_.driverError = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    return outcome_;
  }

  // Attaches the file of every table that a delete rule can reach, once per file.
  int attachChildren(const TableDecl& table) {
    touched_.insert(tablePath(workDir_, table));
    for (const auto& rel : allRelations()) {
      if (rel.parent != table.prefix || rel.onDelete == DeleteRule::None) continue;
      const TableDecl& child = *tableByPrefix(rel.child);
      const auto path = tablePath(workDir_, child);
      if (aliases_.count(child.file) || child.file == parent_.file) continue;
      std::error_code ec;
      if (!std::filesystem::exists(path, ec)) continue;  // no file, no children
      const std::string alias = "c" + std::to_string(aliases_.size() + 1);
      sql::Statement attach(db_, "ATTACH DATABASE ?1 AS " + alias);
      attach.bindText(1, path.string());
      if (const int rc = attach.step(); rc != SQLITE_DONE) return rc;
      aliases_[child.file] = alias;
      if (const int rc = attachChildren(child); rc != SQLITE_OK) return rc;
    }
    return SQLITE_OK;
  }

  std::optional<std::string> aliasOf(const TableDecl& t) const {
    if (t.file == parent_.file) return "main";
    const auto it = aliases_.find(t.file);
    if (it == aliases_.end()) return std::nullopt;
    return it->second;
  }

  int deleteChildren(const TableDecl& table, const Record& record) {
    for (const auto& rel : allRelations()) {
      if (rel.parent != table.prefix || rel.onDelete == DeleteRule::None) continue;
      const TableDecl& child = *tableByPrefix(rel.child);
      const auto alias = aliasOf(child);
      if (!alias) continue;
      if (const int rc = applyRule(rel, record, child, *alias); rc != SQLITE_OK) return rc;
      if (outcome_.restricted) return SQLITE_OK;
    }
    return SQLITE_OK;
  }

  int applyRule(const RelationDecl& rel, const Record& parentRecord, const TableDecl& child,
                const std::string& alias) {
    const KeyedSchema schema(child);
    const auto keyIndex = static_cast<std::size_t>(child.keyIndex(rel.childKey));
    // The children are the records whose leading key components equal the parent's link fields.
    Record probe(child);
    for (const auto& [parentField, childField] : rel.links)
      copyField(parentRecord, parentRecord.index(parentField), probe, probe.index(childField));
    const std::string from = schema.keys[keyIndex].encodePrefix(probe, rel.links.size());
    const auto to = keyPrefixEnd(from);
    const std::string where = " WHERE " + schema.keyColumn(keyIndex) + " >= ?1" +
                              (to ? " AND " + schema.keyColumn(keyIndex) + " < ?2" : "");
    const std::string table = schema.qualifiedTable(alias);

    sql::Statement children(db_, schema.selectSql("NULL", alias) + where);
    schema.bindKey(children, 1, keyIndex, from);
    if (to) schema.bindKey(children, 2, keyIndex, *to);
    std::vector<std::pair<std::int64_t, Record>> rows;
    int rc;
    while ((rc = children.step()) == SQLITE_ROW) {
      rows.emplace_back(children.integer(0), Record(child));
      schema.loadRecord(children, 3, rows.back().second);
    }
    if (rc != SQLITE_DONE) return rc;
    if (rows.empty()) return SQLITE_OK;

    switch (rel.onDelete) {
      case DeleteRule::Restrict:
        outcome_.restricted = true;
        outcome_.restrictingFile = child.file;
        return SQLITE_OK;
      case DeleteRule::Clear: {
        sql::Statement update(db_, schema.updateSql(false, alias));
        std::vector<std::string> values;  // kept alive until each step is done
        for (auto& [rowid, rec] : rows) {
          for (const auto& link : rel.links) {
            const int f = rec.index(link.second);
            if (isTextField(rec.field(f)))
              rec.setText(f, "");
            else
              rec.setInteger(f, 0);
          }
          schema.bindRecord(update, rec, values);
          update.bind(schema.parameterCount() + 1, rowid);
          rc = update.step();
          update.reset();
          if (rc != SQLITE_DONE) return rc;
        }
        return SQLITE_OK;
      }
      case DeleteRule::Cascade: {
        for (const auto& [rowid, rec] : rows)
          if ((rc = deleteChildren(child, rec)) != SQLITE_OK || outcome_.restricted) return rc;
        sql::Statement del(db_, "DELETE FROM " + table + where);
        schema.bindKey(del, 1, keyIndex, from);
        if (to) schema.bindKey(del, 2, keyIndex, *to);
        rc = del.step();
        return rc == SQLITE_DONE ? SQLITE_OK : rc;
      }
      case DeleteRule::None:
        return SQLITE_OK;
    }
    return SQLITE_OK;
  }

  static void copyField(const Record& from, int fromIndex, Record& to, int toIndex) {
    if (isTextField(from.field(fromIndex)))
      to.setText(toIndex, from.text(fromIndex));
    else
      to.setInteger(toIndex, from.integer(fromIndex));
  }

  const std::filesystem::path& workDir_;
  const TableDecl& parent_;
  sqlite3* db_ = nullptr;
  std::map<std::string, std::string> aliases_;  // child file -> attached schema name
  std::set<std::filesystem::path> touched_;
  CascadeOutcome outcome_;
};

}  // namespace

bool hasDeleteRules(const TableDecl& parent) {
  for (const auto& rel : allRelations())
    if (rel.parent == parent.prefix && rel.onDelete != DeleteRule::None) return true;
  return false;
}

CascadeOutcome deleteWithChildren(const std::filesystem::path& workDir, const TableDecl& parent,
                                  std::int64_t rowid, const Record& parentRecord,
                                  const CascadeHooks& hooks) {
  return CascadeRun(workDir, parent).run(rowid, parentRecord, hooks);
}

}  // namespace obrazac
