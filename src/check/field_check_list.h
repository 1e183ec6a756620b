// The checks of a record type as a table of steps, run in order: the field a finding goes to,
// the test, whether a failure is an error or a warning, the text of the finding and whether a
// failure skips the step that follows (a check digit is not worth testing in a field that is not
// numeric). A test reads the line, the form header before it and what the run has gathered so
// far; RecordChecker runs the tables.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "check/finding.h"
#include "codelists/control_finding.h"
#include "data/record_format.h"

namespace obrazac::check {

enum class FieldTest {
  // The field alone.
  Numeric,      // the numeric field test with the length given
  Amount,       // the numeric test of an amount, places 2-15
  MB,           // the MB check digit, "00000000" not given
  MBG,          // the MBG check digit, thirteen zeros not given
  MBGAlways,    // the MBG check digit, zeros included
  Filled,       // not blank
  FormatMark,   // the format of the file, "RM500"
  DateDigits,   // eight digits; the finding quotes the field
  DateWritten,  // a date that is not numeric over its whole width is misspelt
  DateInRange,  // from 1 January 2005 to today
  DateValid,    // written and in range
  // The field in the code lists.
  Municipality,
  Basis,              // the basis of insurance, the first two places
  IncreasedDuration,  // the third place; blank for none
  PaymentKind,
  ObligorKind,  // looked up for the three tests that follow it
  // The obligor's identifiers in a form header, against each other and the kind of obligor.
  MBBesideMBG,      // both only when the MB begins with 8 or 9 (not asked of VOB 17)
  MBRequired,       // the kind of obligor requires an MB
  MBGRequired,      // the kind of obligor requires an MBG
  MBBesideMBGKind,  // both only for VOB 02 and 21 when the MB does not begin with 8 or 9
  // A closing record against what came before it.
  SameIdentifier,  // the identifier of the form header
  RowCount,        // the number of rows since the form header
  FormCount,       // the number of form headers in the file
  HeaderTotal,     // the header's total of an item against the sum of its rows
  // A row against the control-table row of the form's combination and the contribution rates.
  ControlTableRow,  // looks the rates and the control-table row up
  Month,
  Year,
  FirstDay,
  LastDay,
  AmountRange,       // an amount against its range, with the zero-amount exception
  PillarDifference,  // a contribution against the one its rates give
  TotalDifference,   // both contributions against the sum the rates give
};

struct FieldCheck {
  std::string_view code;  // the field of the finding, "RS5IOSN"
  FieldTest test;
  Severity severity;
  std::string_view message;  // UTF-8: the whole text, or its start when the test adds to it
  std::size_t length = 0;    // Numeric: the length the field requires; 0 for none
  bool failureSkipsNext = false;
  int item = 0;  // the amount item 7..11 of the range, difference and total tests
  ControlTail tail = ControlTail::None;
  std::string_view middle = "";   // HeaderTotal: between the total and the sum
  std::string_view picture = "";  // HeaderTotal: the picture of both
};

// A table of steps with their fields looked up and their texts in Windows-1250, made once.
class FieldCheckList {
 public:
  struct Step {
    FieldCheck check;
    const submission::RecordField* field;  // null when the test does not read it
    std::string message;                   // Windows-1250
    std::string middle;                    // Windows-1250
  };

  FieldCheckList(std::initializer_list<FieldCheck> checks);
  const std::vector<Step>& steps() const { return steps_; }

 private:
  std::vector<Step> steps_;
};

// A field of a record type by its code, looked up once by the caller (a static), so that no line
// searches the layouts.
const submission::RecordField& recordField(std::string_view code);

}  // namespace obrazac::check
