// Small rules shared by the entry forms and the check runs: an identifier typed into a form is
// digits only, and a day must exist in its month.
#pragma once

#include <algorithm>
#include <string_view>

namespace obrazac {

// True when the text is not empty and holds nothing but the digits 0-9. A personal or
// registration number typed into a form must pass this besides the numeric field test, which
// would also let a sign, a decimal point or a leading blank through into the register.
inline bool isDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// True when day lies beyond the last day of month in year by the rule of the forms and the
// checks: 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 days, and 29 in February of every year
// divisible by 4 (2100 included: the register's files and forms use no other leap-year rule).
// Days of 0 or below are not judged here, nor months outside 1..12: month 0 means a row without
// a month, and the month has checks of its own.
inline bool dayBeyondMonth(int day, int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return false;
  return day > kDays[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
}

}  // namespace obrazac
