// Pictures: the short format strings that turn amounts, counts, dates and times into text of a
// fixed width for the submission file, the forms and the reports.
//
// Numeric pictures: `N` or `n`, then in this order
//   `-`          optional sign mark: reserves the leftmost place for a minus sign, which is
//                written directly in front of the first digit (or at the leftmost place when
//                the picture is zero-filled); without it only the magnitude is shown;
//   `0` or `_`   optional fill: zeros or blanks in the free places, no grouping; without a fill
//                the free places are blank and the whole part is grouped in threes;
//   width        total characters (with `v`: digits only, since the mark takes no place);
//   grouping     optional character that separates thousands, only in front of a decimal part;
//   mark places  optional decimal part: `.` prints a point, "`" prints a comma (and makes the
//                default grouping a point), `v` prints nothing.
// The value is rounded half away from zero to the places before it is laid out. Digits fill
// from the right and the units digit always prints. When the whole part does not fit with its
// separators, the leftmost separators give way; when it does not fit even without them, every
// place except the decimal mark prints `#` (the sign place too).
//
// Date and time pictures: `D12` (YYYYMMDD), `D6.` (" 1.01.2004"), `T1` (" 0:00", "13:05").
// A missing date or time prints as blanks.
//
// A malformed or unknown picture throws std::invalid_argument naming it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/date.h"
#include "data/decimal.h"

namespace obrazac {

// A numeric picture parsed once, for writers that format many values with the same picture.
class NumberPicture {
 public:
  explicit NumberPicture(std::string_view picture);

  int width() const { return width_; }
  int places() const { return places_; }

  std::string format(const Decimal& value) const;
  // Appends exactly width() characters; no allocation when `out` has the capacity.
  void appendTo(std::string& out, const Decimal& value) const;

 private:
  void render(char* dst, const Decimal& value) const;

  int width_ = 0;      // characters written
  int places_ = 0;     // decimal places
  int wholeArea_ = 0;  // places left of the decimal mark, the sign place included
  bool signMark_ = false;
  char fill_ = ' ';    // '0' or ' '
  char grouping_ = 0;  // 0: no grouping
  char mark_ = 0;      // printed decimal mark; 0: none
};

std::string formatNumber(const Decimal& value, std::string_view picture);
std::string formatDate(Date date, std::string_view picture);
std::string formatTime(TimeOfDay time, std::string_view picture);

// The picture of the 15-character amount fields of the text files.
inline constexpr std::string_view kAmountPicture = "N-015v2";

// Reads a field written with kAmountPicture: exactly 15 characters, the last 14 digits giving
// the amount in hundredths; the first is '-' for a negative amount or '0', '+' or a blank for a
// positive one. Any other text gives nullopt.
std::optional<Decimal> readAmount(std::string_view field);

}  // namespace obrazac
