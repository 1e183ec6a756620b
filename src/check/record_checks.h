// The checks of the formal control, one record line at a time in file order, with the state the
// checks carry from line to line: the form header (type 3) last read, the number of forms and
// of rows since the header, the header's totals against the sums of its rows, and the amounts
// remembered for the zero-amount exception of the current person. Every check of a line runs
// and reports its finding; a failed check stops only the checks that depend on it. A line whose
// type is no record type gets no checks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "check/code_lookups.h"
#include "check/finding.h"
#include "codelists/control_bounds.h"
#include "data/date.h"
#include "data/decimal.h"
#include "data/record_format.h"

namespace obrazac::check {

class RecordChecker {
 public:
  RecordChecker(CodeLookups& lookups, const Clock& clock);

  // Checks one line of exactly 250 characters (a shorter one padded with blanks by the reader;
  // the type is the last character).
  void check(std::string_view line, FindingSink& sink);

  std::int64_t forms() const { return forms_; }

 private:
  void checkSender(std::string_view line, FindingSink& sink);       // type 0
  void checkFormHeader(std::string_view line, FindingSink& sink);   // type 3
  void checkRow(std::string_view line, FindingSink& sink);          // type 5
  void checkFormClosing(std::string_view line, FindingSink& sink);  // type 7
  void checkFileClosing(std::string_view line, FindingSink& sink);  // type 9
  // A field of the last type 3 record.
  std::string_view header(const submission::RecordField& f) const { return f.cut(lastHeader_); }
  std::string_view obligorName() const;

  CodeLookups& lookups_;
  const Clock& clock_;
  std::int64_t forms_ = 0;         // type 3 records read so far
  std::int64_t rows_ = 0;          // type 5 records since the last type 3
  std::string lastHeader_;         // the last type 3 line; blank before the first
  ItemAmounts headerTotals_{};     // III.1 .. III.5 of the last type 3
  ItemAmounts sums_{};             // sums of IV.7 .. IV.11 since it
  PersonAmountMemory person_;      // the zero-amount exception's memory
  std::string context_, message_;  // reused per finding
};

}  // namespace obrazac::check
