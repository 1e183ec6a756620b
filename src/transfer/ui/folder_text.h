// A folder as the transfer windows hold it in an entry: Windows-1250 text, blank padding
// removed when it becomes a path again.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace obrazac::ui {

// The entry's value for a folder (a name the code page cannot hold keeps what it can).
std::string folderField(const std::filesystem::path& folder);
// The folder an entry names, trailing blanks removed.
std::filesystem::path folderPath(const std::string& field);
QString folderText(const std::string& field);

}  // namespace obrazac::ui
