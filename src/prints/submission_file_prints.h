// The pages of any submission file, as the formal control prints them: page A from the file's
// first form header (stored as form "999" followed by the sender's unit number, with the file's
// control number) and the B pages from the rows of that first form (the print table refilled).
// Only the first form of a file is printed. The chosen file is read from a copy over the work
// file TBSLOG3.TXT; failures are shown through the reporter and give no link.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "data/context.h"
#include "frame/run_reporter.h"
#include "prints/page_b_print.h"

namespace obrazac::prints {

// Stores page A of the file's first form in TBOBRAZA.DAT, replacing an earlier one of the same
// identifier and payment type. Returns its form link, to print with the control number shown.
// A file without a form header gives nullopt and "There are no records available to process.".
std::optional<std::string> preparePageAFromFile(Context& ctx, const std::filesystem::path& file,
                                                RunReporter& reporter);

// Refills the page B print table with the rows of the file's first form and the fillers of its
// last page. Returns what the page header shows and which link to print.
std::optional<PageBHeader> preparePageBFromFile(Context& ctx, const std::filesystem::path& file,
                                                RunReporter& reporter);

}  // namespace obrazac::prints
