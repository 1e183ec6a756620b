// How the runs talk on the command line: status texts on standard output as they happen,
// messages on standard error, questions answered "no".
#pragma once

#include <map>
#include <ostream>
#include <span>
#include <string>

#include "cli/command.h"
#include "data/date.h"
#include "frame/run_reporter.h"

namespace obrazac::cli {

class CliReporter final : public RunReporter {
 public:
  CliReporter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
  void status(std::string_view text) override { out_ << text << std::endl; }
  void message(std::string_view text) override { err_ << text << std::endl; }
  Answer ask(std::string_view text, bool) override {
    err_ << text << " - Ne" << std::endl;
    return Answer::No;
  }

 private:
  std::ostream& out_;
  std::ostream& err_;
};

// "--name value" pairs; throws UsageError on a word that is no known option or lacks its value.
std::map<std::string, std::string> parseOptions(std::span<const std::string> args,
                                                std::initializer_list<std::string_view> known);

// DD.MM.YYYY; throws UsageError naming the option.
Date parseDate(const std::string& text, std::string_view option);

}  // namespace obrazac::cli
