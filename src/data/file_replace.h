// How the program puts a work file or an output file in place: never by writing into the file
// that stands there, always by a new file renamed over its path. The new file is written beside
// the path as "<name>.part<process id>", every write and the flush to disk are checked, and only
// a complete file gets the name, so a reader finds the old file or the new one, whole, and a
// full disk leaves the old file as it was. A symbolic link standing at the path is itself
// replaced, never written through: a file outside the working folder stays as it is. A run that
// is killed half way leaves only its part file, which removeDeadRunParts() clears away once the
// run's process is gone.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace obrazac {

// Makes `path` a new file holding `bytes`, flushed to disk. `path` must not exist yet (a link
// there is refused, not followed). Returns why it failed (UTF-8), or an empty string; a failure
// leaves no file.
std::string writeNewFile(const std::filesystem::path& path, std::string_view bytes);
// The same with a copy of the file `from` (a link there is followed).
std::string copyToNewFile(const std::filesystem::path& from, const std::filesystem::path& path);

// Puts a new file holding `bytes`, or a copy of `from`, in place of `path`. `path` must be absent,
// a regular file or a link. Returns why it failed (UTF-8), or an empty string; `path` is then as
// it was.
std::string replaceFile(const std::filesystem::path& path, std::string_view bytes);
std::string replaceFileByCopy(const std::filesystem::path& from, const std::filesystem::path& path);

// The name under which this process writes the new file of `path`.
std::filesystem::path partFileOf(const std::filesystem::path& path);

// Removes the part files in `folder` (of every path, or only of `path` when given) whose
// process no longer lives.
void removeDeadRunParts(const std::filesystem::path& folder);
void removeDeadRunParts(const std::filesystem::path& folder, const std::filesystem::path& path);

// Whether the process of that id is gone.
bool processGone(long pid);

}  // namespace obrazac
