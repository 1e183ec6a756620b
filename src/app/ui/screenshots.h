// The program's main windows rendered to PNG files without a display: the frame, the list of
// kinds of calculation with its rows, its update form, the parameter form, the sending windows
// with a copy dialog, the list of forms with page A and its page B rows, the logo and the
// About window. Nothing asks the user anything; a message that would show goes to stderr.
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
