// Small rules shared by the entry forms and the check runs: an identifier typed into a form is
// digits only, and a day must exist in its month.
#pragma once

#include <algorithm>
#include <string_view>

#include "data/date.h"

namespace obrazac {

// True when the text is not empty and holds nothing but the digits 0-9. A personal or
// registration number typed into a form must pass this besides the numeric field test, which
// would also let a sign, a decimal point or a leading blank through into the register.
inline bool isDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// True when day lies beyond the last day of month in year, by the calendar (29 February only in
// leap years, so not in 2100). Months outside 1..12 are not judged here: month 0 means a row
// without a month, and the month has checks of its own.
inline bool dayBeyondMonth(int day, int month, int year) {
  if (month < 1 || month > 12) return false;
  return day > daysInMonth(year, month);
}

}  // namespace obrazac
