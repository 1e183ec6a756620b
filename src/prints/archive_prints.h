// The prints of the sending archive and of a month's sending: the list of archived files (one
// band per file: number, name and version, kind, period, date of sending, obligors, control
// number) and the summary of a month's run, line by line under its title.
#pragma once

#include <string>
#include <vector>

#include "data/date.h"
#include "prints/page.h"
#include "submission/archive.h"

namespace obrazac::prints {

Pages printArchiveList(const std::vector<submission::ArchiveEntry>& entries, const Clock& clock);

// `lines` UTF-8, each wrapped within the page.
Pages printSummary(const std::string& title, const std::vector<std::string>& lines,
                   const Clock& clock);

}  // namespace obrazac::prints
