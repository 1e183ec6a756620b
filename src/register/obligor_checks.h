// The tests of saving an obligor (TBPOSLOD.DAT, the POS buffer of the obligor form) in their
// fixed order: name, address and contact person, a known kind of obligor, the identifiers its
// kind requires or forbids, the check digits, and a running number above 0. The first failing
// test comes back with the POS field that gets the focus.
#pragma once

#include "data/context.h"
#include "register/check_failure.h"

namespace obrazac {

// Reads the kind of obligor from TBVRSOBV.DAT through the context's VOB buffer.
CheckResult checkObligorSave(Context& ctx, const Record& pos);

}  // namespace obrazac
