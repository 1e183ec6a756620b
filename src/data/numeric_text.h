// The numeric field test that every form, check run and input-file control applies before it
// reads a field as a number: does the text hold one decimal number and nothing else?
#pragma once

#include <cstddef>
#include <string_view>

namespace obrazac {

// True when the field, without its trailing blanks, is not empty, is at least minLength bytes
// long (leading blanks count), and reads completely as a decimal number written like a
// floating-point literal: optional leading blanks, an optional sign "+" or "-", digits with an
// optional decimal point ("1.", ".5" and "1.5" all count, "." alone does not), and an optional
// exponent "e" or "E" with an optionally signed integer.
// Only the blank (0x20) pads a field: a tab, a NUL or any other byte fails the test, as do
// blanks inside the number ("12 34"), "inf", "nan" and hexadecimal forms. The value's size is
// not looked at ("1e99999" passes). Independent of the locale.
bool isNumeric(std::string_view field, std::size_t minLength = 0);

}  // namespace obrazac
