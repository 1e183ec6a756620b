// What a folder's tables answer to queries, for comparing two folders: every keyed table of the
// data dictionary that the folder holds, walked in insertion order and in the order of each of its
// keys, each record as the text of its fields; and the bytes of every other file.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "data/context.h"
#include "data/dictionary.h"
#include "support/temp_dir.h"

namespace obrazac::testing {

inline std::string recordText(const Record& r) {
  std::string line;
  for (int i = 0; i < r.fieldCount(); ++i) line += (i ? "|" : "") + r.display(i);
  return line;
}

// Records of one table in insertion order ("") and, unless left out, by each key (its name).
inline std::map<std::string, std::vector<std::string>> walkTable(Table& t, bool byKeys = true) {
  std::map<std::string, std::vector<std::string>> walks;
  if (t.open(AccessMode::ReadOnly) != 0) {
    walks["open"].push_back(std::to_string(t.error()));
    return walks;
  }
  const int keys = byKeys ? static_cast<int>(t.decl().keys.size()) : 0;
  for (int k = -1; k < keys; ++k) {
    auto& rows = walks[k < 0 ? "" : t.decl().keys[static_cast<std::size_t>(k)].name];
    t.clear();
    if (k < 0)
      t.setPhysical();
    else
      t.set(k);
    while (t.next() == 0) rows.push_back(recordText(t.record()));
  }
  t.close();
  return walks;
}

using FolderDump = std::map<std::string, std::map<std::string, std::vector<std::string>>>;

inline FolderDump dumpTables(const std::filesystem::path& dir, bool byKeys = true) {
  FolderDump dump;
  Context ctx(dir);
  for (const auto& decl : allTables()) {
    if (decl.kind != TableKind::Keyed || tableByFile(decl.file) != &decl) continue;
    if (!std::filesystem::exists(tablePath(dir, decl))) continue;
    dump[decl.file] = walkTable(ctx.table(decl.prefix), byKeys);
  }
  return dump;
}

// Every entry directly in a folder except the lock folder: names and, for files, their bytes.
inline std::map<std::string, std::string> folderContents(const std::filesystem::path& dir) {
  std::map<std::string, std::string> entries;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name == ".locks") continue;
    entries[name] = e.is_regular_file() ? readFile(e.path()) : std::string("<mapa>");
  }
  return entries;
}

// The same without the backups a table-replacing run keeps: a run that failed still leaves the
// backup it made first, and the tables beside it as they were.
inline std::map<std::string, std::string> folderContentsBesideBackups(
    const std::filesystem::path& dir) {
  auto entries = folderContents(dir);
  entries.erase("SIGURNOSNE_KOPIJE");
  return entries;
}

}  // namespace obrazac::testing
