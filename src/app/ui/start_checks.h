// What the desktop settles before its frame opens: a replacement of table files that a crash
// interrupted is finished or rolled back (and the user told what could not be), and a working
// folder whose parameters name another place is offered its own folders.
#pragma once

#include <filesystem>

#include "frame/ui/prompter.h"

namespace obrazac::ui {

void settleWorkingFolder(Prompter& prompter, const std::filesystem::path& workDir);

}  // namespace obrazac::ui
