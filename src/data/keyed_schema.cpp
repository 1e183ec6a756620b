#include "data/keyed_schema.h"

#include "data/codepage.h"
#include "data/fixed_width.h"

namespace obrazac {
namespace {

std::string tableNameOf(const TableDecl& decl) {
  std::string name = decl.file;
  const auto slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const auto dot = name.find('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

const char* sqlType(const FieldDecl& f) {
  return isTextField(f) ? "TEXT NOT NULL DEFAULT ''" : "INTEGER NOT NULL DEFAULT 0";
}

}  // namespace

KeyedSchema::KeyedSchema(const TableDecl& d) : decl(&d), table(sql::quoted(tableNameOf(d))) {
  for (const auto& k : d.keys) keys.push_back(CompiledKey::compile(d, k));
  for (const auto& f : d.fields) {
    if (!columnList.empty()) columnList += ", ";
    columnList += sql::quoted(f.name);
  }
}

std::string KeyedSchema::selectSql(const std::string& walkKey, const std::string& alias) const {
  return "SELECT rowid, _version, " + walkKey + ", " + columnList + " FROM " +
         qualifiedTable(alias);
}

std::string KeyedSchema::keyColumn(std::size_t key) const {
  return sql::quoted("_k_" + decl->keys[key].name);
}

std::string KeyedSchema::indexName(std::size_t key) const {
  return sql::quoted(tableNameOf(*decl) + "_" + decl->keys[key].name);
}

std::string KeyedSchema::createTableSql() const {
  std::string s = "CREATE TABLE IF NOT EXISTS " + table + " (";
  for (const auto& f : decl->fields) s += sql::quoted(f.name) + " " + sqlType(f) + ", ";
  s += "_version INTEGER NOT NULL DEFAULT 0";
  for (std::size_t k = 0; k < keys.size(); ++k) s += ", " + keyColumn(k) + " BLOB";
  return s + ")";
}

std::string KeyedSchema::createIndexSql(std::size_t key) const {
  return std::string("CREATE ") + (decl->keys[key].unique ? "UNIQUE " : "") +
         "INDEX IF NOT EXISTS " + indexName(key) + " ON " + table + " (" + keyColumn(key) + ")";
}

std::string KeyedSchema::dropIndexSql(std::size_t key) const {
  return "DROP INDEX IF EXISTS " + indexName(key);
}

std::string KeyedSchema::insertSql() const {
  std::string cols = columnList, params;
  for (std::size_t k = 0; k < keys.size(); ++k) cols += ", " + keyColumn(k);
  for (int i = 0; i < parameterCount(); ++i) params += i ? ", ?" : "?";
  return "INSERT INTO " + table + " (" + cols + ") VALUES (" + params + ")";
}

std::string KeyedSchema::updateSql(bool watched, const std::string& alias) const {
  std::string s = "UPDATE " + qualifiedTable(alias) + " SET ";
  for (const auto& f : decl->fields) s += sql::quoted(f.name) + " = ?, ";
  for (std::size_t k = 0; k < keys.size(); ++k) s += keyColumn(k) + " = ?, ";
  s += "_version = _version + 1 WHERE rowid = ?";
  if (watched) s += " AND _version = ?";
  return s;
}

void KeyedSchema::bindRecord(sql::Statement& s, const Record& r,
                             std::vector<std::string>& values) const {
  values.resize(static_cast<std::size_t>(parameterCount()));
  int p = 1;
  for (int i = 0; i < r.fieldCount(); ++i, ++p) {
    if (isTextField(r.field(i))) {
      std::string& utf8 = values[static_cast<std::size_t>(p - 1)];
      utf8.clear();
      appendUtf8FromCp1250(utf8, clipRight(r.text(i)));
      s.bindTextInPlace(p, utf8);
    } else {
      s.bind(p, r.integer(i));
    }
  }
  for (const auto& k : keys) {
    std::string& encoded = values[static_cast<std::size_t>(p - 1)];
    if (k.encode(r, encoded))
      s.bindBlobInPlace(p++, encoded);
    else
      s.bindNull(p++);
  }
}

void KeyedSchema::loadRecord(const sql::Statement& s, int first, Record& r) const {
  for (int i = 0; i < r.fieldCount(); ++i) {
    if (isTextField(r.field(i)))
      r.setTextFromUtf8(i, s.text(first + i));
    else
      r.setInteger(i, s.integer(first + i));
  }
}

}  // namespace obrazac
