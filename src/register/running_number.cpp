#include "register/running_number.h"

namespace obrazac {

int nextRunningNumber(Table& obligors) {
  const Record kept = obligors.record();
  const Position at = obligors.position();
  int next = 1;
  if (obligors.setLast("KEYREDBROJ") == 0 && obligors.previous() == 0) {
    const Record& last = obligors.record();
    next = static_cast<int>(last.integer(last.index("REDBROJ"))) + 1;
  }
  obligors.record() = kept;
  if (at != Position{}) obligors.reget(at);
  obligors.record() = kept;
  return next;
}

CheckResult checkRunningNumber(int number) {
  if (number > 0) return std::nullopt;
  return CheckFailure{"Redni broj firme mora biti veći od 0", "POS:REDBROJ"};
}

}  // namespace obrazac
