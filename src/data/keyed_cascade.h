// Deleting a record together with its children by the declared delete rules (cascade, clear,
// restrict), in one transaction over every file involved: the parent's file with the children's
// files attached, so that a crash in the middle leaves all of it or none of it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "data/record.h"

namespace obrazac {

struct CascadeOutcome {
  int code = 0;                 // store error code; 0 when the record and its children are gone
  bool restricted = false;      // a restrict rule found children: nothing was deleted
  std::string restrictingFile;  // the child file of that rule
  std::string driverError;      // SQLite's own message behind code 90
};

struct CascadeHooks {
  // Runs after every delete was made and before the commit (lets tests pull the plug there).
  std::function<void()> beforeCommit;
};

CascadeOutcome deleteWithChildren(const std::filesystem::path& workDir, const TableDecl& parent,
                                  std::int64_t rowid, const Record& parentRecord,
                                  const CascadeHooks& hooks = {});

// Whether the table has a relation whose delete rule acts on its children.
bool hasDeleteRules(const TableDecl& parent);

}  // namespace obrazac
