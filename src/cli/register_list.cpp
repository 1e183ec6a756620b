#include "cli/register_list.h"

#include "cli/table_output.h"

namespace obrazac::cli {

void writeRegisterList(std::ostream& out, OutputFormat format,
                       std::span<const RegisterOption> options, const std::vector<Record>& rows) {
  auto kindOf = [](EntryKind kind) {
    switch (kind) {
      case EntryKind::Text:
        return CellKind::Text;
      case EntryKind::Digits:
        return CellKind::Number;
      case EntryKind::Amount:
        return CellKind::Amount;
    }
    return CellKind::Text;
  };
  std::vector<OutputColumn> columns;
  for (const auto& o : options) columns.push_back({o.name, o.header, kindOf(o.kind)});
  std::vector<OutputRow> values;
  for (const auto& r : rows) {
    OutputRow& row = values.emplace_back();
    for (const auto& o : options) row.push_back(r.display(r.index(o.field)));
  }
  writeRows(out, format, columns, values);
}

}  // namespace obrazac::cli
