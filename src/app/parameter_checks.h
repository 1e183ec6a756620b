// The checks of the parameter form (APLPARAM.DAT, the APL buffer): the registration and personal
// number of the authorised person when their fields are left, and the tests of a save in their
// fixed order. The first failing test comes back with the APL field that gets the focus.
#pragma once

#include <string_view>

#include "data/record.h"
#include "register/check_failure.h"

namespace obrazac {

// The test of leaving APL:MB01 or APL:JMBG (any other field has none).
CheckResult checkParameterField(const Record& apl, std::string_view field);

// The tests of "&Spremi": one identifier, not both, each with a right check digit.
CheckResult checkParameterSave(const Record& apl);

}  // namespace obrazac
