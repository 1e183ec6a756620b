#include "app/parameter_folders.h"

#include "app/application_parameters.h"
#include "data/fixed_width.h"

namespace obrazac {
namespace fs = std::filesystem;
namespace {

// The folder a folder field names; empty for a blank field.
fs::path namedFolder(const Record& apl, std::string_view field, const fs::path& workDir) {
  const std::string_view value = clipRight(apl.text(apl.index(field)));
  return value.empty() ? fs::path() : parameterFolder(value, workDir);
}

}  // namespace

std::string missingFolderWarning(const Record& apl, std::string_view field,
                                 const fs::path& workDir) {
  const fs::path folder = namedFolder(apl, field, workDir);
  if (folder.empty()) return {};
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return {};
  return "Upozorenje: mapa " + folder.string() + " ne postoji";
}

std::string makeParameterFolder(const Record& apl, std::string_view field,
                                const fs::path& workDir) {
  const fs::path folder = namedFolder(apl, field, workDir);
  if (folder.empty()) return {};
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return "mapu " + folder.string() + " nije moguće napraviti (" + ec.message() + ")";
  return {};
}

std::string makeParameterFolders(const Record& apl, const fs::path& workDir) {
  for (const char* field : {"ULAZDIR", "IZLAZDIR"})
    if (std::string why = makeParameterFolder(apl, field, workDir); !why.empty()) return why;
  return {};
}

}  // namespace obrazac
