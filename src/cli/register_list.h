// The obligors, or one obligor's employees, as the list commands print them: a table for people
// with aligned columns under the lists' headers (Croatian letters as UTF-8, each one column
// wide), or every option's field for scripts, as CSV under a header of the option names (which
// the employee import reads back) or as a JSON array of objects keyed by the same names, whole
// numbers as numbers and amounts as strings ("1234.57"), so no reader turns cents into a float.
#pragma once

#include <iosfwd>
#include <span>
#include <vector>

#include "cli/finding_output.h"
#include "cli/register_options.h"
#include "data/record.h"

namespace obrazac::cli {

void writeRegisterList(std::ostream& out, OutputFormat format,
                       std::span<const RegisterOption> options, const std::vector<Record>& rows);

}  // namespace obrazac::cli
