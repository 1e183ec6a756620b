#include "data/dictionary.h"

#include <strings.h>

namespace obrazac {

const TableDecl* tableByPrefix(std::string_view prefix) {
  for (const auto& t : allTables())
    if (t.prefix == prefix) return &t;
  return nullptr;
}

const TableDecl* tableByFile(std::string_view fileName) {
  for (const auto& t : allTables())
    if (t.file.size() == fileName.size() &&
        strncasecmp(t.file.data(), fileName.data(), fileName.size()) == 0)
      return &t;
  return nullptr;
}

}  // namespace obrazac
