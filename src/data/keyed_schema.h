// How one keyed table's declaration lies in its SQLite file: a table named after the file,
// a column per field (text as UTF-8 without trailing blanks, DECIMAL as an integer of its last
// place, DATE as its day number), a row version for change detection and one indexed column per
// key holding the key's order-preserving encoding.
#pragma once

#include <string>
#include <vector>

#include "data/key_encoding.h"
#include "data/sqlite_statement.h"

namespace obrazac {

struct KeyedSchema {
  explicit KeyedSchema(const TableDecl& decl);

  const TableDecl* decl;
  std::string table;  // quoted: "TBPOSLOD"
  std::vector<CompiledKey> keys;
  std::string columnList;  // the field columns, quoted, comma separated

  // SELECT rowid, _version, <walkKey>, the fields FROM the table (in an attached file when an
  // alias is given).
  std::string selectSql(const std::string& walkKey, const std::string& alias = {}) const;
  std::string qualifiedTable(const std::string& alias) const {
    return alias.empty() ? table : alias + "." + table;
  }
  std::string keyColumn(std::size_t key) const;  // quoted: "_k_KEYNAZIV"
  std::string indexName(std::size_t key) const;  // quoted: "TBPOSLOD_KEYNAZIV"
  std::string createTableSql() const;
  std::string createIndexSql(std::size_t key) const;
  std::string dropIndexSql(std::size_t key) const;
  std::string insertSql() const;  // binds the fields, then every key column
  std::string updateSql(
      bool watched, const std::string& alias = {}) const;  // ... WHERE rowid = ? [AND _version = ?]
  int parameterCount() const { return static_cast<int>(decl->fields.size() + keys.size()); }

  // Binds fields and key encodings from parameter 1 on. Text in UTF-8 and the key encodings are
  // made in `values` (one buffer per parameter, kept from record to record so their storage is
  // reused) and bound in place, so `values` must stay untouched until the statement is reset.
  void bindRecord(sql::Statement& s, const Record& r, std::vector<std::string>& values) const;
  // Reads the field columns starting at column `first` into the record.
  void loadRecord(const sql::Statement& s, int first, Record& r) const;
};

}  // namespace obrazac
