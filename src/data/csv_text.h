// Comma-separated text as spreadsheets write it: a header row and data rows, fields quoted with
// doubled quotes where they hold the separator, a quote or a line break. The separator is the
// comma, or the semicolon where the header row uses it (spreadsheets of locales with a decimal
// comma); line ends are LF or CR LF, a UTF-8 byte order mark before the header is dropped, and
// blank lines are passed over. Every row keeps the line it starts on, for reports.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace obrazac {

struct CsvRow {
  int line = 0;  // 1-based line of the text where the row starts
  std::vector<std::string> fields;
};

struct CsvText {
  std::vector<CsvRow> rows;          // the header row first
  std::optional<std::string> error;  // a quote left open, with its line; rows are then empty
};

CsvText readCsv(std::string_view text);

}  // namespace obrazac
