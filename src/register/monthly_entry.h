// An employee's monthly row entered whole from outside the form (the shell, an import file), taken
// as the form takes it when the given fields are typed in screen order and the row is saved: a
// typed field with a test of its own is checked as it is left, a pillar amount not typed is
// proposed from the rates as the focus passes it (a typed one keeps its value, the rates are
// copied all the same), and the save tests follow in their order.
#pragma once

#include <set>
#include <string>

#include "data/status.h"
#include "register/monthly_data_checks.h"

namespace obrazac {

// The RAD fields given by the user, by their names without the prefix ("GODOBRA", "IZNOS9").
using TypedFields = std::set<std::string, std::less<>>;

enum class EntryMode {
  Insert,  // a new row: every pillar amount not typed is proposed
  Change,  // a stored row: an amount not typed is proposed again only when a value it is
           // computed from (base, kinds, basis, increased duration, membership) was typed, so
           // changing a name never rewrites the amounts the user accepted
};

// Starts a new row of obligor `employer` as the form does: cleared, under the obligor's running
// number and with its kind of obligor. Fails when the obligor cannot be read.
Status newMonthlyRow(Context& ctx, int employer, Record& rad);

// Enters the row and runs the tests. The record changes only by the proposals (amount and the
// pillar's two rates). `stored` is the stored version of a changed row; `unsaved` the positive
// amounts of the person's other rows of the same month that are saved together with this one.
MonthlySaveCheck enterMonthlyRow(Context& ctx, const Clock& clock, Record& rad,
                                 const TypedFields& typed, EntryMode mode, Position stored = {},
                                 const ItemAmounts& unsaved = {});

}  // namespace obrazac
