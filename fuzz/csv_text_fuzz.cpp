// Feeds arbitrary bytes as a CSV file of employee rows to the reader: nothing may crash, hang or
// read out of bounds, every row must start on a line of the text, and an open quote leaves no
// rows behind.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/csv_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const obrazac::CsvText csv = obrazac::readCsv(text);
  if (csv.error && !csv.rows.empty()) std::abort();
  int previous = 0;
  for (const auto& row : csv.rows) {
    if (row.line <= previous || row.fields.empty()) std::abort();
    previous = row.line;
  }
  return 0;
}
