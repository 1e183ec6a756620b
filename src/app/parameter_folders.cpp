#include "app/parameter_folders.h"

#include "app/application_parameters.h"
#include "data/fixed_width.h"

namespace obrazac {
namespace fs = std::filesystem;

std::string missingFolderWarning(const Record& apl, std::string_view field,
                                 const fs::path& workDir) {
  const std::string_view value = clipRight(apl.text(apl.index(field)));
  if (value.empty()) return {};
  const fs::path folder = parameterFolder(value, workDir);
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return {};
  return "Upozorenje: mapa " + folder.string() + " ne postoji";
}

std::string makeParameterFolder(const Record& apl, std::string_view field,
                                const fs::path& workDir) {
  const std::string_view value = clipRight(apl.text(apl.index(field)));
  if (value.empty()) return {};
  const fs::path folder = parameterFolder(value, workDir);
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
