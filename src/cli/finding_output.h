// The findings of the two checks in the forms other programs read: CSV with one header line and
// one row per finding, or one JSON document with the run's counts and the list of findings.
// Both checks give a finding the same shape (line, field, type, context, message), so a script
// reads the formal control of a submission file and the input check of a payroll file alike.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace obrazac::cli {

enum class OutputFormat { Text, Csv, Json };

// The value of --format among parsed options, Text when absent; throws UsageError otherwise.
OutputFormat outputFormat(const std::map<std::string, std::string>& options);

struct FindingRow {
  std::optional<std::int64_t> line;  // line of the checked file; the input check keeps none
  std::string field;                 // field code; empty when the check names no field
  std::optional<char> type;          // 'F' error, 'U' warning; the input check keeps none
  std::string context;               // UTF-8: whose data (the obligor, a person)
  std::string message;               // UTF-8
};

// The counts of a run, the JSON document's first members, in order ("lines": 6, ...).
using RunCounts = std::vector<std::pair<std::string_view, std::int64_t>>;

// Writes the findings as they are read, in the CSV or JSON format. What is not known of a
// finding is an empty CSV field and a JSON null. The JSON document is closed by finish().
class FindingsWriter {
 public:
  FindingsWriter(std::ostream& out, OutputFormat format, const RunCounts& counts);
  void add(const FindingRow& row);
  void finish();

 private:
  std::ostream& out_;
  OutputFormat format_;
  bool first_ = true;
};

}  // namespace obrazac::cli
