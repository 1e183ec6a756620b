// An obligor's employee rows taken from a file all or none: every row is entered and checked as
// the monthly-data form takes it, every refused row is reported with its line, and only when no
// row is refused are they all stored, in one transaction, so a failed import leaves the
// employees' table as it was.
#pragma once

#include <string>
#include <vector>

#include "data/status.h"
#include "register/monthly_entry.h"

namespace obrazac {

struct ImportRow {
  int line = 0;  // of the file, for the report
  Record rad;    // started by newMonthlyRow, then the row's values put in
  TypedFields typed;
  // A value the row could not take (not a number, too long): the row is refused with it and
  // not checked further.
  CheckResult unreadable;
};

struct RowReport {
  int line = 0;
  CheckFailure failure;  // or, in `warnings`, the warning with no field
};

struct ImportOutcome {
  int saved = 0;                    // rows stored; 0 unless every row passed
  std::vector<RowReport> refusals;  // in line order
  std::vector<RowReport> warnings;  // shown, the rows go on
  Status status;                    // a failure of the store; nothing is stored then either
  bool ok() const { return refusals.empty() && status.ok(); }
};

// Checks every row (a person's other rows of the same month in the batch count as stored rows
// of the person for the zero-amount exception) and stores them all when none is refused.
ImportOutcome importMonthlyRows(Context& ctx, const Clock& clock, std::vector<ImportRow>& rows);

}  // namespace obrazac
