// Where the copy to removable media goes. The old target "A:\VELOR.RM0" names a drive this
// platform does not have: the dialog offers the first mounted removable medium that takes files,
// else the target the user copied to last, and takes any path the user types or chooses.
#pragma once

#include <QString>

namespace obrazac::ui {

class SettingsManager;

// The proposal for a file named `fileName` ("VELOR.RM0" or the obligor's file name).
QString proposedCopyTarget(const SettingsManager& settings, const QString& fileName);

// Remembers the target of a successful copy for the next proposal.
void rememberCopyTarget(const SettingsManager& settings, const QString& target);

// Copies `source` over `target` (the old target removed first). Returns the system's reason of a
// failure, or an empty string.
QString copyOver(const QString& source, const QString& target);

}  // namespace obrazac::ui
