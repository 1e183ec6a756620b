// How one keyed table's declaration lies in its SQLite file: a table named after the file,
// a column per field (text as UTF-8 without trailing blanks, DECIMAL as an integer of its last
// place, DATE as its day number), a row version for change detection and one indexed column per
// key holding the key's order-preserving encoding. A row-number key (KeyDecl::rowNumber) has no
// column or index of its own: its field is the row identifier.
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
  std::string columnList;   // the field columns, quoted, comma separated
  int rowNumberKey = -1;    // the key kept as the row identifier, or -1
  int rowNumberField = -1;  // its field

  bool hasIndex(std::size_t key) const { return static_cast<int>(key) != rowNumberKey; }

  // SELECT rowid, _version, <walkKey>, the fields FROM the table (in an attached file when an
  // alias is given).
  std::string selectSql(const std::string& walkKey, const std::string& alias = {}) const;
  std::string qualifiedTable(const std::string& alias) const {
    return alias.empty() ? table : alias + "." + table;
  }
  std::string keyColumn(std::size_t key) const;  // quoted: "_k_KEYNAZIV", rowid for the row number
  std::string indexName(std::size_t key) const;  // quoted: "TBPOSLOD_KEYNAZIV"
  std::string createTableSql() const;
  std::string createIndexSql(std::size_t key) const;
  std::string dropIndexSql(std::size_t key) const;
  std::string insertSql() const;  // binds the fields, then every key column
  std::string updateSql(
      bool watched, const std::string& alias = {}) const;  // ... WHERE rowid = ? [AND _version = ?]
  int parameterCount() const {
    return static_cast<int>(decl->fields.size() + keys.size()) - (rowNumberKey >= 0 ? 1 : 0);
  }

  // Binds fields and key encodings from parameter 1 on. Text in UTF-8 and the key encodings are
  // made in `values` (one buffer per parameter, kept from record to record so their storage is
  // reused) and bound in place, so `values` must stay untouched until the statement is reset.
  void bindRecord(sql::Statement& s, const Record& r, std::vector<std::string>& values) const;
  // Binds an encoded key, or the leading part of one, for comparison with the key column by =,
  // >= or <: as a blob, or for the row-number key as the lowest number whose key is not below it.
  void bindKey(sql::Statement& s, int param, std::size_t key, std::string_view encoded) const;
  // Binds a walk's place for the row-value comparison (key column, rowid) against (?key, ?row);
  // row 0 stands before every row of its key.
  void bindPlace(sql::Statement& s, int keyParam, int rowParam, std::size_t key,
                 std::string_view encoded, std::int64_t row) const;
  // The encoded key in column `col` of a result that selected the key column.
  void readKey(const sql::Statement& s, int col, std::size_t key, std::string& out) const;
  // Reads the field columns starting at column `first` into the record.
  void loadRecord(const sql::Statement& s, int first, Record& r) const;
};

}  // namespace obrazac
