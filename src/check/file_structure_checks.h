// The shape of a submission file as a whole: it opens with the sender's record (type 0) and
// closes with the file's closing record (type 9), every form (type 3) has its closing record
// (type 7) before the next form or the end of the file, and every line is exactly one record
// long. A file that is no submission file (empty, a payroll file, a file cut short, a file of
// zeros) is told apart by these findings; a well-formed file gets none. No line may hold a
// control byte (the rule every field follows, data/field_value.h).
#pragma once

#include <cstdint>
#include <string_view>

#include "check/finding.h"

namespace obrazac::check {

class FileStructureChecker {
 public:
  // One line as read, in file order: the record as read (its last character is its type) and
  // its length in the file, line end not counted. A control byte in it is a finding of its own:
  // no field of a record may hold one.
  void check(std::string_view record, std::int64_t length, FindingSink& sink);
  // Data behind a Ctrl-Z that ended the file at line `line`: it was not checked.
  void hiddenData(std::int64_t line, FindingSink& sink);
  // After the last line; its findings belong to the last line (to line 0 when there is none).
  void finish(FindingSink& sink);

 private:
  void formWithoutClosing(FindingSink& sink);

  std::int64_t lines_ = 0;
  std::int64_t openForm_ = 0;  // the line of a form whose type 7 has not come yet, or 0
  char lastType_ = ' ';
};

}  // namespace obrazac::check
