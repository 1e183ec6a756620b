// How long a path the table store can open. SQLite takes the path of a database file of at most
// 511 bytes; a working folder deeper than that would fail at its first table with a bare "Path
// Not Found", so the folder is refused up front with the reason.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace obrazac {

inline constexpr std::size_t kLongestStorePath = 511;

// Why the table files of the working folder cannot be opened for the length of their paths
// (UTF-8, naming the folder and the lengths); nothing when every table file fits.
std::optional<std::string> storePathProblem(const std::filesystem::path& workDir);

}  // namespace obrazac
