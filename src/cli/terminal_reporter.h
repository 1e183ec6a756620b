// The run reporter of obrazac-cli: messages go to standard output one per line, a question is
// answered on the terminal (d/y for yes) unless the command was told to answer yes itself.
#pragma once

#include <iosfwd>

#include "frame/run_reporter.h"

namespace obrazac::cli {

class TerminalReporter final : public RunReporter {
 public:
  TerminalReporter(std::ostream& out, std::istream& in, bool answerYes = false)
      : out_(out), in_(in), answerYes_(answerYes) {}
  void status(std::string_view) override {}
  void message(std::string_view text) override;
  Answer ask(std::string_view text, bool withCancel = false) override;

 private:
  std::ostream& out_;
  std::istream& in_;
  bool answerYes_;
};

}  // namespace obrazac::cli
