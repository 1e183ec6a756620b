// The working folder the program runs in against the folders its parameters name: a folder
// copied, imported or restored elsewhere still names the old place, and its runs would write
// their files there. The desktop asks at start whether to set the folders to this one.
#pragma once

#include <filesystem>
#include <string>

#include "data/context.h"
#include "data/status.h"

namespace obrazac {

// The question to ask (UTF-8) when the parameters' working folder is another one than `workDir`;
// empty when it is this one or there is no parameter record yet.
std::string foreignFoldersQuestion(Context& ctx, const std::filesystem::path& workDir);

// Sets the working, input and output folders of the parameter record to `workDir` and saves it.
Status moveParameterFoldersHere(Context& ctx, const std::filesystem::path& workDir);

}  // namespace obrazac
