// The folders the parameters name (working, input and output folder): a folder that does not
// exist is worth a warning when it is entered, since the runs would find nothing there or fail
// to write their files; a new installation makes its input and output folders at once.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/record.h"

namespace obrazac {

inline constexpr std::array<const char*, 3> kParameterFolders = {"RADDIR", "ULAZDIR", "IZLAZDIR"};

// The warning for a folder field of the APL buffer whose folder does not exist (UTF-8); empty
// when it exists or the field is blank.
std::string missingFolderWarning(const Record& apl, std::string_view field,
                                 const std::filesystem::path& workDir);

// Makes the folder a folder field of the APL buffer names. Returns why it could not be made.
std::string makeParameterFolder(const Record& apl, std::string_view field,
                                const std::filesystem::path& workDir);

// Makes the input and output folders of the APL buffer. Returns why one could not be made.
std::string makeParameterFolders(const Record& apl, const std::filesystem::path& workDir);

}  // namespace obrazac
