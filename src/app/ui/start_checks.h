// What the desktop settles before its frame opens: a replacement of table files that a crash
// interrupted is finished or rolled back (and the user told what could not be), and a working
// folder whose parameters name another place is offered its own folders.
#pragma once

#include <filesystem>

#include "frame/ui/prompter.h"

namespace obrazac::ui {

void settleWorkingFolder(Prompter& prompter, const std::filesystem::path& workDir);

// When the parameters name another folder than `workDir`, asks whether to set them to this one
// and does on Yes; at start and after a run that replaced the tables.
void offerOwnFolders(Prompter& prompter, const std::filesystem::path& workDir);

}  // namespace obrazac::ui
