// Whether a value is one a record field can hold. Every field ends up as Windows-1250 bytes in a
// fixed-width line, so a value may hold only characters of that code page and no control
// characters (bytes below 32, 127 and the C1 range): a TAB or a line end inside a field would
// shift or split the line it is written into. A STRING field also holds at most its width.
// Every way a value enters (forms, the command line, imports, taken-over payment lines) asks
// this one rule; the answer names the field and the character in words.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/record.h"

namespace obrazac {

// The first character of UTF-8 text a field cannot hold, in words ("nedopušten znak TAB
// (U+0009)"); nothing when every character fits.
std::optional<std::string> unfitCharacter(std::string_view utf8);
// The same for text already in Windows-1250 (a record's bytes, a line of a text file).
std::optional<std::string> unfitByte(std::string_view cp1250);
// Where the first byte that unfitByte refuses stands (from 0); npos when there is none.
std::size_t firstUnfitByte(std::string_view cp1250);

// Why a field `width` characters wide (0: no width limit) cannot take the UTF-8 `value`, without
// naming the field: "predugačka vrijednost (duljina 21, najviše 20)".
std::optional<std::string> valueError(std::string_view value, int width = 0);
// Why `field` ("POS:TELEFON") cannot take the UTF-8 `value`: a character it cannot hold, or more
// than `width` characters (0: no width limit): "Polje POS:TELEFON: nedopušten znak TAB (U+0009)".
// Nothing when it can.
std::optional<std::string> fieldValueError(std::string_view field, std::string_view value,
                                           int width = 0);
// Why `field` cannot hold the Windows-1250 bytes `value`; nothing when it can.
std::optional<std::string> fieldBytesError(std::string_view field, std::string_view value);

// The first text field of a record buffer that holds a control byte, named with its table's
// prefix ("OSI1:PREZIME"): a line read from another program's file is taken only without one.
std::optional<std::string> recordBytesError(const Record& record);

}  // namespace obrazac
