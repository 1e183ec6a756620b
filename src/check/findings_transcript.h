// The findings of the last formal control as the work table TBIZLAZ1.DAT keeps them, read back in
// the order of line number and field code, and their text transcript TBIZLAZ2.TXT in the working
// folder ("Prijepis u txt file"): lines of 89 characters, a message longer than 70 characters
// continued on a second line. The transcript is replaced on every run.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "check/finding.h"
#include "data/context.h"
#include "frame/run_reporter.h"

namespace obrazac::check {

// Calls `visit` with every finding in key order; `counted`, when given, first hears how many
// findings the table holds. Returns the store's error code (0 when the walk reached the end).
int forEachFinding(Context& ctx, const std::function<void(const Finding&)>& visit,
                   const std::function<void(std::int64_t)>& counted = {});

// The transcript lines of one finding, Windows-1250, 89 characters each: line number ("n5"),
// field code, type and characters 1-70 of the message; then, when characters 71-140 are not
// blank, a line with only those.
std::vector<std::string> transcriptLines(const Finding& finding);

struct TranscriptOutcome {
  bool written = false;
  std::int64_t findings = 0;
};

// Writes TBIZLAZ2.TXT. Without findings the file is left empty and the reporter is told "There
// are no records available to process."; at the end it is told where the file was formed.
TranscriptOutcome writeTranscript(Context& ctx, RunReporter& reporter);

}  // namespace obrazac::check
