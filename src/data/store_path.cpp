#include "data/store_path.h"

#include <algorithm>

#include "data/dictionary.h"

namespace obrazac {

std::optional<std::string> storePathProblem(const std::filesystem::path& workDir) {
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::absolute(workDir, ec).lexically_normal();
  std::size_t longestName = 0;
  for (const auto& decl : allTables())
    if (decl.kind == TableKind::Keyed) longestName = std::max(longestName, decl.file.size());
  const std::size_t length = (folder / "").string().size() + longestName;
  if (length <= kLongestStorePath) return std::nullopt;
  return "Putanja radne mape " + folder.string() + " je preduga za bazu podataka: s imenom " +
         "tablice ima " + std::to_string(length) + " znakova, a baza prima najviše " +
         std::to_string(kLongestStorePath) + ". Odaberite mapu s kraćom putanjom.";
}

}  // namespace obrazac
