// The run reporter of the commands that ask before they replace data: messages and questions go
// to standard error one per line, a question is answered on standard input (d/y for yes) unless
// the command was told to answer yes itself.
#pragma once

#include <iosfwd>

#include "frame/run_reporter.h"

namespace obrazac::cli {

class TerminalReporter final : public RunReporter {
 public:
  TerminalReporter(std::ostream& err, std::istream& in, bool answerYes = false)
      : err_(err), in_(in), answerYes_(answerYes) {}
  void status(std::string_view) override {}
  void message(std::string_view text) override;
  Answer ask(std::string_view text, bool withCancel = false) override;

 private:
  std::ostream& err_;
  std::istream& in_;
  bool answerYes_;
};

}  // namespace obrazac::cli
