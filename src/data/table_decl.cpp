#include "data/table_decl.h"

#include <stdexcept>
#include <string>

namespace obrazac {
namespace {

std::string_view withoutPrefix(std::string_view name) {
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

[[noreturn]] void unknownName(const TableDecl& t, std::string_view what, std::string_view name) {
  throw std::logic_error("table " + t.file + " (" + t.prefix + ") has no " + std::string(what) +
                         " " + std::string(name));
}

}  // namespace

int TableDecl::findField(std::string_view name) const {
  const auto bare = withoutPrefix(name);
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (fields[i].name == bare) return static_cast<int>(i);
  return -1;
}

int TableDecl::findKey(std::string_view name) const {
  const auto bare = withoutPrefix(name);
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (keys[i].name == bare) return static_cast<int>(i);
  return -1;
}

int TableDecl::fieldIndex(std::string_view name) const {
  const int i = findField(name);
  if (i < 0) unknownName(*this, "field", name);
  return i;
}

int TableDecl::keyIndex(std::string_view name) const {
  const int i = findKey(name);
  if (i < 0) unknownName(*this, "key", name);
  return i;
}

int TableDecl::recordSize() const {
  int total = 0;
  for (const auto& f : fields) total += fieldBytes(f);
  return total;
}

int fieldBytes(const FieldDecl& f) {
  switch (f.type) {
    case FieldType::String:
      return f.size;
    case FieldType::Short:
      return 2;
    case FieldType::Long:
      return 4;
    case FieldType::Date:
      return 4;
    case FieldType::Decimal:
      return (f.size + 1) / 2;
    case FieldType::Memo:
      return 0;
  }
  return 0;
}

}  // namespace obrazac
