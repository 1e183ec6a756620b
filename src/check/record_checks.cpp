#include "check/record_checks.h"

#include "check/field_check_list.h"
#include "data/record_format.h"

namespace obrazac::check {

RecordChecker::RecordChecker(CodeLookups& lookups, const Clock& clock)
    : lookups_(lookups),
      clock_(clock),
      lastHeader_(static_cast<std::size_t>(submission::kRecordWidth), ' ') {}

void RecordChecker::check(std::string_view line, FindingSink& sink) {
  if (line.size() != static_cast<std::size_t>(submission::kRecordWidth)) return;
  switch (line.back()) {
    case '0':
      return checkSender(line, sink);
    case '3':
      return checkFormHeader(line, sink);
    case '5':
      return checkRow(line, sink);
    case '7':
      return checkFormClosing(line, sink);
    case '9':
      return checkFileClosing(line, sink);
    default:
      return;
  }
}

std::string_view RecordChecker::obligorName() const {
  static const auto& name = recordField("RS3NAOB");
  return header(name);
}

}  // namespace obrazac::check
