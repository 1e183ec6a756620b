#include "cli/finding_output.h"

#include <ostream>

#include "cli/command.h"
#include "cli/escaping.h"

namespace obrazac::cli {
namespace {

void writeCsv(std::ostream& out, const FindingRow& row) {
  if (row.line) out << *row.line;
  out << ",";
  if (!row.field.empty()) out << csvField(row.field);
  out << ",";
  if (row.type) out << *row.type;
  out << "," << csvField(row.context) << "," << csvField(row.message) << "\n";
}

void writeJson(std::ostream& out, const FindingRow& row) {
  out << "{\"line\": ";
  if (row.line)
    out << *row.line;
  else
    out << "null";
  out << ", \"field\": " << (row.field.empty() ? "null" : jsonString(row.field))
      << ", \"type\": " << (row.type ? jsonString(std::string(1, *row.type)) : "null")
      << ", \"context\": " << jsonString(row.context)
      << ", \"message\": " << jsonString(row.message) << "}";
}

}  // namespace

OutputFormat outputFormat(const std::map<std::string, std::string>& options) {
  const auto it = options.find("--format");
  if (it == options.end() || it->second == "text") return OutputFormat::Text;
  if (it->second == "csv") return OutputFormat::Csv;
  if (it->second == "json") return OutputFormat::Json;
  throw UsageError("--format: text, csv ili json");
}

FindingsWriter::FindingsWriter(std::ostream& out, OutputFormat format, const RunCounts& counts)
    : out_(out), format_(format) {
  if (format_ == OutputFormat::Csv) out_ << "line,field,type,context,message\n";
  if (format_ != OutputFormat::Json) return;
  out_ << "{";
  for (const auto& [name, count] : counts) out_ << jsonString(name) << ": " << count << ", ";
  out_ << "\"findings\": [";
}

void FindingsWriter::add(const FindingRow& row) {
  if (format_ == OutputFormat::Csv) writeCsv(out_, row);
  if (format_ != OutputFormat::Json) return;
  out_ << (first_ ? "\n  " : ",\n  ");
  writeJson(out_, row);
  first_ = false;
}

void FindingsWriter::finish() {
  if (format_ == OutputFormat::Json) out_ << (first_ ? "]}\n" : "\n]}\n");
}

}  // namespace obrazac::cli
