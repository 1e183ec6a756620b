// Export and import of all data: every table file of the working folder copied as a whole to
// another folder (a backup, another computer) and back. Files are copied directly, never through
// a command interpreter, so a folder name is only ever a folder name. Each copy is checked and a
// failure names its file; an import replaces the working tables all or nothing.
#pragma once

#include <filesystem>

#include "frame/run_reporter.h"

namespace obrazac {

enum class TransferOutcome {
  Done,       // the success message was shown
  Failed,     // a failure message was shown; an import left the working folder as it was
  Cancelled,  // the user declined the question; nothing changed, nothing shown
};

// Copies the table files of `workDir` into `target`, making the folder when it is missing.
// Exporting into the working folder itself copies nothing.
TransferOutcome exportData(const std::filesystem::path& workDir,
                           const std::filesystem::path& target, RunReporter& reporter);

// Replaces the working folder's tables by the table files of `source`, after the user confirms.
// A source without the obligors' table is refused before the question. The tables being replaced
// must not be open anywhere in the program while they are swapped.
TransferOutcome importData(const std::filesystem::path& workDir,
                           const std::filesystem::path& source, RunReporter& reporter);

}  // namespace obrazac
