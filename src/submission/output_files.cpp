#include "submission/output_files.h"

#include "data/codepage.h"
#include "data/file_replace.h"
#include "data/fixed_width.h"

namespace obrazac::submission {
namespace fs = std::filesystem;

std::string folderText(std::string_view storedCp1250) {
  std::string text = utf8FromCp1250(clipRight(storedCp1250));
  for (char& c : text)
    if (c == '\\') c = fs::path::preferred_separator;
  if (!text.empty() && text.back() != fs::path::preferred_separator)
    text.push_back(fs::path::preferred_separator);
  return text;
}

fs::path resolveInWorkDir(std::string_view pathText, const fs::path& workDir) {
  const fs::path p(pathText);
  return p.is_absolute() ? p : workDir / p;
}

fs::path outputFolder(std::string_view storedCp1250, const fs::path& workDir) {
  return resolveInWorkDir(folderText(storedCp1250), workDir);
}

std::string listedFileText(std::string_view outputText, std::string_view fileName) {
  constexpr std::size_t kListedWidth = 60;  // TBT:IMEFILE
  std::string text = cp1250FromUtf8(outputText);
  return text.size() <= kListedWidth ? text : cp1250FromUtf8(fileName);
}

fs::path listedFilePath(std::string_view listedCp1250, const fs::path& outputFolder,
                        const fs::path& workDir) {
  const std::string text = utf8FromCp1250(clipRight(listedCp1250));
  const fs::path p(text);
  if (!p.has_parent_path()) return outputFolder / p;
  return resolveInWorkDir(text, workDir);
}

std::string inputFileFailure(std::string_view shownName, std::string_view reason) {
  return "Greška kod preuzimanja podataka " + std::string(shownName) + ": " + std::string(reason);
}

std::string inputFileRefusal(const fs::path& file, std::string_view shownName) {
  if (shownName.empty()) return inputFileFailure(shownName, "nije navedena datoteka");
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (fs::is_regular_file(status)) return {};
  if (fs::is_directory(status)) return inputFileFailure(shownName, "to je mapa, a ne datoteka");
  if (status.type() == fs::file_type::not_found)
    return inputFileFailure(shownName, "datoteka ne postoji");
  if (ec) return inputFileFailure(shownName, ec.message());
  return inputFileFailure(shownName, "nije obična datoteka");
}

bool copyProducedFile(const fs::path& produced, const fs::path& target, RunReporter& reporter) {
  std::string error = replaceFileByCopy(produced, target);
  if (error.empty()) return true;
  reporter.message("Greška, file: " + produced.string() + " " + target.string() +
                   " Error=" + error);
  return false;
}

}  // namespace obrazac::submission
