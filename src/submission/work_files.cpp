#include "submission/work_files.h"

namespace obrazac::submission {

WorkFilePreparation prepareWorkFile(Table& file) {
  file.close();
  if (const int rc = file.open(AccessMode::DenyAll)) return {WorkFileStep::Open, rc};
  if (const int rc = file.empty()) return {WorkFileStep::Empty, rc};
  return {};
}

int appendLine(Table& file, std::string_view line) {
  Record& r = file.record();
  std::size_t at = 0;
  for (int i = 0; i < r.fieldCount(); ++i) {
    const auto width = static_cast<std::size_t>(r.field(i).size);
    r.setText(i, at < line.size() ? line.substr(at, width) : std::string_view{});
    at += width;
  }
  return file.append();
}

void reopenShared(Table& file) {
  file.close();
  file.open(AccessMode::DenyWrite);
}

std::string_view workFileName(const Table& file) {
  std::string_view name = file.decl().file;
  return name.substr(0, name.find('.'));
}

}  // namespace obrazac::submission
