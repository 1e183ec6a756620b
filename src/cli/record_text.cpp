#include "cli/record_text.h"

#include "cli/command.h"

namespace obrazac::cli {

std::string recordLine(const Record& record) {
  std::string line;
  const std::string& prefix = record.decl().prefix;
  for (int i = 0; i < record.fieldCount(); ++i) {
    if (i) line += " | ";
    line += prefix + ":" + record.field(i).name + "=" + record.display(i);
  }
  return line;
}

void assignFields(Record& record, std::span<const std::string> assignments) {
  for (const auto& word : assignments) {
    const auto eq = word.find('=');
    if (eq == std::string::npos) throw UsageError("očekujem POLJE=VRIJEDNOST, a ne '" + word + "'");
    const std::string name = word.substr(0, eq);
    const int index = record.find(name);
    if (index < 0) throw UsageError("tablica " + record.decl().file + " nema polje '" + name + "'");
    if (const auto problem = record.assign(index, word.substr(eq + 1)))
      throw UsageError(name + ": " + *problem);
  }
}

}  // namespace obrazac::cli
