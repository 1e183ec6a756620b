#include "data/csv_text.h"

namespace obrazac {
namespace {

// The header row's separator: the first comma or semicolon outside quotes on the first line.
char separatorOf(std::string_view text) {
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == ',' || c == ';') return c;
    if (c == '\n') break;
  }
  return ',';
}

}  // namespace

CsvText readCsv(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const char separator = separatorOf(text);
  CsvText out;
  CsvRow row;
  std::string field;
  int line = 1;
  bool quoted = false;
  bool rowHasText = false;  // a line of nothing but blanks is no row
  auto endRow = [&] {
    if (rowHasText) {
      row.fields.push_back(std::move(field));
      out.rows.push_back(std::move(row));
    }
    row = CsvRow{line + 1, {}};
    field.clear();
    rowHasText = false;
  };
  row.line = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (c == '\n') ++line;
        field += c;
      }
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\n') {
      endRow();
      ++line;
      continue;
    }
    if (c != ' ' && c != '\t') rowHasText = true;
    if (c == '"') {
      quoted = true;
    } else if (c == separator) {
      row.fields.push_back(std::move(field));
      field.clear();
    } else {
      field += c;
    }
  }
  if (quoted) {
    out.rows.clear();
    out.error = "navodnik otvoren u retku " + std::to_string(row.line) + " nije zatvoren";
    return out;
  }
  endRow();
  return out;
}

}  // namespace obrazac
