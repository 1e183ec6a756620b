// Short builders for the declarations in the dictionary tables, so each table reads like its
// record description: str("NAZIV", 50), dec("IZNOS7", 13, 2), key("KEYSIFRA", {"SIFRA"}, kPrimary).
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "data/table_decl.h"

namespace obrazac::decl {

inline FieldDecl str(std::string name, int size) {
  return {std::move(name), FieldType::String, size, 0};
}
inline FieldDecl shortInt(std::string name) {
  return {std::move(name), FieldType::Short, 2, 0};
}
inline FieldDecl longInt(std::string name) {
  return {std::move(name), FieldType::Long, 4, 0};
}
inline FieldDecl dec(std::string name, int digits, int places) {
  return {std::move(name), FieldType::Decimal, digits, places};
}
inline FieldDecl date(std::string name) {
  return {std::move(name), FieldType::Date, 4, 0};
}
inline FieldDecl memo(std::string name, int size) {
  return {std::move(name), FieldType::Memo, size, 0};
}

enum KeyFlags : unsigned {
  kDup = 0,
  kUnique = 1,
  kPrimary = 2 | kUnique,
  kNoCase = 4,
  kAutoNumber = 8,
  kRowNumber = 16,  // see KeyDecl::rowNumber; only on a unique key of one whole-number field
};

// description is UTF-8 here and held as Windows-1250 in the declaration.
KeyDecl key(std::string name, std::initializer_list<std::string> components, unsigned flags,
            std::string_view description = {});

FieldRule rangeRule(std::string field, std::int64_t low, std::int64_t high, std::string_view label);

struct KeyedAttrs {
  bool create = true;  // a missing file is created empty
  bool oem = true;     // declared with OEM text
};

// A keyed table; most are declared with create and OEM text, the rest say so: {.oem = false}.
TableDecl keyed(std::string file, std::string prefix, std::vector<FieldDecl> fields,
                std::vector<KeyDecl> keys, KeyedAttrs attrs = {});

// A text-file table: create, no OEM text, every field STRING laid side by side on the line.
TableDecl textFile(std::string file, std::string prefix, std::vector<FieldDecl> fields);

// The same file declared once more under another prefix, for a second buffer and position:
// same fields, keys and attributes; field rules stay with the first declaration.
TableDecl redeclared(const TableDecl& first, std::string prefix);

}  // namespace obrazac::decl
