// Takeover of the previous year's obligors and employees from the folder of last year's data:
// the obligors' table is taken over whole, and every employee row is converted into a fresh row
// of this year's employees' table (PreuzmiZaposlene): the person, the obligor and the codes are
// kept, the period starts empty (year and month 0, days 1 to 31), and amounts and rates are
// zero, because the monthly data are entered anew.
//
// The old employees are read from a consistent copy taken beside the working tables, through
// the employee declaration: the old table keeps its own name TBZAPOSL, and the columns the
// conversion reads are there both in this program's employee layout and in last year's longer
// layout. The obligors' table and the employees' table are replaced together or not at all.
#pragma once

#include <filesystem>

#include "frame/run_reporter.h"
#include "transfer/export_import.h"

namespace obrazac {

TransferOutcome takeOverPreviousYear(const std::filesystem::path& workDir,
                                     const std::filesystem::path& oldDir, RunReporter& reporter);

}  // namespace obrazac
