// The collective assembly ("&Odredi zbirni HASH"): the forms of every obligor in the list of
// processed obligors (TBTMPDAT.DAT), taken from their output files in the order they were
// listed, joined under one sender record and one closing record into "VELOR.RM0" in the output
// folder, whose control number is then stored on the page A of each listed form.
//
// A listed file that cannot be read, a line that cannot be written or a failed hash ends the
// assembly with result Failed; like a refused or killed assembly it leaves the pages A and the
// old collective file as they were.
#pragma once

#include <filesystem>
#include <string>

#include "data/context.h"
#include "data/date.h"
#include "frame/run_reporter.h"
#include "submission/finish_submission.h"

namespace obrazac::submission {

struct CollectiveOutcome {
  RunResult result = RunResult::Started;
  std::filesystem::path file;  // VELOR.RM0 in the output folder, once produced
  std::string controlNumber;   // its 40 digits
  int forms = 0;               // type 3 records joined
};

CollectiveOutcome runCollectiveAssembly(Context& ctx, Date sendingDate, RunReporter& reporter);

}  // namespace obrazac::submission
