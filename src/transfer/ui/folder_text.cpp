#include "transfer/ui/folder_text.h"

#include "data/codepage.h"
#include "data/fixed_width.h"

namespace obrazac::ui {

std::string folderField(const std::filesystem::path& folder) {
  return cp1250FromUtf8(folder.string());
}

std::filesystem::path folderPath(const std::string& field) {
  return std::filesystem::path(utf8FromCp1250(clipRight(field)));
}

QString folderText(const std::string& field) {
  return QString::fromStdString(folderPath(field).string());
}

}  // namespace obrazac::ui
