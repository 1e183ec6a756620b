// The running number (POS:REDBROJ) a new obligor is offered: one past the highest in the
// register, 1 in an empty one. Number 0 is never offered: a row stored under it would be
// invisible to every lookup by that key.
#pragma once

#include "data/table.h"
#include "register/check_failure.h"

namespace obrazac {

// Reads the last obligor by POS:KEYREDBROJ; the table's buffer and current record are put
// back as they were, so a form can propose the number over the record it is filling in.
int nextRunningNumber(Table& obligors);

// Refuses running number 0 (and below), naming POS:REDBROJ.
CheckResult checkRunningNumber(int number);

}  // namespace obrazac
