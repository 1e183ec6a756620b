// Short builders for the declarations in the dictionary tables, so each table reads like its
// record description: str("NAZIV", 50), dec("IZNOS7", 13, 2), key("KEYSIFRA", {"SIFRA"}, kPrimary).
#pragma once

#include <initializer_list>
#include <string>

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
};

// description is UTF-8 here and held as Windows-1250 in the declaration.
KeyDecl key(std::string name, std::initializer_list<std::string> components, unsigned flags,
            std::string_view description = {});

FieldRule rangeRule(std::string field, std::int64_t low, std::int64_t high, std::string_view label);

}  // namespace obrazac::decl
