// Check digits (modulo 11) of the three identifiers that carry one: the personal number of a
// person (JMBG, 13 digits), the registration number of a legal person (MB, 8 digits) and the
// code of a municipality or city (4 digits); and the birth date written in a personal number.
// The routines take the field text unchanged and test neither its length nor its characters:
// each position is read on its own, a non-digit or a missing position counts as 0. Callers
// first apply the numeric field test and the length their field requires, and leave out the
// values that stand for "not given"; the messages on failure are theirs.
#pragma once

#include <string_view>

#include "data/date.h"

namespace obrazac {

// Weights 7..2 twice over digits 1-12; remainder 1 has no valid check digit, remainder 0 wants 0.
bool ProvjeraJMBG(std::string_view jmbg);

// Weights 8..2 over digits 1-7; remainder 0 has no valid check digit, remainder 1 wants 0.
bool ProvjeraMB(std::string_view mb);

// Weights 4..2 over digits 1-3; remainder 0 has no valid check digit, remainder 1 wants 0.
bool ProvjeraSifreOpcine(std::string_view sifra);

// Birth date from a personal number: day in digits 1-2, month in 3-4, and the last three digits
// of the year in 5-7, which fall in the 2000s when digit 5 is 0 and in the 1000s otherwise
// ("975" is 1975, "005" is 2005). Impossible days and months are not refused: they normalise as
// Date::fromParts does.
Date DatumIzJMBG(std::string_view jmbg);

// Values that stand for an identifier not given: a blank field, or all zeros.
bool isAbsentMB(std::string_view mb);      // "00000000"
bool isAbsentJMBG(std::string_view jmbg);  // "0000000000000"

}  // namespace obrazac
