// Entry checks of an employee's monthly row (TBZAPOSL.DAT, the RAD buffer of the employee
// form): the tests made when a field is left, the tests of a save in their fixed order against
// the calendar, the control table and the person's other rows, and the contributions proposed
// from the rates table. A failing test comes back as a CheckFailure naming the RAD field that
// gets the focus; only the proposal changes the record.
#pragma once

#include <string>

#include "codelists/control_bounds.h"
#include "data/context.h"
#include "data/date.h"
#include "register/check_failure.h"

namespace obrazac {

// The fields that have a test of their own when the user leaves them after a change.
enum class MonthlyField {
  Jmbg,          // RAD:JMBG: 13 characters, digits, check digit
  Year,          // RAD:GODOBRA: four digits, not before 2005
  Month,         // RAD:MJEOBRA: 0 to 12
  FirstDay,      // RAD:ODDANA: within its month
  LastDay,       // RAD:DODANA: within its month
  SecondPillar,  // RAD:IZNOS10: nothing for a person outside the second pillar
};

CheckResult checkMonthlyField(MonthlyField field, const Record& rad);

// The positive amounts of items 7 to 11 in the person's other stored rows of the same
// accounting year and month, under any obligor, read through RAD1 in RAD1:KEYOSOBA order; a
// later row's positive amount replaces an earlier one's. `stored` is the stored version of the
// row being changed (no position when inserting): it is not another row, so its old amounts
// never excuse its new ones.
ItemAmounts otherRowAmounts(Context& ctx, const Record& rad, Position stored = {});

struct MonthlySaveCheck {
  // UTF-8; set when the VOB/VOI/OO combination has no control-table row. It is shown and the
  // tests go on, without range checks for that row.
  std::string warning;
  CheckResult failure;
  bool ok() const { return !failure; }
};

// The tests of "&Spremi" in order; the first failure ends them. Rows of the kinds of
// calculation "88" and "99" are not held against the control table. `unsaved` holds the positive
// amounts of the person's rows of the same month that are saved together with this one (an
// import): they excuse a zero amount as a stored row's would.
MonthlySaveCheck checkMonthlySave(Context& ctx, const Clock& clock, const Record& rad,
                                  Position stored = {}, const ItemAmounts& unsaved = {});

enum class Pillar { First, Second };

// When the focus enters a contribution: looks up the rates of the row's kind of calculation,
// kind of obligor, basis, increased-duration code and membership, copies the pillar's two
// rates into the row (RAD:PRVISTUP1/2 or RAD:DRUGISTUP1/2) and proposes (rate sum) × base / 100
// rounded to the cent. Without a rates row nothing changes and false is returned.
bool proposeContribution(Context& ctx, Record& rad, Pillar pillar);

}  // namespace obrazac
