// The program's windows rendered to PNG files without a display: the frame and its menus, the
// code lists with their forms, the tree, the parameter form, the obligors and employees, the
// sending windows with a copy dialog, the list of forms with page A and its page B rows, the
// check windows, the transfer windows, the manual, the logo, the About window, and the progress
// window and print preview of the reports. Nothing asks the user anything; a message that would
// show goes to stderr.
#pragma once

#include <QString>
#include <filesystem>

#include "frame/ui/error_manager.h"
#include "frame/ui/settings_manager.h"

namespace obrazac::ui {

// Returns the process exit code (0 when every picture was written).
int takeScreenshots(Prompter& prompter, ErrorManager& errors, SettingsManager& settings,
                    const std::filesystem::path& workDir, const QString& outDir);

}  // namespace obrazac::ui
