// The plain field checks of a record type as a table: a field, the test it must pass, the
// finding when it fails, and whether a failure stops the check that follows (a check digit is
// not worth testing in a field that is not numeric). The checks that compare fields with each
// other or with the run's state are written out beside their table.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "check/finding.h"
#include "data/record_format.h"

namespace obrazac::check {

enum class FieldTest {
  Numeric,    // the numeric field test with the length given
  Amount,     // the numeric test of an amount, places 2-15
  MB,         // the MB check digit, "00000000" not given
  MBG,        // the MBG check digit, thirteen zeros not given
  MBGAlways,  // the MBG check digit, zeros included
  Filled,     // not blank
};

struct FieldCheck {
  std::string_view code;
  FieldTest test;
  std::size_t length;  // for Numeric; 0 for none
  Severity severity;
  std::string_view message;  // UTF-8
  bool failureSkipsNext = false;
};

class FieldCheckList {
 public:
  FieldCheckList(std::initializer_list<FieldCheck> checks);

  // Runs every check on the line; a finding carries the context given (Windows-1250).
  void run(std::string_view line, std::string_view context, FindingSink& sink) const;

 private:
  struct Resolved {
    FieldCheck check;
    const submission::RecordField* field;
    std::string message;  // Windows-1250
  };
  std::vector<Resolved> checks_;
};

// A field of a record type by its code, looked up once by the caller (a static), so that no line
// searches the layouts.
const submission::RecordField& recordField(std::string_view code);

}  // namespace obrazac::check
