// The program's windows rendered to PNG files without a display: the frame and its menus, the
// code lists with their forms, the tree, the parameter form, the logo, the About window, the
// transfer windows, the manual, and the progress window and print preview of the reports. Nothing asks the user anything; a message that would show goes to stderr.
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
