// The obligors, or one obligor's employees, as the list commands print them (table_output.h):
// the columns are the register options, under the lists' headers in the table for people and
// under the option names (which the employee import reads back) in CSV and JSON.
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
