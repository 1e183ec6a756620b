#include "data/dictionary_builders.h"

#include "data/codepage.h"

namespace obrazac::decl {

KeyDecl key(std::string name, std::initializer_list<std::string> components, unsigned flags,
            std::string_view description) {
  KeyDecl k;
  k.name = std::move(name);
  k.components = components;
  k.unique = (flags & kUnique) != 0;
  k.primary = (flags & kPrimary) == kPrimary;
  k.nocase = (flags & kNoCase) != 0;
  k.autoNumber = (flags & kAutoNumber) != 0;
  k.rowNumber = (flags & kRowNumber) != 0;
  k.description = cp1250(description);
  return k;
}

FieldRule rangeRule(std::string field, std::int64_t low, std::int64_t high,
                    std::string_view label) {
  return {std::move(field), low, high, cp1250(label)};
}

TableDecl keyed(std::string file, std::string prefix, std::vector<FieldDecl> fields,
                std::vector<KeyDecl> keys, KeyedAttrs attrs) {
  TableDecl t;
  t.file = std::move(file);
  t.prefix = std::move(prefix);
  t.kind = TableKind::Keyed;
  t.create = attrs.create;
  t.oem = attrs.oem;
  t.fields = std::move(fields);
  t.keys = std::move(keys);
  return t;
}

TableDecl textFile(std::string file, std::string prefix, std::vector<FieldDecl> fields) {
  TableDecl t;
  t.file = std::move(file);
  t.prefix = std::move(prefix);
  t.kind = TableKind::Text;
  t.create = true;
  t.oem = false;
  t.fields = std::move(fields);
  return t;
}

TableDecl redeclared(const TableDecl& first, std::string prefix) {
  TableDecl t = first;
  t.prefix = std::move(prefix);
  t.rules.clear();
  return t;
}

}  // namespace obrazac::decl
