// How one keyed table's declaration lies in its SQL table, in its SQLite file or in the server's
// database: a table named after the file, a column per field (text as UTF-8 without trailing
// blanks, DECIMAL as an integer of its last place, DATE as its day number), a row version for
// change detection and one indexed column per key holding the key's order-preserving encoding.
// On SQLite a row-number key (KeyDecl::rowNumber) has no column or index of its own: its field is
// the row identifier. On the server the row identifier is a column of its own (_row), and a
// row-number key is an ordinary unique key.
//
// The binding and reading functions take a statement type with sql::Statement's bind and column
// calls; they are instantiated for SQLite's statements and the server's (pg_connection.h).
#pragma once

#include <string>
#include <vector>

#include "data/key_encoding.h"
#include "data/sqlite_statement.h"

namespace obrazac {

enum class SqlDialect { Sqlite, Postgres };

struct KeyedSchema {
  explicit KeyedSchema(const TableDecl& decl, SqlDialect dialect = SqlDialect::Sqlite);

  const TableDecl* decl;
  SqlDialect dialect;
  std::string table;  // quoted: "TBPOSLOD"
  std::vector<CompiledKey> keys;
  std::string columnList;   // the field columns, quoted, comma separated
  int rowNumberKey = -1;    // the key kept as the row identifier, or -1
  int rowNumberField = -1;  // its field

  bool hasIndex(std::size_t key) const { return static_cast<int>(key) != rowNumberKey; }

  // The row identifier's column: rowid on SQLite, _row on the server.
  const char* rowId() const { return dialect == SqlDialect::Sqlite ? "rowid" : "_row"; }
  // The placeholder of parameter n (from 1): ?n on SQLite, $n on the server.
  std::string parameter(int n) const;

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
  // Binds the fields, then every key column; on the server it gives back the new row's _row,
  // or no row where a unique key already holds the values.
  std::string insertSql() const;
  std::string updateSql(
      bool watched, const std::string& alias = {}) const;  // ... WHERE rowid = ? [AND _version = ?]
  int parameterCount() const {
    return static_cast<int>(decl->fields.size() + keys.size()) - (rowNumberKey >= 0 ? 1 : 0);
  }

  // Binds fields and key encodings from parameter 1 on. Text in UTF-8 and the key encodings are
  // made in `values` (one buffer per parameter, kept from record to record so their storage is
  // reused) and bound in place, so `values` must stay untouched until the statement is reset.
  template <class S>
  void bindRecord(S& s, const Record& r, std::vector<std::string>& values) const;
  // Binds an encoded key, or the leading part of one, for comparison with the key column by =,
  // >= or <: as a blob, or for the row-number key as the lowest number whose key is not below it.
  template <class S>
  void bindKey(S& s, int param, std::size_t key, std::string_view encoded) const;
  // Binds a walk's place for the row-value comparison (key column, rowid) against (?key, ?row);
  // row 0 stands before every row of its key.
  template <class S>
  void bindPlace(S& s, int keyParam, int rowParam, std::size_t key, std::string_view encoded,
                 std::int64_t row) const;
  // The encoded key in column `col` of a result that selected the key column.
  template <class S>
  void readKey(const S& s, int col, std::size_t key, std::string& out) const;
  // Reads the field columns starting at column `first` into the record.
  template <class S>
  void loadRecord(const S& s, int first, Record& r) const;
};

}  // namespace obrazac
