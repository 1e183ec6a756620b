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

bool canBeRowNumber(const TableDecl& d, const KeyDecl& k) {
  if (!k.rowNumber || !k.unique || k.components.size() != 1) return false;
  const int f = d.fieldIndex(k.components[0]);
  const FieldType type = d.fields[static_cast<std::size_t>(f)].type;
  return type == FieldType::Short || type == FieldType::Long;
}

// Where a key byte string falls among the row numbers: the lowest number whose key is not below
// it, and whether that number's key is the string itself. Beyond the highest number it stays at
// the highest.
struct NumberBound {
  std::int64_t number;
  bool exact;
};

NumberBound numberBound(std::string_view encoded) {
  constexpr std::size_t kWidth = 8;
  std::uint64_t biased = 0;
  for (std::size_t i = 0; i < kWidth; ++i)
    biased = biased << 8 | (i < encoded.size() ? static_cast<unsigned char>(encoded[i]) : 0U);
  NumberBound b{static_cast<std::int64_t>(biased ^ 0x8000000000000000ULL),
                encoded.size() == kWidth};
  if (encoded.size() > kWidth && b.number < INT64_MAX) ++b.number;  // above that number's key
  return b;
}

}  // namespace

KeyedSchema::KeyedSchema(const TableDecl& d) : decl(&d), table(sql::quoted(tableNameOf(d))) {
  for (const auto& k : d.keys) {
    if (rowNumberKey < 0 && canBeRowNumber(d, k)) {
      rowNumberKey = static_cast<int>(keys.size());
      rowNumberField = d.fieldIndex(k.components[0]);
    }
    keys.push_back(CompiledKey::compile(d, k));
  }
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
  if (!hasIndex(key)) return "rowid";
  return sql::quoted("_k_" + decl->keys[key].name);
}

std::string KeyedSchema::indexName(std::size_t key) const {
  return sql::quoted(tableNameOf(*decl) + "_" + decl->keys[key].name);
}

std::string KeyedSchema::createTableSql() const {
  std::string s = "CREATE TABLE IF NOT EXISTS " + table + " (";
  for (std::size_t i = 0; i < decl->fields.size(); ++i) {
    const FieldDecl& f = decl->fields[i];
    s += sql::quoted(f.name) + " " +
         (static_cast<int>(i) == rowNumberField ? "INTEGER PRIMARY KEY" : sqlType(f)) + ", ";
  }
  s += "_version INTEGER NOT NULL DEFAULT 0";
  for (std::size_t k = 0; k < keys.size(); ++k)
    if (hasIndex(k)) s += ", " + keyColumn(k) + " BLOB";
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
  for (std::size_t k = 0; k < keys.size(); ++k)
    if (hasIndex(k)) cols += ", " + keyColumn(k);
  for (int i = 0; i < parameterCount(); ++i) params += i ? ", ?" : "?";
  return "INSERT INTO " + table + " (" + cols + ") VALUES (" + params + ")";
}

std::string KeyedSchema::updateSql(bool watched, const std::string& alias) const {
  std::string s = "UPDATE " + qualifiedTable(alias) + " SET ";
  for (const auto& f : decl->fields) s += sql::quoted(f.name) + " = ?, ";
  for (std::size_t k = 0; k < keys.size(); ++k)
    if (hasIndex(k)) s += keyColumn(k) + " = ?, ";
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
    } else if (i == rowNumberField && r.integer(i) == 0) {
      s.bindNull(p);  // an insert takes the next number; an update is refused
    } else {
      s.bind(p, r.integer(i));
    }
  }
  for (std::size_t key = 0; key < keys.size(); ++key) {
    if (!hasIndex(key)) continue;
    const CompiledKey& k = keys[key];
    std::string& encoded = values[static_cast<std::size_t>(p - 1)];
    if (k.encode(r, encoded))
      s.bindBlobInPlace(p++, encoded);
    else
      s.bindNull(p++);
  }
}

void KeyedSchema::bindKey(sql::Statement& s, int param, std::size_t key,
                          std::string_view encoded) const {
  if (hasIndex(key))
    s.bindBlob(param, encoded);
  else
    s.bind(param, numberBound(encoded).number);
}

void KeyedSchema::bindPlace(sql::Statement& s, int keyParam, int rowParam, std::size_t key,
                            std::string_view encoded, std::int64_t row) const {
  if (hasIndex(key)) {
    s.bindBlob(keyParam, encoded);
    s.bind(rowParam, row);
    return;
  }
  // The row identifier is the number itself, so it breaks no ties: a place at a row is the
  // number, a place before a key's rows is below every row identifier.
  const NumberBound b = numberBound(encoded);
  s.bind(keyParam, b.number);
  s.bind(rowParam, b.exact && row != 0 ? row : INT64_MIN);
}

void KeyedSchema::readKey(const sql::Statement& s, int col, std::size_t key,
                          std::string& out) const {
  if (hasIndex(key)) {
    out.assign(s.blob(col));
  } else {
    out.clear();
    appendNumberKey(out, s.integer(col));
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
