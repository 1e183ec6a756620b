// The checks of the formal control, one record line at a time in file order, with the state the
// checks carry from line to line: the form header (type 3) last read, the number of forms and
// of rows since the header, the header's totals against the sums of its rows, and the amounts
// remembered for the zero-amount exception of the current person. Every check of a line runs
// and reports its finding; a failed check stops only the checks that depend on it. A line whose
// type is no record type gets no checks. The checks of each record type are a table of steps
// beside the record's reading (sender_checks, form_checks, row_checks).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "check/code_lookups.h"
#include "check/field_check_list.h"
#include "check/finding.h"
#include "codelists/contribution_rates.h"
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
  // The values of a row (type 5) that its steps test, read before they run.
  struct RowValues {
    std::string_view oo, increased;  // the basis and the mark of increased duration
    std::string_view vob, voi;       // of the form header
    int firstDay = 0, lastDay = 0;
    int month = 0, year = 0;  // the form's period
    ItemAmounts amounts{};
    ExpectedContributions expected;
    const ControlRow* control = nullptr;  // set by the ControlTableRow step
  };

  void checkSender(std::string_view line, FindingSink& sink);       // type 0
  void checkFormHeader(std::string_view line, FindingSink& sink);   // type 3
  void checkRow(std::string_view line, FindingSink& sink);          // type 5
  void checkFormClosing(std::string_view line, FindingSink& sink);  // type 7
  void checkFileClosing(std::string_view line, FindingSink& sink);  // type 9

  // Runs every step of the table on the line; a finding carries the context given.
  void run(const FieldCheckList& list, std::string_view line, std::string_view context,
           FindingSink& sink);
  bool passes(const FieldCheckList::Step& step, std::string_view line);
  // The bounds of the row's control-table row; none before it is looked up or without one.
  const ControlBounds& bounds() const;
  // The text of a failed step's finding (Windows-1250), valid until the next finding.
  std::string_view findingText(const FieldCheckList::Step& step, std::string_view line);

  // A field of the last type 3 record.
  std::string_view header(const submission::RecordField& f) const { return f.cut(lastHeader_); }
  std::string_view obligorName() const;

  CodeLookups& lookups_;
  const Clock& clock_;
  std::int64_t forms_ = 0;                  // type 3 records read so far
  std::int64_t rows_ = 0;                   // type 5 records since the last type 3
  std::string lastHeader_;                  // the last type 3 line; blank before the first
  ItemAmounts headerTotals_{};              // III.1 .. III.5 of the last type 3
  ItemAmounts sums_{};                      // sums of IV.7 .. IV.11 since it
  PersonAmountMemory person_;               // the zero-amount exception's memory
  std::optional<ObligorKind> obligorKind_;  // of the form header being checked
  RowValues row_;                           // of the row being checked
  std::string context_, message_;           // reused per line and per finding
};

}  // namespace obrazac::check
