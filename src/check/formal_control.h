// The formal control of a submission file ("&Kontrola datoteke"): any file in the record format
// of the register, produced here or elsewhere, is copied over TBVELOR1.TXT in the working folder
// and read line by line; every line becomes a row of TBIZLAZ.DAT and every finding a row of
// TBIZLAZ1.DAT, both filled by append with one key build at the end. The file itself is never
// changed, and findings never stop the run. Besides the checks of each record, the file as a
// whole is checked: a file that is empty, opens or ends with the wrong record, leaves a form
// without its closing record, has lines of another length or data behind a Ctrl-Z gets
// findings of type "F", so that no such file passes as a submission file without errors.
//
// A file that cannot be taken (missing, a folder, unreadable), an authorised person still to be
// entered, or work tables that cannot be taken or written end the run with a message; the
// outcome then says the file was not checked.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "data/context.h"
#include "data/date.h"
#include "data/status.h"
#include "frame/run_reporter.h"

namespace obrazac::check {

struct FormalControlOutcome {
  Status status;              // ok: every line was read and its findings are in the tables
  std::int64_t lines = 0;     // lines read
  std::int64_t errors = 0;    // findings of type "F"
  std::int64_t warnings = 0;  // findings of type "U"
};

FormalControlOutcome runFormalControl(Context& ctx, const std::filesystem::path& file,
                                      const Clock& clock, RunReporter& reporter);

// The message of a run refused for an authorised person still to be entered.
inline constexpr std::string_view kAuthorisedPersonMessage =
    "Ispravite podatke o ovlaštenoj osobi.| Ispravak izvršite kroz "
    "Servisi/Aplikacijski parametri";

// The message of a run the user stopped; both work tables are then left empty.
inline constexpr std::string_view kStoppedMessage = "Kontrola datoteke je prekinuta.";

}  // namespace obrazac::check
