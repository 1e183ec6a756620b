// The rules the formal control applies to single fields of a submission record, on the field
// text as cut from the line (Windows-1250, blank padded): the numeric field test, the check
// digits of MB and MBG with the values that stand for "not given", dates written DDMMYYYY and
// the reading of amounts and counts. None of them throws, whatever bytes the field holds.
#pragma once

#include <optional>
#include <string_view>

#include "data/date.h"
#include "data/decimal.h"

namespace obrazac::check {

// The numeric field test with the length the field requires (0: any length).
bool numericField(std::string_view field, std::size_t minLength = 0);

// The numeric test of a 15-character amount: characters 2-15, all 14 of them.
bool numericAmount(std::string_view field);

// True when the MB check finds a wrong check digit: the first 8 characters of a 12-character
// MB field, unless they are "00000000" (no MB given).
bool wrongMB(std::string_view field);

// True when the MBG check finds a wrong check digit in a 13-character MBG field; with
// `zerosAbsent` a field of thirteen zeros stands for "not given" and passes.
bool wrongMBG(std::string_view field, bool zerosAbsent);

// An amount as the picture "N-015v2" reads it: '-' in the first place for a negative value and
// the hundredths in places 2-15. Places 2-15 that pass the numeric test in another spelling
// (leading blanks, a sign, a decimal point) are read as the number of hundredths they write;
// anything unreadable counts as 0, the numeric test having reported it already.
Decimal amountValue(std::string_view field);

// The number a numeric count field holds ("00012", " 12", "+12"); nullopt when the text is no
// plain decimal number.
std::optional<Decimal> countValue(std::string_view field);

// The whole number at the start of a short field, after leading blanks (" 5" is 5, "1x" is 1);
// 0 when there is none. For the days and the month and year of a period.
int leadingNumber(std::string_view field);

// A date written DDMMYYYY, eight digits naming a day that exists; nullopt otherwise.
std::optional<Date> dateValue(std::string_view field);

// True when the field holds a date from 1 January 2005 to today.
bool dateInRange(std::string_view field, const Clock& clock);

}  // namespace obrazac::check
