#include "submission/output_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "data/codepage.h"
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

std::string writeCopy(const fs::path& from, const fs::path& to) {
  using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
  File in(std::fopen(from.c_str(), "rb"), std::fclose);
  if (!in) return from.string() + ": " + std::strerror(errno);
  std::FILE* out = std::fopen(to.c_str(), "wb");
  if (!out) return to.string() + ": " + std::strerror(errno);
  std::string error;
  char buffer[1 << 16];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) {
    if (std::fwrite(buffer, 1, n, out) != n) {
      error = to.string() + ": " + std::strerror(errno);
      break;
    }
  }
  if (error.empty() && std::ferror(in.get())) error = from.string() + ": " + std::strerror(errno);
  if (error.empty() && (std::fflush(out) != 0 || fsync(fileno(out)) != 0))
    error = to.string() + ": " + std::strerror(errno);
  if (std::fclose(out) != 0 && error.empty()) error = to.string() + ": " + std::strerror(errno);
  return error;
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

std::string copyFileSafely(const fs::path& from, const fs::path& to) {
  const fs::path part = fs::path(to).concat(".part");
  std::string error = writeCopy(from, part);
  std::error_code ec;
  if (error.empty()) {
    fs::rename(part, to, ec);
    if (ec) error = to.string() + ": " + ec.message();
  }
  if (!error.empty()) fs::remove(part, ec);
  return error;
}

bool copyProducedFile(const fs::path& produced, const fs::path& target, RunReporter& reporter) {
  std::string error = copyFileSafely(produced, target);
  if (error.empty()) return true;
  reporter.message("Greška, file: " + produced.string() + " " + target.string() +
                   " Error=" + error);
  return false;
}

}  // namespace obrazac::submission
