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

// Flushes a folder's entries (new names, renames) to disk; false when that fails.
bool syncFolder(const std::filesystem::path& folder);

}  // namespace obrazac
