// The record layouts of the R-S submission file: for each record type (0, 3, 5, 7, 9) its fields
// in line order with 1-based position, width and kind. Writers, the formal control and the work
// files TBSLOG0..9 all take positions from here. Asking for an unknown record type throws.
#pragma once

#include <span>
#include <string_view>

namespace obrazac::submission {

// Every record is one line of this many characters; the last one is the record type.
inline constexpr int kRecordWidth = 250;

enum class FieldKind {
  Text,      // left-aligned, blank padded, cut at the width
  Digits,    // exactly the width, leading zeros, no sign
  Amount,    // sign or filler, then 14 digits of hundredths
  Date,      // DDMMYYYY
  Reserved,  // blanks
  Type,      // the record type character
};

struct RecordField {
  std::string_view code;  // "RS0MBOO"
  int position = 0;       // 1-based column of the first character
  int width = 0;
  FieldKind kind = FieldKind::Text;

  // The field's characters cut from a whole line; a short line gives what it has.
  std::string_view cut(std::string_view line) const;
};

struct RecordLayout {
  char type = 0;  // '0', '3', '5', '7' or '9'
  std::span<const RecordField> fields;

  const RecordField* fieldByCode(std::string_view code) const;  // nullptr if not in this type
};

// The five layouts in the order of the record types.
std::span<const RecordLayout> recordLayouts();

// nullptr for a character that is no record type (a reader of outside files asks this).
const RecordLayout* findRecordLayout(char type);
// The layout of a known record type; std::out_of_range for any other character.
const RecordLayout& recordLayout(char type);

// A field of any record type by its code ("RS5IBRT"); nullptr if no layout has it.
const RecordField* fieldByCode(std::string_view code);

}  // namespace obrazac::submission
