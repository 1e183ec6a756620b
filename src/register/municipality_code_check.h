// The check of a municipality or city code as its form takes it: four characters, all digits,
// and a valid check digit unless the code is all zeros.
#pragma once

#include <string_view>

#include "register/check_failure.h"

namespace obrazac {

// `code` is the field's text (trailing blanks allowed); failures name OPC:SIFRA.
CheckResult checkMunicipalityCode(std::string_view code);

}  // namespace obrazac
