// The checks of the input check window's selection while it is typed: the accounting year, the
// month (which the yearly kinds of payment leave at 0) and the day range. Each returns the first
// rule the value breaks, naming the window's field; the run itself repeats only the year and
// month rules that it needs to read the file.
#pragma once

#include <string_view>

#include "register/check_failure.h"

namespace obrazac::check {

// GLO:ObrGod: a number of at least four digits.
CheckResult checkSelectionYear(std::string_view year);

// GLO:ObrMje: a number from 0 to 12, and 0 for the kinds of payment "03", "05" and "06".
CheckResult checkSelectionMonth(std::string_view month, std::string_view paymentType);

// GLO:RazdOd (first) or GLO:RazdDo: a number, and with a month above 0 not beyond its last day
// in the chosen year.
CheckResult checkSelectionDay(std::string_view day, bool first, std::string_view month,
                              std::string_view year);

}  // namespace obrazac::check
