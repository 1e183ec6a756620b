// Copies one table file as a whole, for export, import and the previous-year takeover. A keyed
// table (an SQLite database) is copied through the online backup inside one read transaction, so
// the copy holds the table as one committed state even while a window of the program writes it
// and a hot journal left by a crash is rolled back first; any other table file (a text-file table
// named .DAT) is copied byte for byte. The copy is flushed to disk before it counts as made.
#pragma once

#include <filesystem>
#include <string>

namespace obrazac {

// Copies `from` to `to`, which must not exist yet. Returns an empty string on success, else why
// the copy failed (UTF-8); a failed copy leaves no file at `to`.
std::string copyTableFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Puts a copy made by copyTableFile back into `to`. A keyed table is written through the online
// backup as one transaction, so a connection that holds it open (here or in another process)
// reads the restored rows, and a hot journal left by a crash is rolled back before; any other
// file is copied beside `to` and renamed over it. Returns why it failed, or an empty string.
std::string restoreTableFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Flushes a folder's entries (new names, renames) to disk; false when that fails.
bool syncFolder(const std::filesystem::path& folder);

}  // namespace obrazac
