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
  k.description = cp1250(description);
  return k;
}

FieldRule rangeRule(std::string field, std::int64_t low, std::int64_t high,
                    std::string_view label) {
  return {std::move(field), low, high, cp1250(label)};
}

}  // namespace obrazac::decl
