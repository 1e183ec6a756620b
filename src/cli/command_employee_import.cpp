// obrazac-cli employee import: an obligor's employees with their monthly rows from a UTF-8 CSV
// file whose header row names the columns by the options of employee add ("jmbg", "year",
// "iv8" ...). An empty cell is a field not typed. Every row is checked as the monthly-data form
// checks it and the rows are stored all or none; each refused row is reported with its line.
#include <fstream>
#include <iterator>
#include <ostream>

#include "cli/register_command.h"
#include "data/csv_text.h"
#include "register/employee_import.h"

namespace obrazac::cli {
namespace {

const std::span<const RegisterOption> kOptions = employeeOptions();

// The option of each column of the header row; nothing when a column is unknown or repeated.
std::optional<std::vector<const RegisterOption*>> columnsOf(const CsvRow& header,
                                                            std::string& why) {
  std::vector<const RegisterOption*> columns;
  for (const auto& name : header.fields) {
    const RegisterOption* option = findOption(kOptions, name);
    if (!option || name.starts_with("--")) {
      why = "nepoznat stupac '" + name + "'";
      return std::nullopt;
    }
    for (const auto* taken : columns)
      if (taken == option) {
        why = "stupac '" + name + "' je dvaput";
        return std::nullopt;
      }
    columns.push_back(option);
  }
  return columns;
}

ImportRow rowOf(const CsvRow& csv, const std::vector<const RegisterOption*>& columns,
                const Record& start) {
  ImportRow row{csv.line, start, {}, std::nullopt};
  if (csv.fields.size() != columns.size()) {
    row.unreadable = CheckFailure{"redak ima " + std::to_string(csv.fields.size()) +
                                      " polja, a zaglavlje " + std::to_string(columns.size()),
                                  ""};
    return row;
  }
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const std::string& value = csv.fields[i];
    if (value.empty()) continue;
    if (auto error = enterValue(row.rad, *columns[i], value)) {
      row.unreadable = CheckFailure{*error, std::string(columns[i]->field)};
      return row;
    }
    row.typed.insert(row.rad.field(row.rad.index(columns[i]->field)).name);
  }
  return row;
}

}  // namespace

int importEmployees(const Invocation& inv, Context& ctx, std::span<const std::string> args) {
  if (args.empty() || args[0].starts_with("--")) throw UsageError("nedostaje datoteka (CSV)");
  const std::filesystem::path file = args[0];
  const RegisterWords words = parseRegisterWords(args.subspan(1), {}, {"--employer"});
  const int employer = numberOption(words, "--employer");

  std::ifstream in(file, std::ios::binary);
  if (!in) {
    inv.err << "Datoteka " << file.string() << " se ne može čitati\n";
    return 1;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const CsvText csv = readCsv(text);
  if (csv.error) {
    inv.err << file.string() << ": " << *csv.error << "\n";
    return 1;
  }
  if (csv.rows.size() < 2) {
    inv.err << file.string() << ": nema zaglavlja i redaka\n";
    return 1;
  }
  std::string why;
  const auto columns = columnsOf(csv.rows.front(), why);
  if (!columns) {
    inv.err << file.string() << ": " << why << "\n";
    return 1;
  }

  Record start(ctx.table("RAD").decl());
  if (Status started = newMonthlyRow(ctx, employer, start); !started.ok())
    return failed(inv, started);
  std::vector<ImportRow> rows;
  for (std::size_t i = 1; i < csv.rows.size(); ++i)
    rows.push_back(rowOf(csv.rows[i], *columns, start));

  const SystemClock clock;
  const ImportOutcome outcome = importMonthlyRows(ctx, clock, rows);
  for (const auto& w : outcome.warnings)
    inv.err << "Redak " << w.line << ": " << w.failure.message << "\n";
  for (const auto& r : outcome.refusals)
    inv.err << "Redak " << r.line << ": " << failureText(r.failure, kOptions, true) << "\n";
  if (!outcome.refusals.empty()) {
    inv.err << "Ništa nije uvezeno: odbijeno " << outcome.refusals.size() << " od " << rows.size()
            << " redaka.\n";
    return 1;
  }
  if (!outcome.status.ok()) {
    inv.err << "Ništa nije uvezeno: " << outcome.status.text() << "\n";
    return 1;
  }
  inv.out << "Uvezeno " << outcome.saved << " redaka za obveznika " << employer << ".\n";
  return 0;
}

}  // namespace obrazac::cli
