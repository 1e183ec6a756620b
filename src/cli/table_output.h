// Rows of values as the list commands print them: a table for people with aligned columns under
// their headers (Croatian letters as UTF-8, each one column wide; a column without a header is
// left out there), or every column for scripts, as CSV under a header of the column names or as
// a JSON array of objects keyed by the same names, whole numbers as numbers and amounts as
// strings ("1234.57"), so no reader turns cents into a float.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/finding_output.h"

namespace obrazac::cli {

enum class CellKind {
  Text,    // left aligned, quoted in CSV, a string in JSON
  Number,  // right aligned, bare in CSV and JSON
  Amount,  // right aligned, bare in CSV, a string in JSON
};

struct OutputColumn {
  std::string_view name;    // CSV header and JSON key
  std::string_view header;  // the printed table's header; empty: not printed there
  CellKind kind = CellKind::Text;
};

// One row: a UTF-8 value for each column, in the columns' order.
using OutputRow = std::vector<std::string>;

void writeRows(std::ostream& out, OutputFormat format, std::span<const OutputColumn> columns,
               const std::vector<OutputRow>& rows);

}  // namespace obrazac::cli
