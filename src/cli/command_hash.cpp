// obrazac-cli hash: the control number of any file, as four groups of ten digits joined by "-".
#include <ostream>

#include "cli/command.h"
#include "submission/control_number.h"

namespace obrazac::cli {

int runHash(const Invocation& inv) {
  requireArgCount(inv, 1, 1);
  const auto number = submission::controlNumberOfFile(requireArg(inv, 0, "datoteka"));
  if (!number.ok()) {
    inv.err << "Greška: " << number.error << "\n";
    return 1;
  }
  inv.out << submission::groupedControlNumber(number.digits) << "\n";
  return 0;
}

}  // namespace obrazac::cli
