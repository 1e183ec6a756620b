// Reading a payment input file (its copy TBUPLATE.DAT) so that nothing in it goes unseen. The
// reading rules of the text files pass over three things without a word: a file whose lines end
// in CR alone reads as one line, a line longer than the 194 characters of a payment line loses its
// tail, and a Ctrl-Z at the start of a line hides every line behind it. The first refuses the
// file before any line is taken; the other two are lines with a fault, for the run to report. A
// line that holds a control byte (NUL, ESC, the C1 range: what no field may hold) is a line with
// a fault too, named by its field: the input check, the takeover and the formal control of the
// submission file all ask the same rule (data/field_value.h).
#pragma once

#include <string>

#include "check/payment_line.h"
#include "data/status.h"
#include "data/table.h"
#include "data/text_table.h"

namespace obrazac::check {

class PaymentFileReader {
 public:
  explicit PaymentFileReader(Table& copy);  // the open text table of the copy (OSI1)

  // Walks the whole file once: a CR that is no line end refuses it, naming its line.
  Status checkLineEnds();

  // The next line, from the start of the file: the lines before an end mark, then those behind
  // it (blank ones there hold no data and are passed over). False at the end of the file or when
  // it cannot be read further (error() then is not 0).
  bool next(PaymentLine& line);
  // What is wrong with the line just read as a line of the file (UTF-8), empty when nothing.
  const std::string& fault() const { return fault_; }
  // The line's fault is a control byte in one of its fields: nothing of it can be taken.
  bool controlByte() const { return controlByte_; }
  // The number of the line just read in the file, from 1.
  std::int64_t lineNumber() const { return file_.lineShape().number; }
  // The line stands behind the end mark: the run reports it and never takes it.
  bool hidden() const { return file_.lineShape().pastEndMark; }
  // The store error that broke the reading off; 0 after a read to the end.
  int error() const { return error_; }

 private:
  TextTable& file_;
  std::string fault_;
  int error_ = 0;
  bool started_ = false;
  bool controlByte_ = false;
};

}  // namespace obrazac::check
