#include "cli/table_output.h"

#include <algorithm>
#include <ostream>

#include "cli/escaping.h"

namespace obrazac::cli {
namespace {

// Characters of UTF-8 text: every byte that does not continue a character.
std::size_t characters(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

void writeText(std::ostream& out, std::span<const OutputColumn> columns,
               const std::vector<OutputRow>& rows) {
  std::vector<std::size_t> shown, widths;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].header.empty()) continue;
    std::size_t w = characters(columns[i].header);
    for (const auto& r : rows) w = std::max(w, characters(r[i]));
    shown.push_back(i);
    widths.push_back(w);
  }
  auto line = [&](auto cell) {
    std::string text;
    for (std::size_t k = 0; k < shown.size(); ++k) {
      const std::string value(cell(shown[k]));
      const std::string pad(widths[k] - characters(value), ' ');
      if (k) text += "  ";
      text += columns[shown[k]].kind == CellKind::Text ? value + pad : pad + value;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    out << text << "\n";
  };
  line([&](std::size_t i) { return columns[i].header; });
  for (const auto& r : rows) line([&r](std::size_t i) { return r[i]; });
}

void writeCsv(std::ostream& out, std::span<const OutputColumn> columns,
              const std::vector<OutputRow>& rows) {
  for (std::size_t i = 0; i < columns.size(); ++i) out << (i ? "," : "") << columns[i].name;
  out << "\n";
  for (const auto& r : rows) {
    for (std::size_t i = 0; i < columns.size(); ++i)
      out << (i ? "," : "") << (columns[i].kind == CellKind::Text ? csvField(r[i]) : r[i]);
    out << "\n";
  }
}

void writeJson(std::ostream& out, std::span<const OutputColumn> columns,
               const std::vector<OutputRow>& rows) {
  out << "[";
  for (std::size_t k = 0; k < rows.size(); ++k) {
    out << (k ? ",\n " : "\n ") << "{";
    for (std::size_t i = 0; i < columns.size(); ++i)
      out << (i ? ", " : "") << jsonString(columns[i].name) << ": "
          << (columns[i].kind == CellKind::Number ? rows[k][i] : jsonString(rows[k][i]));
    out << "}";
  }
  out << (rows.empty() ? "]\n" : "\n]\n");
}

}  // namespace

void writeRows(std::ostream& out, OutputFormat format, std::span<const OutputColumn> columns,
               const std::vector<OutputRow>& rows) {
  switch (format) {
    case OutputFormat::Text:
      return writeText(out, columns, rows);
    case OutputFormat::Csv:
      return writeCsv(out, columns, rows);
    case OutputFormat::Json:
      return writeJson(out, columns, rows);
  }
}

}  // namespace obrazac::cli
